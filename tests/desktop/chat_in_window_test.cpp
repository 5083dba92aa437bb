// Chat in the real window: Chinese typed through an input method into the chat line, and a
// phrase's speech bubble drawn over the table, shaped by its picture and faded.

#include <gtest/gtest.h>

#include <fstream>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPainter>

#include "core/model/table_state.h"
#include "core/net/frame_fields.h"
#include "core/text/ansi.h"
#include "tests/desktop/table_window_fixture.h"

namespace tlj::desktop::testing {
namespace {

class ChatInWindowTest : public TableWindowFixture {
 protected:
  QLineEdit* ChatLine() { return renderer->View("MainForm")->findChild<QLineEdit*>(); }

  void WritePhrases() {
    const auto gbk =
        text::Utf8ToAnsi("[chat1]\r\nnum=2\r\n1=大家好，很高兴见到各位！\r\n2=快点吧\r\n");
    std::ofstream(h.app_dir.path() / "chat.txt", std::ios::binary) << gbk.value();
  }

  // The table as a person sees it with the bubble window of `bubble` above it: the bubble's
  // pixels inside its shape, at its opacity, where it stands over the table window.
  QImage TableWithBubble(const std::string& bubble) {
    QImage seen = Table();
    const platform::Window& table = *h.tree.FindWin("MainForm");
    const platform::Window& over = *h.tree.FindWin(bubble);
    const QPoint at(static_cast<int>(over.left - table.left),
                    static_cast<int>(over.top - table.top));
    QWidget* view = renderer->View(bubble);
    QPainter painter(&seen);
    painter.setOpacity(view->windowOpacity());
    painter.setClipRegion(view->mask().translated(at));
    painter.drawImage(at, Grab(bubble));
    return seen;
  }
};

TEST_F(ChatInWindowTest, AnInputMethodTypesChineseIntoTheChatLineAndEnterSendsIt) {
  h.tree.SetFocus({"MainForm", "Chat", {}});
  renderer->Sync();
  QLineEdit* line = ChatLine();
  ASSERT_NE(line, nullptr);
  ASSERT_EQ(renderer->View("MainForm")->focusWidget(), line);

  // Composing shows in place and reaches nothing; the committed text is typed.
  QInputMethodEvent composing(QString::fromUtf8("da'jia"), {});
  QApplication::sendEvent(line, &composing);
  h.RunFor(50);
  EXPECT_EQ(h.El("Chat").caption, "");
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("大家好"));
  QApplication::sendEvent(line, &commit);
  QInputMethodEvent commit_more;
  commit_more.setCommitString(QString::fromUtf8("，一起发财！"));
  QApplication::sendEvent(line, &commit_more);
  h.RunFor(50);
  EXPECT_EQ(h.El("Chat").caption, "大家好，一起发财！");
  renderer->Sync();
  EXPECT_EQ(line->text(), QString::fromUtf8("大家好，一起发财！"));

  QTest::keyClick(line, Qt::Key_Return);
  h.RunFor(200);
  const auto sent = Sent(net::kTypeChat);
  ASSERT_EQ(sent.size(), 1u);
  std::string bytes;
  for (std::size_t at = net::chat::kTextAt; sent[0][at] != 0; ++at)
    bytes += static_cast<char>(sent[0][at]);
  EXPECT_EQ(text::AnsiToUtf8(bytes), model::profile[0].nick + "说道： 大家好，一起发财！");
  renderer->Sync();
  EXPECT_EQ(line->text(), QString());
}

TEST_F(ChatInWindowTest, APhrasesBubbleShowsOverTheTableInItsShape) {
  WritePhrases();
  // The player across the table (screen position 2) says quick phrase 1.
  Send(::tlj::testing::ChatFrame({.seat = 4, .text = "x说道： 大家好", .list = 1, .line = 1}), 200);
  h.RunFor(600);  // past the fade-in
  renderer->Sync();
  const platform::Window& bubble = *h.tree.FindWin("speak2");
  ASSERT_TRUE(bubble.visible);
  ASSERT_EQ(bubble.opacity, 208);
  ASSERT_FALSE(bubble.shape.empty()) << "the bubble has no picture to take its shape from";

  QWidget* view = renderer->View("speak2");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  // It shows without taking the keys from the chat line.
  EXPECT_TRUE(view->testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(view->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(view->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_NEAR(view->windowOpacity(), 208 / 255.0, 0.01);
  const QRegion mask = view->mask();
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));  // the key colour's corner is cut away
  const platform::Element& phrase = *h.tree.Find("speak2", "labPhrase");
  const QRect label(static_cast<int>(phrase.left), static_cast<int>(phrase.top),
                    static_cast<int>(phrase.width), static_cast<int>(phrase.height));
  EXPECT_TRUE(mask.contains(label)) << "the phrase stands inside the bubble";

  const QImage drawn = Grab("speak2");
  int ink = 0;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x) ink += qGray(drawn.pixel(x, y)) < 100;
  EXPECT_GT(ink, 60) << "the phrase is written in the bubble";

  const QImage table = Table();
  const QImage seen = TableWithBubble("speak2");
  std::filesystem::create_directories(kShots);
  seen.save(QString::fromStdString((kShots / "chat-bubble-over-table.png").string()));
  const QPoint at(static_cast<int>(bubble.left - h.tree.FindWin("MainForm")->left),
                  static_cast<int>(bubble.top - h.tree.FindWin("MainForm")->top));
  // Outside its shape the table shows untouched; inside, the bubble over it at 208/255.
  EXPECT_EQ(seen.pixel(at), table.pixel(at));
  const QPoint body = label.bottomRight() + QPoint(-2, -1);
  const QColor front(drawn.pixel(body)), back(table.pixel(at + body)), got(seen.pixel(at + body));
  const double alpha = 208 / 255.0;
  EXPECT_NEAR(got.red(), alpha * front.red() + (1 - alpha) * back.red(), 3);
  EXPECT_NEAR(got.green(), alpha * front.green() + (1 - alpha) * back.green(), 3);
  EXPECT_NEAR(got.blue(), alpha * front.blue() + (1 - alpha) * back.blue(), 3);
}

}  // namespace
}  // namespace tlj::desktop::testing
