#include "core/view/small_windows.h"

#include <cmath>
#include <string>

#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/net/link_state.h"
#include "core/view/layout.h"
#include "core/view/table_windows.h"

namespace tlj::view {
namespace {

// Amounts show as whole numbers without separators.
std::string Whole(double value) {
  return std::to_string(static_cast<long long>(std::llround(value)));
}

// `to` shows the same game rows as `from`.
void Follow(const platform::Element& from, platform::Element& to) {
  to.selected = from.selected < static_cast<int>(to.lines.size()) ? from.selected : -1;
  to.topLine = from.topLine;
}

void FollowList(const platform::Element& from) {
  auto& num = model::ElOf("Hero", "Num");
  if (&num != &from) Follow(from, num);
  for (int i = 0; i <= 3; ++i) {
    auto& grade = model::ElOf("Hero", "Grade", i);
    if (&grade != &from) Follow(from, grade);
  }
}

}  // namespace

void Score_Load() {
  CentreOverMainForm("Score");
}

void Hero_Load() {
  CentreOverMainForm("Hero");
  model::Win("Hero").minimized = false;
  for (int i = 0; i <= 3; ++i) {
    auto& grade = model::ElOf("Hero", "Grade", i);
    if (!grade.lines.empty()) grade.topLine = static_cast<int>(grade.lines.size()) - 1;
  }
}

void Information_Load() {
  for (int k = 0; k <= 8; ++k) {
    auto& value = model::ElOf("Information", "Inf", k);
    value.autoSize = true;
    value.fontSize = 12;
    value.transparent = true;
  }
}

void ChuPai_Load() {
  auto& hint = model::Win("ChuPai");
  hint.visible = true;
  hint.topmost = true;
  CentreOverMainForm("ChuPai");
  model::BringToFront(model::ElOf("ChuPai", "Label2"), "ChuPai");
  model::BringToFront(model::ElOf("ChuPai", "Label1"), "ChuPai");
}

void Num_Click() {
  FollowList(model::ElOf("Hero", "Num"));
}

void Grade_Click(int k) {
  FollowList(model::ElOf("Hero", "Grade", k));
}

void ShowPlayerInfo(int pos) {
  const auto& table = model::Win();
  const auto& surface = model::El("Pic1");
  auto& info = model::Win("Information");
  if (pos == 0) {
    info.left = surface.left + table.left;
    info.top = LayoutScale < 1 ? 0.3 * table.height : surface.top + table.top + 0.42 * table.height;
  } else {
    const long long span = std::llround((pos - 1) * table.width);
    info.left = surface.left + table.left + static_cast<double>(span / 3);
    info.top = surface.top + table.top + 0.11 * table.height;
  }
  const model::PlayerProfile& p = model::profile[static_cast<std::size_t>(pos)];
  const std::string values[] = {p.nick,
                                p.sex != 0 ? "男" : "女",
                                p.area,
                                Whole(p.points),
                                Whole(p.credit),
                                std::to_string(p.logins),
                                std::to_string(p.drops),
                                std::to_string(p.wins),
                                std::to_string(p.losses)};
  for (int k = 0; k <= 8; ++k) model::ElOf("Information", "Inf", k).caption = values[k];
  info.visible = true;
}

void ShowDetails() {
  model::Win("frmMingXi").visible = true;
  if (!net::HandInProgress) return;
  for (int i = 0; i <= 3; ++i) {
    auto& name = model::ElOf("frmMingXi", "labName", i);
    auto& coins = model::ElOf("frmMingXi", "labCoin", i);
    name.caption = model::profile[static_cast<std::size_t>(i)].nick;
    coins.caption = Whole(model::g_dNetWin[static_cast<std::size_t>(i)]);
    name.visible = coins.visible = true;
    model::BringToFront(name, "frmMingXi");
    model::BringToFront(coins, "frmMingXi");
  }
}

}  // namespace tlj::view
