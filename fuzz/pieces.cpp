#include "fuzz/pieces.h"

#include <algorithm>

namespace tlj::fuzz {
namespace {

constexpr std::size_t kHeaderSize = 3;
constexpr int kPauseBits = 0x1F;
constexpr int kPeerShift = 5;
constexpr int kCloseBit = 0x80;
constexpr platform::TimeMs kPauseUnitMs = 100;

}  // namespace

std::optional<Piece> PieceReader::Next() {
  if (rest_.size() < kHeaderSize) return std::nullopt;
  const std::size_t length = rest_[0] | std::size_t{rest_[1]} << 8;
  const int control = rest_[2];
  rest_ = rest_.subspan(kHeaderSize);
  Piece piece;
  piece.bytes = rest_.first(std::min(length, rest_.size()));
  piece.pause_ms = (control & kPauseBits) * kPauseUnitMs;
  piece.peer = (control >> kPeerShift) & 3;
  piece.closes = (control & kCloseBit) != 0;
  rest_ = rest_.subspan(piece.bytes.size());
  return piece;
}

void AppendPiece(std::vector<std::uint8_t>& input, const Piece& piece) {
  const std::size_t length = std::min<std::size_t>(piece.bytes.size(), 0xFFFF);
  const auto pause =
      static_cast<int>(std::min<platform::TimeMs>(piece.pause_ms / kPauseUnitMs, kPauseBits));
  input.push_back(static_cast<std::uint8_t>(length & 0xFF));
  input.push_back(static_cast<std::uint8_t>(length >> 8));
  input.push_back(static_cast<std::uint8_t>(pause | (piece.peer & 3) << kPeerShift |
                                            (piece.closes ? kCloseBit : 0)));
  input.insert(input.end(), piece.bytes.begin(), piece.bytes.begin() + length);
}

}  // namespace tlj::fuzz
