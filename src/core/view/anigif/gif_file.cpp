#include "core/view/anigif/gif_file.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tlj::view::anigif {
namespace {

// Thrown inside the walk; ParseGif turns it into the load error.
struct ParseFailure {
  const char* text;
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t Byte() {
    Need(1);
    return bytes_[at_++];
  }
  int Word() {
    const int low = Byte();
    return low | (Byte() << 8);
  }
  std::span<const std::uint8_t> Take(std::size_t n) {
    Need(n);
    const auto taken = bytes_.subspan(at_, n);
    at_ += n;
    return taken;
  }
  // Skips data sub-blocks up to and including the empty one; returns the bytes passed.
  std::size_t SkipSubBlocks() {
    const std::size_t from = at_;
    while (const std::uint8_t size = Byte()) Take(size);
    return at_ - from;
  }
  std::size_t At() const { return at_; }

 private:
  void Need(std::size_t n) const {
    if (n > bytes_.size() - at_) throw ParseFailure{kEndOfFile};
  }
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

std::vector<Rgb> ReadColourTable(Reader& in, std::uint8_t packed) {
  const std::size_t count = std::size_t{2} << (packed & 7);
  const auto raw = in.Take(count * 3);
  std::vector<Rgb> table(count);
  for (std::size_t i = 0; i < count; ++i) table[i] = {raw[i * 3], raw[i * 3 + 1], raw[i * 3 + 2]};
  return table;
}

// The graphic control block waiting for the next image.
struct PendingControl {
  bool transparent = false;
  std::uint8_t transparent_index = 0;
  int disposal = 0;
  int delay_ms = 0;
};

class Walk {
 public:
  Walk(std::span<const std::uint8_t> bytes, ParsedGif& gif) : in_(bytes), gif_(gif) {}

  void Run() {
    in_.Take(6);  // the signature, checked by the caller
    gif_.width = in_.Word();
    gif_.height = in_.Word();
    const std::uint8_t packed = in_.Byte();
    in_.Take(2);  // background colour and aspect ratio
    if ((packed & 0x80) != 0) global_ = ReadColourTable(in_, packed);
    for (;;) {
      const std::uint8_t introducer = in_.Byte();
      if (introducer == 0x00) continue;
      if (introducer == 0x21) {
        Extension();
      } else if (introducer == 0x2C) {
        Image();
      } else {
        return;  // the trailer, or any byte that begins no block
      }
    }
  }

 private:
  void Extension() {
    const std::uint8_t label = in_.Byte();
    if (label == 0xFF) {
      Application();
    } else if (label == 0xF9) {
      GraphicControl();
    } else {
      in_.SkipSubBlocks();
    }
  }

  void Application() {
    const auto identifier = in_.Take(in_.Byte());
    std::string name(identifier.begin(), identifier.end());
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::toupper(c); });
    if (name == "NETSCAPE2.0") {
      const std::uint8_t size = in_.Byte();
      const auto data = in_.Take(size);
      if (size == 3) gif_.loops = data[1] | (data[2] << 8);
      if (size == 0) return;  // that was the terminator
    }
    in_.SkipSubBlocks();
  }

  void GraphicControl() {
    const std::uint8_t size = in_.Byte();
    const auto data = in_.Take(size);
    if (size >= 4) {
      control_.disposal = (data[0] >> 2) & 7;
      if (control_.disposal > 3) control_.disposal = 0;
      control_.delay_ms = (data[1] | (data[2] << 8)) * 10;
      control_.transparent = (data[0] & 1) != 0;
      control_.transparent_index = data[3];
    }
    if (size != 0) in_.SkipSubBlocks();
  }

  void Image() {
    FrameInfo frame;
    frame.block_begin = in_.At() - 1;  // from the separator on
    frame.left = in_.Word();
    frame.top = in_.Word();
    frame.width = in_.Word();
    frame.height = in_.Word();
    const std::uint8_t packed = in_.Byte();
    if ((packed & 0x80) != 0) {
      frame.palette = ReadColourTable(in_, packed);
    } else if (global_) {
      frame.palette = *global_;
    } else {
      throw ParseFailure{"No colour table"};
    }
    in_.Byte();  // the LZW code size
    const std::size_t data_size = 1 + in_.SkipSubBlocks();
    frame.block_end = in_.At();
    const PendingControl control = std::exchange(control_, PendingControl{});
    // An image without pixel data is no frame; its control block is used up all the same.
    if (data_size <= 2) return;
    if (frame.width == 0 || frame.height == 0) throw ParseFailure{"Empty image"};
    frame.transparent = control.transparent;
    frame.transparent_index = control.transparent_index;
    frame.disposal = control.disposal;
    // Nothing was shown before the first frame, so there is nothing to go back to.
    if (frame.disposal == 3 && gif_.frames.empty()) frame.disposal = 0;
    frame.delay_ms = control.delay_ms;
    gif_.width = std::max(gif_.width, frame.left + frame.width);
    gif_.height = std::max(gif_.height, frame.top + frame.height);
    if (gif_.width > kMaxCanvasSide || gif_.height > kMaxCanvasSide)
      throw ParseFailure{"Image too large"};
    pixels_ += static_cast<std::size_t>(frame.width) * frame.height;
    if (pixels_ > kMaxFramePixels) throw ParseFailure{"Image too large"};
    gif_.frames.push_back(std::move(frame));
  }

  Reader in_;
  ParsedGif& gif_;
  std::optional<std::vector<Rgb>> global_;
  PendingControl control_;
  std::size_t pixels_ = 0;
};

}  // namespace

bool HasGifSignature(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 6) return false;
  std::string signature(bytes.begin(), bytes.begin() + 6);
  std::ranges::transform(signature, signature.begin(),
                         [](unsigned char c) { return std::tolower(c); });
  return signature == "gif89a" || signature == "gif87a";
}

bool ParseGif(std::span<const std::uint8_t> bytes, ParsedGif& gif, LoadError& error) {
  gif = ParsedGif{};
  if (!HasGifSignature(bytes)) {
    error = {kReadGifFile, "Not a GIF file"};
    return false;
  }
  try {
    Walk(bytes, gif).Run();
  } catch (const ParseFailure& failure) {
    gif = ParsedGif{};
    error = {kReadGifFile, failure.text};
    return false;
  }
  return true;
}

}  // namespace tlj::view::anigif
