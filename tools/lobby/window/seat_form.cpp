#include "tools/lobby/window/seat_form.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace tlj::lobby_tool {
namespace {

// What the fields start with: a seat at a server on this machine (tlj-server --port 23456).
constexpr const char* kAccount = "tester";
constexpr const char* kHost = "127.0.0.1";
constexpr int kPort = 23456;
constexpr const char* kLocation = "房间一";
constexpr int kProxyPort = 1080;

QLineEdit* TextField(QWidget* parent, const char* name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  return field;
}

// Fields 4 and 8 hold 16-bit integers.
QSpinBox* PortField(QWidget* parent, const char* name, int port) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(1, 32767);
  field->setValue(port);
  return field;
}

// A text field and a port beside it on one row.
QHBoxLayout* Pair(QWidget* text, QWidget* port) {
  auto* row = new QHBoxLayout;
  row->addWidget(text, 1);
  row->addWidget(port);
  return row;
}

std::string Text(const QLineEdit* field) {
  return field->text().toStdString();
}

}  // namespace

SeatForm::SeatForm(QWidget* parent)
    : QWidget(parent),
      account_(TextField(this, "account", kAccount)),
      password_(TextField(this, "password", "")),
      host_(TextField(this, "host", kHost)),
      port_(PortField(this, "port", kPort)),
      location_(TextField(this, "location", kLocation)),
      direct_(new QRadioButton("direct", this)),
      socks5_(new QRadioButton("SOCKS5 proxy", this)),
      proxy_host_(TextField(this, "proxyHost", "")),
      proxy_port_(PortField(this, "proxyPort", kProxyPort)),
      proxy_user_(TextField(this, "proxyUser", "")),
      proxy_password_(TextField(this, "proxyPassword", "")),
      table_title_(TextField(this, "tableTitle", model::kProgramTitle)) {
  password_->setEchoMode(QLineEdit::Password);
  proxy_password_->setEchoMode(QLineEdit::Password);
  direct_->setObjectName("direct");
  socks5_->setObjectName("socks5");
  direct_->setChecked(true);
  auto* connection = new QButtonGroup(this);
  connection->addButton(direct_);
  connection->addButton(socks5_);
  auto* modes = new QHBoxLayout;
  modes->addWidget(direct_);
  modes->addWidget(socks5_);
  modes->addStretch();

  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow("Account", account_);
  form->addRow("Password", password_);
  form->addRow("Server, port", Pair(host_, port_));
  form->addRow("Table", location_);
  form->addRow("Connection", modes);
  form->addRow("Proxy, port", Pair(proxy_host_, proxy_port_));
  form->addRow("Proxy user", proxy_user_);
  form->addRow("Proxy password", proxy_password_);
  form->addRow("Table window", table_title_);

  connect(socks5_, &QRadioButton::toggled, this, [this] { ShowConnection(); });
  ShowConnection();
}

SeatCommandLine SeatForm::Line(const std::string& lobby_title) const {
  SeatCommandLine line;
  line.account = Text(account_);
  line.password = Text(password_);
  line.host = Text(host_);
  line.port = port_->value();
  line.location = Text(location_);
  if (socks5_->isChecked()) {
    line.connection = Connection::kSocks5;
    line.proxy_host = Text(proxy_host_);
    line.proxy_port = proxy_port_->value();
    line.proxy_user = Text(proxy_user_);
    line.proxy_password = Text(proxy_password_);
  }
  line.lobby_title = lobby_title;
  line.table_title = TableTitle();
  return line;
}

std::string SeatForm::TableTitle() const {
  return Text(table_title_);
}

// The proxy's fields take input only while the client is to use the proxy.
void SeatForm::ShowConnection() {
  for (QWidget* field :
       std::initializer_list<QWidget*>{proxy_host_, proxy_port_, proxy_user_, proxy_password_}) {
    field->setEnabled(socks5_->isChecked());
  }
}

}  // namespace tlj::lobby_tool
