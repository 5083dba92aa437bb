#pragma once
// The lobby window's log: one line per event, newest last, each with the time of day it
// happened, so a tester can match it with the client's own diagnostics.

#include <string>
#include <vector>

#include <QListWidget>

namespace tlj::lobby_tool {

class MessageList : public QListWidget {
 public:
  explicit MessageList(QWidget* parent = nullptr);

  // Adds `text` after the time and keeps the newest line in sight.
  void Add(const std::string& text);
  // The lines without their times, oldest first.
  std::vector<std::string> Texts() const;
};

}  // namespace tlj::lobby_tool
