#include "desktop/qt_message_boxes.h"

#include <algorithm>

#include <QMessageBox>

namespace tlj::desktop {

struct QtMessageBoxes::Box {
  QMessageBox dialog;
  bool answered = false;
};

QtMessageBoxes::QtMessageBoxes() = default;

QtMessageBoxes::~QtMessageBoxes() = default;

void QtMessageBoxes::Show(const std::string& title, const std::string& text) {
  // Boxes answered earlier go now, outside the call in which Qt reported the answer.
  std::erase_if(boxes_, [](const auto& box) { return box->answered; });
  shown_.push_back({title, text});
  auto box = std::make_unique<Box>();
  QMessageBox& dialog = box->dialog;
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setText(QString::fromStdString(text));
  dialog.setStandardButtons(QMessageBox::Ok);
  dialog.setWindowModality(Qt::ApplicationModal);
  QObject::connect(&dialog, &QDialog::finished, &dialog,
                   [answered = &box->answered] { *answered = true; });
  dialog.show();
  boxes_.push_back(std::move(box));
}

// A box opened while another waits (by a timer running under the first) holds up both callers
// until both are answered, so that no caller goes on while its own box is open.
bool QtMessageBoxes::Waiting() const {
  return std::any_of(boxes_.begin(), boxes_.end(), [](const auto& box) { return !box->answered; });
}

QMessageBox* QtMessageBoxes::Open() const {
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) {
    if (!(*it)->answered) return &(*it)->dialog;
  }
  return nullptr;
}

}  // namespace tlj::desktop
