// The lobby's window: its buttons and the client's messages through the real lobby link, the
// client started from the form, and the window as a person sees it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "core/platform/lobby_link.h"
#include "posix/bound_window.h"
#include "tests/tools/lobby/window/lobby_view_fixture.h"
#include "tools/common/whole_file.h"
#include "tools/lobby/private_folders.h"

namespace tlj::lobby_tool::testing {
namespace {

using posix::WindowMessage;
using ::testing::ElementsAre;

// Only keeps a broken run from hanging: a client script ends in milliseconds.
constexpr int kClientDeadlineMs = 20'000;
const std::filesystem::path kShots = "/tmp/tlj-shots";

TEST_F(LobbyViewTest, EachRequestButtonPostsItsMessageToTheTableWindow) {
  Open();
  posix::BoundWindow table(Windows(), "铜炉局");
  struct Request {
    const char* button;
    int msg;
    const char* line;
  };
  for (const Request& r :
       {Request{"enter", 22, "lobby -> 22 0 0 to \"铜炉局\": enter a table again"},
        Request{"leave", 771, "lobby -> 771 0 0 to \"铜炉局\": leave the table"},
        Request{"leaveNow", 1024, "lobby -> 1024 0 0 to \"铜炉局\": leave now"},
        Request{"mayLeave", 1125, "lobby -> 1125 0 0 to \"铜炉局\": may the user leave?"}}) {
    Click(r.button);
    EXPECT_THAT(table.TakePending(), ElementsAre(WindowMessage{r.msg, 0, 0})) << r.button;
    EXPECT_EQ(LastLine(), r.line);
  }
}

TEST_F(LobbyViewTest, RequestsGoToTheTitleInTheFormAndSayWhenNoWindowHasIt) {
  Open();
  posix::BoundWindow table(Windows(), "二号桌");
  Click("leave");
  EXPECT_EQ(LastLine(), "lobby: no window titled \"铜炉局\" to post 771 to");
  Type("tableTitle", "二号桌");
  Click("leave");
  EXPECT_THAT(table.TakePending(), ElementsAre(WindowMessage{771, 0, 0}));
  EXPECT_EQ(LastLine(), "lobby -> 771 0 0 to \"二号桌\": leave the table");
}

TEST_F(LobbyViewTest, TheClientsMessagesAreListedWithTheTimeAndTheirMeaning) {
  Open();
  for (const int msg : {22, 771, 771, 1127, 1125}) {
    ASSERT_TRUE(Windows().Post("星湖山庄", {msg, 0, 0}));
  }
  view_->Pump();
  const std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 5, lines.end()),
              ElementsAre("lobby <- 22 0 0: client connecting", "lobby <- 771 0 0: login sent",
                          "lobby <- 771 0 0: client logged in", "lobby <- 1127 0 0: a hand starts",
                          "lobby <- 1125 0 0: client cannot leave: a hand is in progress"));
  const auto& list = Widget<QListWidget>("messages");
  const std::string shown = list.item(list.count() - 1)->text().toStdString();
  EXPECT_TRUE(
      std::regex_match(shown, std::regex(R"([0-2][0-9]:[0-5][0-9]:[0-5][0-9]  lobby <- 1125 .*)")))
      << shown;
}

// Under a title of its own, as --title gives it: the client finds it there.
TEST_F(LobbyViewTest, MinimisesAndRestoresWhenTheClientAsks) {
  Open({.title = "别的大厅"});
  EXPECT_EQ(view_->windowTitle().toStdString(), "别的大厅");
  ASSERT_TRUE(Windows().Post("别的大厅", {platform::kWmSysCommand, platform::kScMinimize, 0}));
  view_->Pump();
  EXPECT_TRUE(view_->isMinimized());
  EXPECT_EQ(LastLine(), "lobby <- 274 61472 0: client asks to minimize the lobby window");
  ASSERT_TRUE(Windows().Post("别的大厅", {platform::kWmSysCommand, platform::kScRestore, 0}));
  view_->Pump();
  EXPECT_FALSE(view_->isMinimized());
  EXPECT_TRUE(view_->isVisible());
  EXPECT_EQ(LastLine(), "lobby <- 274 61728 0: client asks to restore the lobby window");
}

// A stand-in for the client, named as the client is: it writes down the command line and the
// window folder it was given, and says one line on standard error.
class ClientScript {
 public:
  explicit ClientScript(const std::string& body) {
    std::ofstream(Program()) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(Program(), std::filesystem::perms::owner_all);
  }
  std::string Program() const { return (folders_.Program() / "tlj").string(); }
  std::filesystem::path Record() const { return folders_.Program() / "record"; }

 private:
  PrivateFolders folders_;
};

const char* const kRecordingClient =
    R"(printf '%s\n%s' "$1" "$TLJ_RUNTIME_DIR" > "$(dirname "$0")/record"
echo "tlj: seated" >&2)";

struct StartCase {
  const char* name;
  std::string lobby_title;
  bool socks5;
  std::vector<std::pair<const char*, std::string>> fields;
  const char* line;
  const char* masked;
  friend void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }
};

class LobbyStartTest : public LobbyViewTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(LobbyStartTest, StartsTheClientWithTheFormsLineAndShowsItMasked) {
  const StartCase& c = GetParam();
  const ClientScript client(kRecordingClient);
  Open({.title = c.lobby_title, .client_program = client.Program()});
  Type("account", "alice");
  Type("password", "pw-secret");
  Type("host", "10.0.0.2");
  Widget<QSpinBox>("port").setValue(23456);
  Type("location", "房间二");
  if (c.socks5) Click("socks5");
  for (const auto& [name, text] : c.fields) Type(name, text);
  EXPECT_EQ(Widget<QLineEdit>("password").displayText().toStdString().find("pw-secret"),
            std::string::npos);

  Click("start");
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return HasLine("client ended (exit code 0)"); }, kClientDeadlineMs))
      << ::testing::PrintToString(Lines());

  EXPECT_EQ(tools::ReadWholeFile(client.Record()),
            std::string(c.line) + "\n" + view_->WindowFolder().string());
  EXPECT_TRUE(HasLine(std::string("client started: tlj '") + c.masked + "'"));
  EXPECT_TRUE(HasLine("client: tlj: seated"));
  for (const std::string& line : Lines()) {
    EXPECT_EQ(line.find("secret"), std::string::npos) << "a password shows: " << line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LobbyStartTest,
    ::testing::Values(
        StartCase{"Direct",
                  "星湖山庄",
                  false,
                  {},
                  "alice$pw-secret$10.0.0.2$23456$房间二$0$$$$$0$$$",
                  "alice$***$10.0.0.2$23456$房间二$0$$$$$0$$$"},
        StartCase{
            "Socks5",
            "星湖山庄",
            true,
            {{"proxyHost", "proxy.lan"}, {"proxyUser", "bob"}, {"proxyPassword", "px-secret"}},
            "alice$pw-secret$10.0.0.2$23456$房间二$5$proxy.lan$1080$bob$px-secret$0$$$",
            "alice$***$10.0.0.2$23456$房间二$5$proxy.lan$1080$bob$***$0$$$"},
        StartCase{"TitlesOfTheirOwn",
                  "别的大厅",
                  false,
                  {{"tableTitle", "二号桌"}},
                  "alice$pw-secret$10.0.0.2$23456$房间二$0$$$$$1$别的大厅$二号桌$",
                  "alice$***$10.0.0.2$23456$房间二$0$$$$$1$别的大厅$二号桌$"}),
    [](const auto& test) { return std::string(test.param.name); });

struct RefusalCase {
  const char* name;
  bool socks5;
  std::vector<std::pair<const char*, std::string>> fields;
  const char* line;
  friend void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }
};

class LobbyRefusalTest : public LobbyViewTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LobbyRefusalTest, AFormThatMakesNoLineStartsNothing) {
  const ClientScript client(kRecordingClient);
  Open({.client_program = client.Program()});
  if (GetParam().socks5) Click("socks5");
  for (const auto& [name, text] : GetParam().fields) Type(name, text);
  Click("start");
  EXPECT_EQ(LastLine(), GetParam().line);
  EXPECT_FALSE(std::filesystem::exists(client.Record()));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LobbyRefusalTest,
    ::testing::Values(
        RefusalCase{
            "NoHost", false, {{"host", ""}}, "cannot start the client: the server host is empty"},
        RefusalCase{"DollarInThePassword",
                    false,
                    {{"password", "a$b"}},
                    "cannot start the client: the password contains '$'"},
        RefusalCase{
            "ProxyWithoutHost", true, {}, "cannot start the client: the proxy host is empty"},
        RefusalCase{"NoTableTitle",
                    false,
                    {{"tableTitle", ""}},
                    "cannot start the client: a window title is empty"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(LobbyViewTest, AClientThatStillRunsIsNotStartedTwice) {
  const ClientScript client("exec sleep 60");
  Open({.client_program = client.Program()});
  Click("start");
  Click("start");
  EXPECT_EQ(LastLine(), "the client still runs: close it before starting another");
}

TEST_F(LobbyViewTest, AClientProgramThatIsNotThereIsReported) {
  Open({.client_program = "/nonexistent/tlj"});
  Click("start");
  EXPECT_EQ(LastLine().rfind("the client did not start: cannot start /nonexistent/tlj", 0), 0u)
      << LastLine();
}

// Where a widget is on the window, in the window's pixels.
QRect OnWindow(const QWidget& widget, const QWidget& window) {
  return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

// How many pixels of `area` are much darker than the ground: text, on a light list.
int DarkPixels(const QImage& image, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) ++dark;
    }
  }
  return dark;
}

TEST_F(LobbyViewTest, Snapshot) {
  Open();
  posix::BoundWindow table(Windows(), "铜炉局");
  ASSERT_TRUE(Windows().Post("星湖山庄", {22, 0, 0}));
  ASSERT_TRUE(Windows().Post("星湖山庄", {771, 0, 0}));
  view_->Pump();
  Click("leave");
  Type("password", "pw-secret");

  const QImage shot = view_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::filesystem::create_directories(kShots);
  ASSERT_TRUE(shot.save(QString::fromStdString((kShots / "lobby-window.png").string())));
  ASSERT_EQ(shot.size(), view_->size());

  // The form and the request buttons side by side above the list, which spans the window.
  const QRect start = OnWindow(Widget<QPushButton>("start"), *view_);
  const QRect account = OnWindow(Widget<QLineEdit>("account"), *view_);
  const QRect list = OnWindow(Widget<QListWidget>("messages"), *view_);
  EXPECT_GT(list.width(), view_->width() * 9 / 10);
  EXPECT_GT(list.height(), view_->height() / 4);
  EXPECT_GT(list.top(), start.bottom());
  EXPECT_TRUE(QRect(QPoint(0, 0), view_->size()).contains(list));
  int previous_bottom = 0;
  for (const char* name : {"enter", "leave", "leaveNow", "mayLeave"}) {
    const QRect button = OnWindow(Widget<QPushButton>(name), *view_);
    EXPECT_GT(button.left(), account.right()) << name;
    EXPECT_GT(button.top(), previous_bottom) << name;  // one below the other, in order
    EXPECT_LT(button.bottom(), list.top()) << name;
    EXPECT_GT(DarkPixels(shot, button), 20) << name << ": no caption drawn";
    previous_bottom = button.bottom();
  }
  // The four lines of the list are drawn; below them the list is empty.
  const int row = Widget<QListWidget>("messages").sizeHintForRow(0);
  ASSERT_GT(row, 0);
  const QRect lines(list.left() + 4, list.top() + 2, list.width() - 24, 4 * row);
  const QRect below(list.left() + 4, lines.bottom() + row, list.width() - 24, row);
  EXPECT_GT(DarkPixels(shot, lines), 400);
  EXPECT_EQ(DarkPixels(shot, below), 0);
}

}  // namespace
}  // namespace tlj::lobby_tool::testing
