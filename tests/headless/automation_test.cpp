#include "headless/automation.h"

#include <gtest/gtest.h>

#include <map>
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
  if (c.kind == AutomationCommand::Kind::Snapshot) {
    return "snapshot " + c.event.window + " [" + c.path + "]";
  }
  const platform::ElementEvent& e = c.event;
  static const std::map<EventKind, const char*> kKinds = {
      {EventKind::Click, "click"},       {EventKind::DblClick, "dblclick"},
      {EventKind::MouseMove, "move"},    {EventKind::MouseDown, "press"},
      {EventKind::MouseUp, "release"},   {EventKind::KeyDown, "key"},
      {EventKind::KeyUp, "keyup"},       {EventKind::KeyPress, "char"},
      {EventKind::Change, "change"},     {EventKind::Scroll, "scroll"},
      {EventKind::PageLoaded, "loaded"}, {EventKind::NavigationFailed, "failed"},
      {EventKind::Minimize, "minimize"}, {EventKind::Restore, "restore"},
      {EventKind::Activate, "activate"}, {EventKind::CloseRequest, "close"},
  };
  std::string out = c.kind == AutomationCommand::Kind::Focus ? "focus" : kKinds.at(e.kind);
  out += " " + e.window + "." + e.name;
  if (e.index) out += "(" + std::to_string(*e.index) + ")";
  if (e.line >= 0) out += " line " + std::to_string(e.line);
  if (e.key != 0) out += " key " + std::to_string(e.key);
  if (e.button != 0) {
    out += " button " + std::to_string(e.button) + " at " + std::to_string(int(e.x)) + "," +
           std::to_string(int(e.y));
  }
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
      {"select Hero.Grade 2 3", "click Hero.Grade(2) line 3"},
      {"select Hero.Num 0", "click Hero.Num line 0"},
      {"scroll Hero.Grade 1 12", "scroll Hero.Grade(1) line 12"},
      {"press Pic1 1 120 45", "press MainForm.Pic1 button 1 at 120,45"},
      {"release ImgClose 0 1 3 4", "release MainForm.ImgClose(0) button 1 at 3,4"},
      {"keyup Pic1 18", "keyup MainForm.Pic1 key 18"},
      {"char Chat 13", "char MainForm.Chat key 13"},
      {"char Chat 20320", "char MainForm.Chat key 20320"},
      {"focus Chat", "focus MainForm.Chat"},
      {"focus Talk.Text1", "focus Talk.Text1"},
      {"page WebBrowser1 failed", "failed MainForm.WebBrowser1"},
      {"page WebBrowser2 loaded", "loaded MainForm.WebBrowser2"},
      {"window MainForm minimize", "minimize MainForm."},
      {"window MainForm restore", "restore MainForm."},
      {"window Score activate", "activate Score."},
      {"window MainForm close", "close MainForm."},
      {"dump /tmp/some dir/tree.json ", "dump [/tmp/some dir/tree.json]"},
      {"snapshot MainForm /tmp/some dir/table.png", "snapshot MainForm [/tmp/some dir/table.png]"},
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
      {"press Pic1 1 2", "error: press: expected NAME [INDEX] BUTTON X Y"},
      {"select Hero.Num", "error: select: expected NAME [INDEX] LINE"},
      {"scroll Hero.Num", "error: scroll: expected NAME [INDEX] LINE"},
      {"page WebBrowser1 gone", "error: page: expected NAME [INDEX] loaded|failed"},
      {"window MainForm", "error: window: expected WINDOW minimize|restore|activate|close"},
      {"window MainForm shrink", "error: window: expected WINDOW minimize|restore|activate|close"},
      {"window MainForm.Pic1 close",
       "error: window: expected WINDOW minimize|restore|activate|close"},
      {"dblclick lstUser", "error: dblclick: expected NAME [INDEX] LINE"},
      {"key Chat", "error: key: expected NAME [INDEX] KEYCODE"},
      {"key Chat enter", "error: key: 'enter' is not a number"},
      {"text", "error: text: expected NAME TEXT"},
      {"dump", "error: dump: expected PATH"},
      {"dump   ", "error: dump: expected PATH"},
      {"snapshot", "error: snapshot: expected WINDOW PATH"},
      {"snapshot MainForm  ", "error: snapshot: expected WINDOW PATH"},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(Describe(ParseAutomationLine(line)), expected);
}

}  // namespace
}  // namespace tlj::headless
