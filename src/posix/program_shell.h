#pragma once
// The shell around each program's own work (tlj, tlj-server, tlj-lobby), so that all of them
// treat their arguments, --help and failures alike.

#include <filesystem>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace tlj::posix {

// What a program's option parser makes of its arguments.
template <typename Options>
struct ParsedArguments {
  Options options;
  bool help = false;  // print the usage and do nothing else
  std::string error;  // set when the arguments cannot be used
};

// RunProgram once the arguments are parsed: the part that does not depend on the options.
int RunParsedProgram(const char* name, const std::string& error, bool help, const char* usage,
                     const std::function<int()>& run);

// Parses argv[1..] with `parse` and returns the exit code:
// - arguments that cannot be used: 2, after "NAME: ERROR" and "Try 'NAME --help'." on
//   standard error;
// - --help: 0, after `usage` on standard output;
// - otherwise what `run` returns; an exception out of it: 1, after "NAME: WHAT" on standard
//   error (and after what the program had written to standard output).
// `run` takes no part in deducing Options, so that a lambda will do.
template <typename Options>
int RunProgram(const char* name, int argc, char** argv,
               ParsedArguments<Options> (*parse)(const std::vector<std::string>& args),
               const char* usage,
               const std::type_identity_t<std::function<int(const Options&)>>& run) {
  const ParsedArguments<Options> parsed = parse(std::vector<std::string>(argv + 1, argv + argc));
  return RunParsedProgram(name, parsed.error, parsed.help, usage,
                          [&] { return run(parsed.options); });
}

// The folder of the running program (where the programs and libraries built with it are), or
// empty when the system does not say.
std::filesystem::path ProgramFolder();

}  // namespace tlj::posix
