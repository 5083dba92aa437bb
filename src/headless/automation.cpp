#include "headless/automation.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tlj::headless {
namespace {

using platform::EventKind;

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Splits off the first word; `rest` keeps what follows the single blank after it.
std::string_view NextWord(std::string_view& rest) {
  rest = rest.substr(std::min(rest.find_first_not_of(kBlanks), rest.size()));
  const auto end = std::min(rest.find_first_of(kBlanks), rest.size());
  const std::string_view word = rest.substr(0, end);
  rest = rest.substr(std::min(end + 1, rest.size()));
  return word;
}

std::vector<std::string_view> Words(std::string_view rest) {
  std::vector<std::string_view> words;
  while (!Trim(rest).empty()) words.push_back(NextWord(rest));
  return words;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) {
    return std::nullopt;
  }
  return value;
}

struct Target {
  std::string window;
  std::string name;
};

std::optional<Target> ParseName(std::string_view name) {
  const auto dot = name.find('.');
  if (dot == std::string_view::npos) {
    if (name.empty()) return std::nullopt;
    return Target{std::string(kTableWindow), std::string(name)};
  }
  const std::string_view window = name.substr(0, dot);
  const std::string_view element = name.substr(dot + 1);
  if (window.empty() || element.empty()) return std::nullopt;
  return Target{std::string(window), std::string(element)};
}

ParsedLine Refuse(std::string error) {
  return {std::nullopt, std::move(error)};
}

// Commands whose arguments are NAME, an optional INDEX, then `numbers` required numbers.
ParsedLine ParseInput(std::string_view verb, EventKind kind, std::string_view usage,
                      std::vector<std::string_view> words, std::size_t numbers) {
  if (words.size() < 1 + numbers || words.size() > 2 + numbers) {
    return Refuse(std::string(verb) + ": expected " + std::string(usage));
  }
  const auto target = ParseName(words[0]);
  if (!target)
    return Refuse(std::string(verb) + ": bad element name '" + std::string(words[0]) + "'");
  std::vector<int> values;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const auto value = Number(words[i]);
    if (!value)
      return Refuse(std::string(verb) + ": '" + std::string(words[i]) + "' is not a number");
    values.push_back(*value);
  }
  AutomationCommand command;
  command.event.window = target->window;
  command.event.name = target->name;
  command.event.kind = kind;
  if (values.size() > numbers) command.event.index = values.front();
  const std::vector<int> arguments(values.end() - static_cast<std::ptrdiff_t>(numbers),
                                   values.end());
  switch (kind) {
    case EventKind::Click:
    case EventKind::DblClick:
    case EventKind::Scroll:
      if (numbers == 1) command.event.line = arguments[0];
      break;
    case EventKind::KeyDown:
    case EventKind::KeyUp:
    case EventKind::KeyPress:
      command.event.key = arguments[0];
      break;
    case EventKind::MouseDown:
    case EventKind::MouseUp:
      command.event.button = arguments[0];
      command.event.x = arguments[1];
      command.event.y = arguments[2];
      break;
    default:
      break;
  }
  return {command, {}};
}

// A word after NAME [INDEX] chooses the event: `page NAME [INDEX] loaded|failed`.
ParsedLine ParseChoice(std::string_view verb, std::string_view usage,
                       std::vector<std::string_view> words,
                       std::initializer_list<std::pair<std::string_view, EventKind>> choices) {
  if (words.size() < 2 || words.size() > 3) {
    return Refuse(std::string(verb) + ": expected " + std::string(usage));
  }
  const std::string_view choice = words.back();
  words.pop_back();
  for (const auto& [word, kind] : choices) {
    if (choice == word) return ParseInput(verb, kind, usage, words, 0);
  }
  return Refuse(std::string(verb) + ": expected " + std::string(usage));
}

ParsedLine ParseWindow(std::vector<std::string_view> words) {
  constexpr std::string_view kUsage = "WINDOW minimize|restore|activate|close";
  constexpr std::pair<std::string_view, EventKind> kActions[] = {
      {"minimize", EventKind::Minimize},
      {"restore", EventKind::Restore},
      {"activate", EventKind::Activate},
      {"close", EventKind::CloseRequest},
  };
  if (words.size() != 2 || words[0].find('.') != std::string_view::npos) {
    return Refuse("window: expected " + std::string(kUsage));
  }
  for (const auto& [word, kind] : kActions) {
    if (words[1] != word) continue;
    AutomationCommand command;
    command.event.window = std::string(words[0]);
    command.event.kind = kind;
    return {command, {}};
  }
  return Refuse("window: expected " + std::string(kUsage));
}

}  // namespace

ParsedLine ParseAutomationLine(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  std::string_view rest = line;
  const std::string_view verb = NextWord(rest);
  if (verb.empty()) return {};

  if (verb == "click") return ParseInput(verb, EventKind::Click, "NAME [INDEX]", Words(rest), 0);
  if (verb == "move") return ParseInput(verb, EventKind::MouseMove, "NAME [INDEX]", Words(rest), 0);
  if (verb == "dblclick") {
    return ParseInput(verb, EventKind::DblClick, "NAME [INDEX] LINE", Words(rest), 1);
  }
  if (verb == "select")
    return ParseInput(verb, EventKind::Click, "NAME [INDEX] LINE", Words(rest), 1);
  if (verb == "scroll")
    return ParseInput(verb, EventKind::Scroll, "NAME [INDEX] LINE", Words(rest), 1);
  if (verb == "key")
    return ParseInput(verb, EventKind::KeyDown, "NAME [INDEX] KEYCODE", Words(rest), 1);
  if (verb == "keyup")
    return ParseInput(verb, EventKind::KeyUp, "NAME [INDEX] KEYCODE", Words(rest), 1);
  if (verb == "char")
    return ParseInput(verb, EventKind::KeyPress, "NAME [INDEX] CODE", Words(rest), 1);
  if (verb == "press") {
    return ParseInput(verb, EventKind::MouseDown, "NAME [INDEX] BUTTON X Y", Words(rest), 3);
  }
  if (verb == "release")
    return ParseInput(verb, EventKind::MouseUp, "NAME [INDEX] BUTTON X Y", Words(rest), 3);
  if (verb == "page") {
    return ParseChoice(
        verb, "NAME [INDEX] loaded|failed", Words(rest),
        {{"loaded", EventKind::PageLoaded}, {"failed", EventKind::NavigationFailed}});
  }
  if (verb == "window") return ParseWindow(Words(rest));
  if (verb == "focus") {
    ParsedLine parsed = ParseInput(verb, EventKind::GotFocus, "NAME [INDEX]", Words(rest), 0);
    if (parsed.command) parsed.command->kind = AutomationCommand::Kind::Focus;
    return parsed;
  }
  if (verb == "text") {
    const std::string_view name = NextWord(rest);
    if (name.empty()) return Refuse("text: expected NAME TEXT");
    const auto target = ParseName(name);
    if (!target) return Refuse("text: bad element name '" + std::string(name) + "'");
    AutomationCommand command;
    command.event.window = target->window;
    command.event.name = target->name;
    command.event.kind = EventKind::Change;
    command.event.text = std::string(rest);
    return {command, {}};
  }
  if (verb == "dump") {
    const std::string_view path = Trim(rest);
    if (path.empty()) return Refuse("dump: expected PATH");
    AutomationCommand command;
    command.kind = AutomationCommand::Kind::Dump;
    command.path = std::string(path);
    return {command, {}};
  }
  if (verb == "snapshot") {
    const std::string_view window = NextWord(rest);
    const std::string_view path = Trim(rest);
    if (window.empty() || path.empty()) return Refuse("snapshot: expected WINDOW PATH");
    AutomationCommand command;
    command.kind = AutomationCommand::Kind::Snapshot;
    command.event.window = std::string(window);
    command.path = std::string(path);
    return {command, {}};
  }
  return Refuse("unknown command '" + std::string(verb) + "'");
}

}  // namespace tlj::headless
