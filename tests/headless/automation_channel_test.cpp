#include "headless/automation_channel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "posix/poll_backend.h"
#include "sim/temp_dir.h"

namespace tlj::headless {
namespace {

using platform::ElementEvent;
using platform::EventKind;

class AutomationChannelTest : public ::testing::Test {
 protected:
  AutomationChannelTest() {
    for (const auto& [window, name, kind] : {std::tuple{"MainForm", "AnNiu", EventKind::Click},
                                             std::tuple{"frmExit", "pbCloseMe", EventKind::Click},
                                             std::tuple{"MainForm", "Chat", EventKind::Change}}) {
      tree.On(window, name, kind, [this](const ElementEvent& e) { fired.push_back(e); });
    }
    tree.AddWindow("MainForm", [](platform::ElementTree& ui, platform::Window& w) {
      for (int k = 0; k <= 8; ++k) ui.Add(w, "AnNiu", k, platform::ElementKind::Picture);
      ui.Add(w, "Tou", 0, platform::ElementKind::Picture);
      ui.Add(w, "Sysmsg", 0, platform::ElementKind::List);
      ui.Add(w, "Chat", {}, platform::ElementKind::TextBox);
    });
    tree.AddWindow("frmExit", [](platform::ElementTree& ui, platform::Window& w) {
      ui.Add(w, "pbCloseMe", {}, platform::ElementKind::Picture);
    });
  }
  ~AutomationChannelTest() override {
    channel.reset();
    ::close(read_end);
    if (write_end >= 0) ::close(write_end);
  }

  void Send(const std::string& text) {
    ASSERT_EQ(::write(write_end, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void EndInput() {
    ::close(write_end);
    write_end = -1;
  }
  bool RunUntil(const std::function<bool()>& done) {
    loop.ProcessEventsUntil(loop.Now() + 10'000, done);
    return done();
  }

  int read_end = -1;
  int write_end = -1;
  bool pipe_ok = [this] {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    read_end = fds[0];
    write_end = fds[1];
    return true;
  }();
  posix::PollBackend poll;
  platform::EventLoop loop{poll};
  platform::ElementTree tree;
  std::vector<ShownMessageBox> boxes;
  std::ostringstream diagnostics;
  std::unique_ptr<AutomationChannel> channel =
      std::make_unique<AutomationChannel>(loop, poll, tree, boxes, read_end, diagnostics);
  std::vector<ElementEvent> fired;
};

TEST_F(AutomationChannelTest, LinesSplitAcrossReadsArriveWholeAndInOrder) {
  Send("click AnNiu 2\ncli");
  ASSERT_TRUE(RunUntil([&] { return fired.size() == 1; }));
  Send("ck frmExit.pbCloseMe\nbogus line\ntext Chat 你好\n");
  ASSERT_TRUE(RunUntil([&] { return fired.size() == 3; }));

  EXPECT_EQ(fired[0].name, "AnNiu");
  EXPECT_EQ(fired[0].index, 2);
  EXPECT_EQ(fired[1].window, "frmExit");
  EXPECT_EQ(fired[2].text, "你好");
  EXPECT_EQ(tree.Find("MainForm", "Chat")->caption, "你好");  // set before the event fires
  EXPECT_EQ(diagnostics.str(), "automation: unknown command 'bogus'\n");
}

TEST_F(AutomationChannelTest, EndOfInputRunsALastUnfinishedLineAndStopsReading) {
  Send("click AnNiu 1");
  EndInput();
  ASSERT_TRUE(RunUntil([&] { return fired.size() == 1; }));
  EXPECT_EQ(fired[0].index, 1);
  EXPECT_EQ(poll.WatchedCount(), 0u);
}

TEST_F(AutomationChannelTest, AnEndlessLineIsDroppedWithoutTakingAllMemory) {
  Send("click AnNiu 3");
  const std::string chunk(32 * 1024, 'x');
  for (int k = 0; k < 40; ++k) {  // 1.25 MiB without a newline
    Send(chunk);
    loop.ProcessEventsUntil(loop.Now() + 20);
  }
  Send("\nclick AnNiu 4\n");
  ASSERT_TRUE(RunUntil([&] { return fired.size() == 1; }));
  EXPECT_EQ(fired[0].index, 4);  // the overlong line, start and end, never ran
  EXPECT_NE(diagnostics.str().find("line longer than"), std::string::npos);
}

// Every kind of input the channel reads reaches the handler of its element or window, with
// what the line says.
TEST_F(AutomationChannelTest, EachKindOfInputReachesItsHandler) {
  struct Case {
    const char* line;
    const char* name;
    EventKind kind;
    int key;
    int button;
  };
  const Case cases[] = {
      {"press Tou 0 1 12 34", "Tou", EventKind::MouseDown, 0, 1},
      {"release Tou 0 2 12 34", "Tou", EventKind::MouseUp, 0, 2},
      {"key Chat 112", "Chat", EventKind::KeyDown, 112, 0},
      {"keyup Chat 18", "Chat", EventKind::KeyUp, 18, 0},
      {"char Chat 13", "Chat", EventKind::KeyPress, 13, 0},
      {"select Sysmsg 0 1", "Sysmsg", EventKind::Click, 0, 0},
      {"page Tou 0 failed", "Tou", EventKind::NavigationFailed, 0, 0},
      {"page Tou 0 loaded", "Tou", EventKind::PageLoaded, 0, 0},
      {"window MainForm minimize", "", EventKind::Minimize, 0, 0},
      {"window MainForm restore", "", EventKind::Restore, 0, 0},
      {"window MainForm activate", "", EventKind::Activate, 0, 0},
      {"window MainForm close", "", EventKind::CloseRequest, 0, 0},
  };
  for (const Case& c : cases) {
    fired.clear();
    tree.On("MainForm", c.name, c.kind, [this](const ElementEvent& e) { fired.push_back(e); });
    channel->Execute(*ParseAutomationLine(c.line).command);
    ASSERT_EQ(fired.size(), 1u) << c.line;
    EXPECT_EQ(fired[0].key, c.key) << c.line;
    EXPECT_EQ(fired[0].button, c.button) << c.line;
  }
  EXPECT_EQ(fired[0].name, "");
  EXPECT_TRUE(tree.FindWin("MainForm")->minimized == false);
  EXPECT_EQ(tree.ActiveWindow(), "MainForm");
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(AutomationChannelTest, CharactersGoIntoTheTextBoxAndFocusMoves) {
  tree.El("MainForm", "Chat").maxLength = 2;
  for (const char* line : {"focus Chat", "char Chat 20320", "char Chat 22909", "char Chat 33"})
    channel->Execute(*ParseAutomationLine(line).command);
  EXPECT_EQ(tree.Find("MainForm", "Chat")->caption, "你好");
  ASSERT_TRUE(tree.Focus().has_value());
  EXPECT_EQ(tree.Focus()->name, "Chat");
  ASSERT_EQ(fired.size(), 2u);  // the Change events; the third character did not fit
  EXPECT_EQ(fired[1].text, "你好");
}

TEST_F(AutomationChannelTest, ReportsElementsThatDoNotExist) {
  // Tou(0) exists and handles nothing: clicking it is not a fault.
  for (const char* line :
       {"click Tou 0", "click Nope 3", "text frmX.Text1 a", "window frmX close", "focus Chat 1"})
    channel->Execute(*ParseAutomationLine(line).command);
  EXPECT_EQ(diagnostics.str(),
            "automation: no element MainForm.Nope(3)\nautomation: no element frmX.Text1\n"
            "automation: no window frmX\nautomation: no element MainForm.Chat(1)\n");
  EXPECT_EQ(tree.Find("frmX", "Text1"), nullptr);
}

TEST_F(AutomationChannelTest, DumpReplacesTheFileWhole) {
  sim::TempDir dir;
  const auto path = dir.path() / "tree.json";
  { std::ofstream(path) << "old"; }
  tree.El("MainForm", "Sysmsg", 0).lines = {"正在连接服务器..."};
  boxes.push_back({"警告", "本游戏需从游戏大厅中启动！"});

  channel->Execute(*ParseAutomationLine("dump " + path.string()).command);

  std::ifstream in(path);
  const auto dump = nlohmann::json::parse(in);
  EXPECT_EQ(dump["windows"][0]["elements"][10]["lines"][0], "正在连接服务器...");
  EXPECT_EQ(dump["messageBoxes"][0]["text"], "本游戏需从游戏大厅中启动！");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(AutomationChannelTest, ASnapshotWithoutWindowsIsRefusedAndOtherwiseReportsItsFailure) {
  channel->Execute(*ParseAutomationLine("snapshot MainForm /tmp/table.png").command);
  EXPECT_EQ(diagnostics.str(), "automation: snapshot needs the desktop\n");

  diagnostics.str("");
  std::vector<std::string> asked;
  channel.reset();
  channel = std::make_unique<AutomationChannel>(
      loop, poll, tree, boxes, read_end, diagnostics,
      [&asked](const std::string& window, const std::string& path) {
        asked.push_back(window + " " + path);
        return window == "MainForm" ? std::string() : "no window " + window;
      });
  for (const char* line : {"snapshot MainForm /tmp/a b.png", "snapshot frmX /tmp/x.png"})
    channel->Execute(*ParseAutomationLine(line).command);
  EXPECT_EQ(asked, (std::vector<std::string>{"MainForm /tmp/a b.png", "frmX /tmp/x.png"}));
  EXPECT_EQ(diagnostics.str(), "automation: snapshot: no window frmX\n");
}

TEST_F(AutomationChannelTest, DumpThatCannotBeWrittenIsReported) {
  channel->Execute(*ParseAutomationLine("dump /nonexistent-folder/tree.json").command);
  EXPECT_TRUE(diagnostics.str().starts_with("automation: dump: cannot write "))
      << diagnostics.str();
}

}  // namespace
}  // namespace tlj::headless
