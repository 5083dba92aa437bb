#pragma once
// The front end's own command line: a few options and the lobby's command line.

#include <string>
#include <vector>

#include "posix/program_shell.h"

namespace tlj::headless {

struct Options {
  bool headless = false;  // no window even where one could be shown
  // Print the folders of the local files and the sounds, and end, instead of running.
  bool show_folders = false;
  // The screen the table is laid out for: given by --screen, else the desktop's own screen,
  // else (headless) this size.
  int screen_width = 1280;
  int screen_height = 1024;
  bool screen_given = false;
  std::string command_line;  // the lobby's fields, as one text
};

using ParsedOptions = posix::ParsedArguments<Options>;

// `args` without the program name. Arguments that are not our options (even when they begin
// with "-") form the lobby's command line, joined by blanks; "--" ends the options.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

const char* Usage();

}  // namespace tlj::headless
