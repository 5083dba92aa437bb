// tlj-artgen OUTDIR [--png]: draws every picture of the client into OUTDIR as <id>.gif or
// <id>.jpg, the window designs' pictures as design-<number>.gif or .jpg, and packs them all
// into OUTDIR/resources.pack. --png adds a PNG copy of what each file shows (<id>.png,
// design-<number>.png; the animation's frames as 876-1.png ..), for people to look at.
// tlj-artgen --icons OUTDIR: the program's icon for the desktop, as
// OUTDIR/hicolor/<size>x<size>/apps/tlj.png in each installed size.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "resources/pack.h"
#include "tools/artgen/art/app_icon.h"
#include "tools/artgen/art/catalogue.h"
#include "tools/artgen/encode/gif.h"
#include "tools/artgen/encode/jpeg.h"
#include "tools/artgen/encode/png.h"
#include "tools/artgen/encode/quantize.h"

namespace {

namespace fs = std::filesystem;
namespace art = tlj::artgen::art;
namespace draw = tlj::artgen::draw;
namespace encode = tlj::artgen::encode;

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const fs::path& file, const Bytes& bytes) {
  // A build stopped half-way must not leave a file that looks finished.
  const fs::path partial = file.string() + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + partial.string());
  }
  fs::rename(partial, file);
}

// Draws the entry into the files `base`.gif or .jpg (and .png), and answers the file's bytes.
Bytes DrawOne(const art::Entry& entry, const fs::path& base, bool png) {
  const draw::Canvas canvas = entry.draw();
  if (canvas.Width() != entry.width || canvas.Height() != entry.height)
    throw std::runtime_error("picture " + base.filename().string() + " came out " +
                             std::to_string(canvas.Width()) + "x" +
                             std::to_string(canvas.Height()));
  const auto rgba = canvas.Pixels();
  if (entry.format == art::Format::kJpeg) {
    Bytes bytes = encode::EncodeJpeg(rgba, entry.width, entry.height);
    WriteFile(base.string() + ".jpg", bytes);
    if (png) encode::WritePng(base.string() + ".png", rgba, entry.width, entry.height);
    return bytes;
  }
  const encode::IndexedImage image =
      encode::Quantize(rgba, entry.width, entry.height, entry.quantize);
  Bytes bytes = encode::EncodeGif(image);
  WriteFile(base.string() + ".gif", bytes);
  if (png)
    encode::WritePng(base.string() + ".png", encode::ToRgba(image), entry.width, entry.height);
  return bytes;
}

// What the animation shows after each frame, composed the way a player composes it.
void WriteFramePngs(const encode::GifAnimation& animation, const fs::path& dir) {
  std::vector<std::uint8_t> screen(static_cast<std::size_t>(animation.width) * animation.height * 4,
                                   0);
  for (std::size_t k = 0; k < animation.frames.size(); ++k) {
    const encode::GifFrame& frame = animation.frames[k];
    const auto pixels = encode::ToRgba(frame.image);
    for (int y = 0; y < frame.image.height; ++y)
      for (int x = 0; x < frame.image.width; ++x) {
        const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * frame.image.width + x) * 4];
        if (p[3] == 0) continue;
        std::uint8_t* s =
            &screen[(static_cast<std::size_t>(y + frame.top) * animation.width + x + frame.left) *
                    4];
        std::copy(p, p + 4, s);
      }
    encode::WritePng(dir / (std::to_string(art::kHotPotId) + "-" + std::to_string(k + 1) + ".png"),
                     screen, animation.width, animation.height);
  }
}

int Run(const fs::path& dir, bool png) {
  fs::create_directories(dir);
  std::vector<std::pair<int, Bytes>> pack;
  for (const art::Entry& entry : art::Catalogue())
    pack.emplace_back(entry.id, DrawOne(entry, dir / std::to_string(entry.id), png));
  for (const art::Entry& entry : art::DesignCatalogue())
    pack.emplace_back(tlj::resources::kDesignEntryBase + entry.id,
                      DrawOne(entry, dir / ("design-" + std::to_string(entry.id)), png));
  const encode::GifAnimation hot_pot = art::HotPot();
  Bytes animation = encode::EncodeGifAnimation(hot_pot);
  WriteFile(dir / (std::to_string(art::kHotPotId) + ".gif"), animation);
  if (png) WriteFramePngs(hot_pot, dir);
  pack.emplace_back(art::kHotPotId, std::move(animation));
  const std::size_t count = pack.size();
  WriteFile(dir / "resources.pack", tlj::resources::BuildPack(std::move(pack)));
  std::printf("tlj-artgen: %zu pictures in %s\n", count, dir.c_str());
  return 0;
}

int WriteIcons(const fs::path& dir) {
  for (const int size : art::kAppIconSizes) {
    const std::string side = std::to_string(size);
    const fs::path folder = dir / "hicolor" / (side + "x" + side) / "apps";
    fs::create_directories(folder);
    // Written whole under another name first, as the pictures are.
    const fs::path partial = folder / "tlj.png.part";
    encode::WritePng(partial, art::AppIcon(size).Pixels(), size, size);
    fs::rename(partial, folder / "tlj.png");
  }
  std::printf("tlj-artgen: the icon in %zu sizes in %s\n", std::size(art::kAppIconSizes),
              dir.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool png = false;
  bool icons = false;
  std::string dir;
  for (const std::string& arg : args) {
    if (arg == "--png") {
      png = true;
    } else if (arg == "--icons") {
      icons = true;
    } else if (dir.empty() && !arg.starts_with("-")) {
      dir = arg;
    } else {
      dir.clear();
      break;
    }
  }
  if (dir.empty() || (icons && png)) {
    std::fputs("usage: tlj-artgen OUTDIR [--png]\n       tlj-artgen --icons OUTDIR\n", stderr);
    return 2;
  }
  try {
    return icons ? WriteIcons(dir) : Run(dir, png);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tlj-artgen: %s\n", error.what());
    return 1;
  }
}
