#include "headless/options.h"

#include <charconv>
#include <string_view>

namespace tlj::headless {
namespace {

constexpr int kLargestScreen = 100000;

bool ParseSide(std::string_view text, int& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return !text.empty() && error == std::errc() && end == text.data() + text.size() && out > 0 &&
         out <= kLargestScreen;
}

bool ParseScreen(std::string_view text, Options& options) {
  const auto x = text.find('x');
  return x != std::string_view::npos && ParseSide(text.substr(0, x), options.screen_width) &&
         ParseSide(text.substr(x + 1), options.screen_height);
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  std::vector<std::string> rest;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended) {
      rest.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--headless") {
      parsed.options.headless = true;
    } else if (arg == "--folders") {
      parsed.options.show_folders = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else if (arg == "--screen" || arg.starts_with("--screen=")) {
      std::string value;
      if (arg != "--screen") {
        value = arg.substr(std::string_view("--screen=").size());
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        parsed.error = "--screen needs a size such as 1024x768";
        return parsed;
      }
      if (!ParseScreen(value, parsed.options)) {
        parsed.error = "--screen needs a size such as 1024x768, not '" + value + "'";
        return parsed;
      }
      parsed.options.screen_given = true;
    } else {
      // The lobby hands its line over alone, and an account name may begin with "-": what is
      // not ours is the lobby's, and start-up judges it.
      rest.push_back(arg);
    }
  }
  for (const std::string& part : rest) {
    if (!parsed.options.command_line.empty()) parsed.options.command_line += ' ';
    parsed.options.command_line += part;
  }
  return parsed;
}

const char* Usage() {
  return "usage: tlj [--headless] [--screen WIDTHxHEIGHT] [--] 'COMMAND LINE'\n"
         "       tlj --folders\n"
         "\n"
         "Runs the table client, in a window where a display is available (DISPLAY,\n"
         "WAYLAND_DISPLAY or QT_QPA_PLATFORM set) and the build has the desktop, else without\n"
         "one. COMMAND LINE is the lobby's thirteen '$'-terminated fields, given as one\n"
         "argument. Every argument that is not one of the options below, and every argument\n"
         "after '--', belongs to COMMAND LINE.\n"
         "\n"
         "  --headless       run without a window\n"
         "  --screen WxH     the screen size the table is laid out for (default 1280x1024)\n"
         "  --folders        print where the local files are kept and the sounds are\n"
         "                   found, then end\n"
         "  --help           print this help\n"
         "\n"
         "Automation commands, one per line on standard input:\n"
         "  click NAME [INDEX]          move NAME [INDEX]\n"
         "  dblclick NAME [INDEX] LINE  key NAME [INDEX] KEYCODE\n"
         "  text NAME TEXT              dump PATH\n"
         "  snapshot WINDOW PATH        (in a window only) the window as drawn, as PNG\n"
         "NAME is ELEMENT on the table window MainForm, or WINDOW.ELEMENT on another window.\n"
         "Without a window, message boxes are printed to standard error as\n"
         "'MessageBox: TITLE: TEXT'.\n"
         "\n"
         "Local files (settings, phrases, game records) are kept beside the program, or in\n"
         "TLJ_APP_DIR when it is set. An installed client keeps them in $XDG_DATA_HOME/tlj\n"
         "(default ~/.local/share/tlj) and copies the shipped phrase file there once.\n";
}

}  // namespace tlj::headless
