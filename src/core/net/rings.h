#pragma once
// Byte rings: the send and receive rings of 34816 bytes each (exactly 128 frames), and the
// proxy's reply buffer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tlj::net {

template <std::size_t N>
struct ByteRing {
  std::array<std::uint8_t, N> bytes{};
  std::size_t read = 0;
  std::size_t write = 0;

  std::size_t Unread() const { return (write + N - read) % N; }
  // The k-th unread byte.
  std::uint8_t Peek(std::size_t k) const { return bytes[(read + k) % N]; }
  // Appends one byte; false when the ring is full afterwards (the write index caught up).
  bool Push(std::uint8_t b) {
    bytes[write] = b;
    write = (write + 1) % N;
    return write != read;
  }
  void Clear() { read = write = 0; }
};

inline constexpr std::size_t kRingSize = 0x8800;

inline ByteRing<kRingSize> RecvRing;
inline ByteRing<kRingSize> SendRing;

// Sets the read and write indexes of both rings to 0: unsent and unread data are dropped.
// For a link that is gone or about to be replaced.
void ResetRings();
// The same for a link that stays up, except that what has arrived and not yet been handled
// moves to the start of RecvRing: those frames are the server's commands for the next game,
// and a frame that has only partly arrived must stay framed.
void ResetRingsKeepingReceived();

// Appends bytes that arrived from the socket; a ring that fills up shows the lobby again and
// ends the process, since the stream can no longer be framed.
template <std::size_t N>
void AppendArrived(ByteRing<N>& ring, std::span<const std::uint8_t> bytes);

}  // namespace tlj::net
