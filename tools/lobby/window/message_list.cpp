#include "tools/lobby/window/message_list.h"

#include <QFontDatabase>
#include <QTime>

namespace tlj::lobby_tool {
namespace {

// "12:34:56  ": what Texts() leaves off.
constexpr int kTimeWidth = 10;

}  // namespace

MessageList::MessageList(QWidget* parent) : QListWidget(parent) {
  setObjectName("messages");
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setUniformItemSizes(true);
}

void MessageList::Add(const std::string& text) {
  const QString time = QTime::currentTime().toString("HH:mm:ss");
  addItem(time + "  " + QString::fromStdString(text));
  scrollToBottom();
}

std::vector<std::string> MessageList::Texts() const {
  std::vector<std::string> texts;
  for (int row = 0; row < count(); ++row)
    texts.push_back(item(row)->text().mid(kTimeWidth).toStdString());
  return texts;
}

}  // namespace tlj::lobby_tool
