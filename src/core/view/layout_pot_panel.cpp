#include <string_view>

#include "core/model/elements.h"
#include "core/view/layout_place.h"

namespace tlj::view::layout {
namespace {

struct PotRow {
  std::string_view icon;
  std::string_view label;
};

constexpr PotRow kRows[] = {
    {"imgLunShu", "lblLunShu"},
    {"imgChuShiGuoDi", "lblChuShiGuoDi"},
    {"imgYuLiuGuoDi", "lblYuLiuGuoDi"},
    {"imgcaichi", "lblCaiChi"},
    {"imgmax", "lblMax"},
    {"imgReGuoZhu", "lblReGuoZhu"},
    {"imgMinZhu", "lblMin"},
    {"imgyazhu", "lblYaZhu"},
};

// The gaps between stacked icons (5 and 10) are whole pixels in both layouts.
void StackIcons() {
  const auto& pot = model::El("imgcaichi");
  auto& reserved = model::El("imgYuLiuGuoDi");
  auto& initial = model::El("imgChuShiGuoDi");
  auto& max = model::El("imgmax");
  auto& hot = model::El("imgReGuoZhu");
  auto& min = model::El("imgMinZhu");
  auto& staked = model::El("imgyazhu");
  reserved.top = pot.top - 1.5 * reserved.height - 10;
  initial.top = reserved.top - initial.height - 5;
  max.top = pot.top + pot.height + 5;
  hot.top = max.top + pot.height + 5;
  min.top = hot.top + max.height + 5;
  staked.top = min.top + min.height + 5;
  model::El("imgLunShu").top = pot.top - Scaled(320);
}

}  // namespace

void LayoutPotPanel() {
  const double column = Scaled(8);
  for (const PotRow& row : kRows) {
    auto& icon = model::El(row.icon);
    icon.left = column;
    // The hot-pot icon keeps its design size in both layouts.
    const double scale = row.icon == "imgReGuoZhu" ? 1.0 : LayoutScale;
    icon.width = 105 * scale;
    icon.height = 30 * scale;
    icon.stretch = IsReducedLayout();
  }
  model::El("imgcaichi").top = Scaled(480);
  StackIcons();

  for (const PotRow& row : kRows) {
    const auto& icon = model::El(row.icon);
    auto& label = model::El(row.label);
    if (row.icon == "imgLunShu") {
      label.left = icon.left + Scaled(40);
      label.top = icon.top + 3;
    } else {
      label.left = icon.left + Scaled(105);
      label.top = icon.top + Scaled(4);
    }
  }
}

}  // namespace tlj::view::layout
