#pragma once
// Writing fields into a frame the way the server lays them out: numbers little-endian, card
// codes and room bars big-endian, text as single bytes or GBK.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/net/frame.h"

namespace tlj::testing {

void PutLe32(net::Frame& f, std::size_t at, std::uint32_t value);
void PutLe64(net::Frame& f, std::size_t at, std::uint64_t value);
void PutBe32(net::Frame& f, std::size_t at, std::uint32_t value);
// Bytes as they are: single-byte text, or text already in GBK.
void PutBytes(net::Frame& f, std::size_t at, std::string_view bytes);
// UTF-8 text as the wire holds it (GBK).
void PutText(net::Frame& f, std::size_t at, std::string_view utf8);
// A card code: the rank in its third byte, the one-hot suit bit in its fourth.
void PutCard(net::Frame& f, std::size_t at, int rank, int suit_bit);
// The token the client takes from the frame and echoes.
void PutToken(net::Frame& f, std::uint8_t first, std::uint8_t second);

}  // namespace tlj::testing
