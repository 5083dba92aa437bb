#include "core/view/anigif/table_controls.h"

#include <memory>
#include <stdexcept>

#include "core/platform/services.h"

namespace tlj::view::anigif {
namespace {

std::unique_ptr<Control> ucBuGuo;

}  // namespace

void CreateTableControls() {
  auto& sys = platform::Sys();
  ucBuGuo.reset();
  ucBuGuo = std::make_unique<Control>(*sys.loop, sys.ui->El("MainForm", "ucBuGuo"), sys.downloader);
}

void DestroyTableControls() {
  ucBuGuo.reset();
}

Control* FindTablePotControl() {
  return ucBuGuo.get();
}

Control& TablePotControl() {
  if (!ucBuGuo) throw std::logic_error("the table's controls are not created");
  return *ucBuGuo;
}

}  // namespace tlj::view::anigif
