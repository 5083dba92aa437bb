#pragma once
// The lobby's command line: thirteen fields, each followed by "$".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tlj::lobby {

inline constexpr int kFieldCount = 13;

struct CommandLine {
  std::array<std::string, kFieldCount> field;  // field k is field[k - 1]
  std::int16_t server_port = 0;                // field 4
  std::int16_t proxy_type = 0;                 // field 6
  std::int16_t proxy_port = 0;                 // field 8
  bool own_titles = false;                     // field 11 is 1: fields 12 and 13 apply
  bool spectator = false;                      // the line does not end with "$"
  double seat_word = 0;                        // a spectator's number after field 5

  const std::string& Field(int k) const { return field.at(k - 1); }
};

enum class CommandLineError { Empty, Malformed };

struct ParsedCommandLine {
  std::optional<CommandLine> line;
  CommandLineError error = CommandLineError::Malformed;
};

ParsedCommandLine ParseCommandLine(std::string_view text);

// The line as a log may show it: the two passwords masked.
std::string MaskedCommandLine(const CommandLine& line);

// A 16-bit integer field: a number, a fraction rounded to the nearest integer (halves to even),
// within -32768..32767; nothing for an empty or non-numeric text or a value out of range.
std::optional<std::int16_t> ToInt16(std::string_view text);
// A whole text as a number; nothing when it is empty or not a number.
std::optional<double> ToNumber(std::string_view text);
// The number formed by the text's leading digits (and a decimal point); 0 when there are none.
double LeadingNumber(std::string_view text);

}  // namespace tlj::lobby
