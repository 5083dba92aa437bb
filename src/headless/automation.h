#pragma once
// The automation language read on standard input: one command per line, each turned into an
// input event on a named element or window, a move of the input focus, or a dump of the tree.
//
//   click NAME [INDEX]                  move NAME [INDEX]
//   dblclick NAME [INDEX] LINE          select NAME [INDEX] LINE
//   press NAME [INDEX] BUTTON X Y       release NAME [INDEX] BUTTON X Y
//   key NAME [INDEX] KEYCODE            keyup NAME [INDEX] KEYCODE
//   char NAME [INDEX] CODE              text NAME TEXT
//   focus NAME [INDEX]                  page NAME [INDEX] loaded|failed
//   window WINDOW minimize|restore|activate|close
//   dump PATH                           snapshot WINDOW PATH
//
// NAME is ELEMENT on the table window MainForm, or WINDOW.ELEMENT on another window.

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/element_tree.h"

namespace tlj::headless {

inline constexpr std::string_view kTableWindow = "MainForm";

struct AutomationCommand {
  enum class Kind { Input, Focus, Dump, Snapshot };
  Kind kind = Kind::Input;
  // Input; a Change event also sets the element's caption. Focus: the element to focus.
  // Snapshot: the window.
  platform::ElementEvent event;
  std::string path;  // Dump, Snapshot
};

struct ParsedLine {
  std::optional<AutomationCommand> command;
  std::string error;  // why the line was refused; both empty for a blank line
};

ParsedLine ParseAutomationLine(std::string_view line);

}  // namespace tlj::headless
