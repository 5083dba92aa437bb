#pragma once
// The form a tester fills in to seat the client: the account, the server, the table, how the
// client connects and the title its table window takes. It reads as a seat's command line.

#include <string>

#include <QWidget>

#include "tools/lobby/seat_command_line.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tlj::lobby_tool {

class SeatForm : public QWidget {
 public:
  explicit SeatForm(QWidget* parent = nullptr);

  // The command line for what the form says now, for a lobby window titled `lobby_title`.
  SeatCommandLine Line(const std::string& lobby_title) const;
  // The title the lobby's messages go to.
  std::string TableTitle() const;

 private:
  void ShowConnection();

  QLineEdit* account_;
  QLineEdit* password_;
  QLineEdit* host_;
  QSpinBox* port_;
  QLineEdit* location_;
  QRadioButton* direct_;
  QRadioButton* socks5_;
  QLineEdit* proxy_host_;
  QSpinBox* proxy_port_;
  QLineEdit* proxy_user_;
  QLineEdit* proxy_password_;
  QLineEdit* table_title_;
};

}  // namespace tlj::lobby_tool
