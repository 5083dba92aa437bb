#include "core/actions/sound_settings.h"

#include <cstddef>
#include <string_view>

#include "core/model/elements.h"
#include "core/model/sound_settings_state.h"
#include "core/model/table_state.h"
#include "core/platform/services.h"
#include "core/view/design_pictures.h"
#include "core/view/image_tables.h"
#include "core/view/layout.h"
#include "core/view/sound.h"

namespace tlj::actions {
namespace {

using platform::ElementEvent;
using platform::EventKind;

constexpr std::string_view kWindow = "VosSet";
constexpr int kOkButton = 0;
constexpr int kCancelButton = 1;

using view::kDialogCancel;
using view::kDialogOk;
using view::kFirstGround;
using view::kSecondGround;
using view::kSwitchOff;
using view::kSwitchOn;

constexpr double kButtonWidth = 65;
constexpr double kButtonHeight = 30;
constexpr int kLoopVolume = 3000;

platform::Element& Part(std::string_view name, int index) {
  return model::ElOf(kWindow, name, index);
}

platform::Element& Switch(int row) {
  return Part("Command2", row);
}

void ShowPicture(platform::Element& button, std::size_t entry) {
  view::LoadGifResource(view::DialogButtonImageIds[entry], "GIF", button);
}

void SetButtonSize(platform::Element& button) {
  button.width = kButtonWidth;
  button.height = kButtonHeight;
}

void VosSet_Load() {
  auto& ok = Part("Command1", kOkButton);
  auto& cancel = Part("Command1", kCancelButton);
  SetButtonSize(ok);
  SetButtonSize(cancel);
  ShowPicture(ok, kDialogOk);
  ShowPicture(cancel, kDialogCancel);
  ok.top = 264;
  ok.left = 28;
  cancel.top = ok.top;
  cancel.left = ok.left + 1.4 * ok.width;

  model::SetSoundSettingsStartValues();
  for (int row = 0; row < model::kSoundSettingRows; ++row) {
    const auto& name = Part("Image1", row);
    auto& button = Switch(row);
    button.visible = true;
    SetButtonSize(button);
    button.top = name.top + 3;
    button.left = name.left + name.width + 20;
    // The pictures do not follow the switches: a row that is off shows "on" until clicked.
    if (row != model::kBackgroundRow) ShowPicture(button, kSwitchOn);
  }
  const bool first_ground = model::profile[0].voiceSet == "00";
  ShowPicture(Switch(model::kBackgroundRow), first_ground ? kFirstGround : kSecondGround);
}

void SwitchFlag(bool& on, int row) {
  on = !on;
  ShowPicture(Switch(row), on ? kSwitchOn : kSwitchOff);
}

// The loop plays whether or not the event sounds are on.
void SwitchMusic() {
  SwitchFlag(view::g_bMusic, model::kMusicRow);
  if (!view::g_bMusic) {
    view::StopSound();
    return;
  }
  view::PlaySoundFile(view::g_sSound[1], true);
  view::SetSoundVolume(kLoopVolume);
}

// The surface Pic1 holds every other element of the table, so with its new picture it stays
// behind them where it is.
void SwitchBackground() {
  view::g_bAltSkin = !view::g_bAltSkin;
  const auto& ground = model::El(view::g_bAltSkin ? "pic4" : "pic3");
  auto& surface = model::El("Pic1");
  surface.image = view::HeldPicture(ground);
  surface.picture = ground.picture;
  ShowPicture(Switch(model::kBackgroundRow), view::g_bAltSkin ? kSecondGround : kFirstGround);
}

void Command2_Click(int row) {
  model::VosSetChanged[static_cast<std::size_t>(row)] ^= true;
  switch (row) {
    case model::kMusicRow:
      SwitchMusic();
      break;
    case model::kCardClickRow:
      SwitchFlag(view::g_bCardClick, row);
      break;
    case model::kSoundRow:
      SwitchFlag(view::g_bSound, row);
      break;
    case model::kBackgroundRow:
      // The reduced layout has one background.
      if (!view::IsReducedLayout()) SwitchBackground();
      break;
    default:
      break;
  }
}

void Command1_Click(int index) {
  model::Win(kWindow).visible = false;
  if (index == kCancelButton) {
    for (int row = 0; row < model::kSoundSettingRows; ++row)
      if (model::VosSetChanged[static_cast<std::size_t>(row)]) Command2_Click(row);
  }
  model::SetSoundSettingsStartValues();
}

// Input reaches only a button that shows, in a window that shows.
bool Reachable(const ElementEvent& event) {
  auto& ui = *platform::Sys().ui;
  const platform::Window* window = ui.FindWin(event.window);
  const platform::Element* button = ui.Find(event.window, event.name, event.index);
  return event.index && window != nullptr && window->visible && button != nullptr &&
         button->visible && button->enabled;
}

void OnButton(std::string_view name, void (*click)(int)) {
  platform::Sys().ui->On(kWindow, name, EventKind::Click, [click](const ElementEvent& e) {
    if (Reachable(e)) click(*e.index);
  });
}

}  // namespace

void HookSoundSettingsEvents() {
  platform::Sys().ui->On(kWindow, "", EventKind::Load, [](const ElementEvent&) { VosSet_Load(); });
  OnButton("Command2", Command2_Click);
  OnButton("Command1", Command1_Click);
}

}  // namespace tlj::actions
