#include "headless/automation.h"

#include <gtest/gtest.h>

#include <string>

namespace tlj::headless {
namespace {

using platform::EventKind;

// One line per outcome, so that a table of cases reads as the commands do.
std::string Describe(const ParsedLine& parsed) {
  if (!parsed.error.empty()) return "error: " + parsed.error;
  if (!parsed.command) return "";
  const AutomationCommand& c = *parsed.command;
  if (c.kind == AutomationCommand::Kind::Dump) return "dump [" + c.path + "]";
  const platform::ElementEvent& e = c.event;
  static const char* const kKinds[] = {"click", "dblclick", "move", "key", "change"};
  std::string out = std::string(kKinds[static_cast<int>(e.kind)]) + " " + e.window + "." + e.name;
  if (e.index) out += "(" + std::to_string(*e.index) + ")";
  if (e.kind == EventKind::DblClick) out += " line " + std::to_string(e.line);
  if (e.kind == EventKind::KeyDown) out += " key " + std::to_string(e.key);
  if (e.kind == EventKind::Change) out += " [" + e.text + "]";
  return out;
}

TEST(AutomationLineTest, TurnsEachCommandIntoItsEvent) {
  const std::pair<const char*, const char*> cases[] = {
      {"click AnNiu 2", "click MainForm.AnNiu(2)"},
      {"click frmExit.pbCloseMe", "click frmExit.pbCloseMe"},
      {"  click\tAnNiu   0  ", "click MainForm.AnNiu(0)"},
      {"click AnNiu 2\r", "click MainForm.AnNiu(2)"},
      {"move Tou 1", "move MainForm.Tou(1)"},
      {"move imgBack", "move MainForm.imgBack"},
      {"dblclick lstUser 0 3", "dblclick MainForm.lstUser(0) line 3"},
      {"dblclick frmRank.List1 4", "dblclick frmRank.List1 line 4"},
      {"key Chat 13", "key MainForm.Chat key 13"},
      {"key Txt 2 13", "key MainForm.Txt(2) key 13"},
      {"text Chat 你好  world ", "change MainForm.Chat [你好  world ]"},
      {"text frmSet.Text1 1", "change frmSet.Text1 [1]"},
      {"text Chat", "change MainForm.Chat []"},
      {"dump /tmp/some dir/tree.json ", "dump [/tmp/some dir/tree.json]"},
      {"", ""},
      {"   ", ""},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(Describe(ParseAutomationLine(line)), expected);
}

TEST(AutomationLineTest, RefusesBadLinesWithAReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"fly AnNiu", "error: unknown command 'fly'"},
      {"Click AnNiu", "error: unknown command 'Click'"},
      {"click", "error: click: expected NAME [INDEX]"},
      {"click AnNiu 1 2", "error: click: expected NAME [INDEX]"},
      {"click AnNiu x", "error: click: 'x' is not a number"},
      {"click AnNiu -1", "error: click: '-1' is not a number"},
      {"click .pbCloseMe", "error: click: bad element name '.pbCloseMe'"},
      {"click frmExit.", "error: click: bad element name 'frmExit.'"},
      {"dblclick lstUser", "error: dblclick: expected NAME [INDEX] LINE"},
      {"key Chat", "error: key: expected NAME [INDEX] KEYCODE"},
      {"key Chat enter", "error: key: 'enter' is not a number"},
      {"text", "error: text: expected NAME TEXT"},
      {"dump", "error: dump: expected PATH"},
      {"dump   ", "error: dump: expected PATH"},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(Describe(ParseAutomationLine(line)), expected);
}

}  // namespace
}  // namespace tlj::headless
