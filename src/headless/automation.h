#pragma once
// The automation language read on standard input: one command per line, each turned into an
// input event on a named element or into a dump of the element tree.
//
//   click NAME [INDEX]          move NAME [INDEX]
//   dblclick NAME [INDEX] LINE  key NAME [INDEX] KEYCODE
//   text NAME TEXT              dump PATH
//
// NAME is ELEMENT on the table window MainForm, or WINDOW.ELEMENT on another window.

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::headless {

inline constexpr std::string_view kTableWindow = "MainForm";

struct AutomationCommand {
  enum class Kind { Input, Dump };
  Kind kind = Kind::Input;
  platform::ElementEvent event;  // Input; a Change event also sets the element's caption
  std::string path;              // Dump
};

struct ParsedLine {
  std::optional<AutomationCommand> command;
  std::string error;  // why the line was refused; both empty for a blank line
};

ParsedLine ParseAutomationLine(std::string_view line);

}  // namespace tlj::headless
