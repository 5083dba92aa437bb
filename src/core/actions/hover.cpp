#include "core/actions/hover.h"

#include "core/actions/betting.h"
#include "core/model/button_indexes.h"
#include "core/model/elements.h"
#include "core/model/table_state.h"
#include "core/model/turn_state.h"
#include "core/platform/services.h"
#include "core/view/image_tables.h"
#include "core/view/ready_button.h"

namespace tlj::actions {
namespace {

bool OfferingStart() {
  return model::juNum < 1 && model::g_bFirstStart;
}

int ButtonNormalId(int k, bool start_rule) {
  if (k != model::kReadyButton) return view::ButtonImageIds[static_cast<std::size_t>(2 * k)];
  const bool start = start_rule && OfferingStart();
  return view::ButtonImageIds[start ? view::kStartEntry : view::kContinueEntry];
}

// Buttons that the table does not have are left alone rather than created.
void Load(int id, std::string_view name, int index) {
  if (auto* button = platform::Sys().ui->Find(model::kMainForm, name, index))
    view::LoadGifResource(id, "GIF", *button);
}

// `start_rule`: the ready button may go back to "start"; the bottom bar always shows
// "continue".
void RestoreButtons(bool start_rule) {
  for (int k = 0; k < static_cast<int>(model::g_bBtnHover.size()); ++k) {
    if (!model::g_bBtnHover[k]) continue;
    model::g_bBtnHover[k] = false;
    Load(ButtonNormalId(k, start_rule), "AnNiu", k);
  }
  for (int k = 0; k < static_cast<int>(model::g_bOpHover.size()); ++k)
    if (model::g_bOpHover[k]) ShowOperationNormal(k);
}

void RestoreKeypad() {
  for (int i = 0; i < static_cast<int>(model::g_bNumHover.size()); ++i) {
    if (!model::g_bNumHover[i]) continue;
    model::g_bNumHover[i] = false;
    Load(view::NumImageIds[static_cast<std::size_t>(i)], "ImgNum", i);
  }
}

void ClosePopUps() {
  model::Win("Information").visible = false;
  model::Win("frmMingXi").visible = false;
}

}  // namespace

int ReadyButtonNormalId() {
  return ButtonNormalId(model::kReadyButton, true);
}

int ReadyButtonHoverId() {
  return view::ButtonImageIds[OfferingStart() ? view::kStartEntry + 1 : view::kContinueEntry + 1];
}

void ImgNum_MouseMove(int index) {
  if (index < 0 || index >= static_cast<int>(model::g_bNumHover.size()) ||
      model::g_bNumHover[index])
    return;
  model::g_bNumHover[index] = true;
  Load(view::NumImageIds[static_cast<std::size_t>(index + 15)], "ImgNum", index);
}

void Operation_MouseMove(int index) {
  if (index < 0 || index >= static_cast<int>(model::g_bOpHover.size()) || model::g_bOpHover[index])
    return;
  model::g_bOpHover[index] = true;
  Load(view::OperationImageIds[static_cast<std::size_t>(2 * index + 1)], "Operation", index);
}

void AnNiu_MouseMove(int k) {
  if (k < 0 || k >= static_cast<int>(model::g_bBtnHover.size()) || model::g_bBtnHover[k]) return;
  model::g_bBtnHover[k] = true;
  const int id = k == model::kReadyButton
                     ? ReadyButtonHoverId()
                     : view::ButtonImageIds[static_cast<std::size_t>(2 * k + 1)];
  Load(id, "AnNiu", k);
}

void ShowOperationNormal(int k) {
  model::g_bOpHover[k] = false;
  Load(view::OperationImageIds[static_cast<std::size_t>(2 * k)], "Operation", k);
}

void Pic1_MouseMove() {
  RestoreButtons(true);
  RestoreKeypad();
  ClosePopUps();
}

void imgDilan_MouseMove() {
  RestoreButtons(false);
  ClosePopUps();
}

void imgDinglan_MouseMove() {
  ClosePopUps();
}

}  // namespace tlj::actions
