#pragma once
// The input of a fuzz target that stands for peers talking over time: a series of pieces, each
// the bytes one peer sends at once, followed by what happens next.
//
//   piece   := LENGTH (2 bytes, little-endian) CONTROL (1 byte) BYTES (LENGTH bytes)
//   CONTROL := bits 0-4: the quiet time after the bytes, in tenths of a second
//              bits 5-6: which peer sends them (targets with one peer ignore it)
//              bit 7:    the peer closes its connection after them
//
// A length past the end of the input takes what is left.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/platform/event_loop.h"

namespace tlj::fuzz {

struct Piece {
  std::span<const std::uint8_t> bytes;
  platform::TimeMs pause_ms = 0;
  int peer = 0;  // 0..3
  bool closes = false;
};

class PieceReader {
 public:
  explicit PieceReader(std::span<const std::uint8_t> input) : rest_(input) {}
  // Nothing once the input is used up.
  std::optional<Piece> Next();

 private:
  std::span<const std::uint8_t> rest_;
};

// Appends `piece` as PieceReader reads it back; the pause is rounded down to tenths of a
// second, at most 3.1 s. For the seed corpus.
void AppendPiece(std::vector<std::uint8_t>& input, const Piece& piece);

}  // namespace tlj::fuzz
