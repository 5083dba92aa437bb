#include "headless/automation_channel.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

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
    tree.El("MainForm", "Chat");
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

TEST_F(AutomationChannelTest, ReportsElementsThatDoNotExist) {
  tree.El("MainForm", "Tou", 0);  // exists, handles nothing: clicking it is not a fault
  channel->Execute(*ParseAutomationLine("click Tou 0").command);
  channel->Execute(*ParseAutomationLine("click Nope 3").command);
  channel->Execute(*ParseAutomationLine("text frmX.Text1 a").command);
  EXPECT_EQ(diagnostics.str(),
            "automation: no element MainForm.Nope(3)\nautomation: no element frmX.Text1\n");
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
  EXPECT_EQ(dump["windows"][0]["elements"][1]["lines"][0], "正在连接服务器...");
  EXPECT_EQ(dump["messageBoxes"][0]["text"], "本游戏需从游戏大厅中启动！");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(AutomationChannelTest, DumpThatCannotBeWrittenIsReported) {
  channel->Execute(*ParseAutomationLine("dump /nonexistent-folder/tree.json").command);
  EXPECT_TRUE(diagnostics.str().starts_with("automation: dump: cannot write "))
      << diagnostics.str();
}

}  // namespace
}  // namespace tlj::headless
