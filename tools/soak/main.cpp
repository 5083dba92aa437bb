#include <iostream>
#include <string>

#include "posix/program_shell.h"
#include "tools/soak/soak.h"
#include "tools/soak/soak_options.h"

namespace tlj::soak {
namespace {

// The build puts the client, the server and the soak in one folder.
std::string Beside(const std::string& name) {
  const auto folder = posix::ProgramFolder();
  return folder.empty() ? name : (folder / name).string();
}

int Run(const SoakSettings& given) {
  SoakSettings settings = given;
  if (settings.client_program.empty()) settings.client_program = Beside("tlj");
  if (settings.server_program.empty()) settings.server_program = Beside("tlj-server");
  return RunSoak(settings, std::cout);
}

}  // namespace
}  // namespace tlj::soak

int main(int argc, char** argv) {
  using namespace tlj::soak;
  return tlj::posix::RunProgram("tlj-soak", argc, argv, ParseSoakOptions, SoakUsage(), Run);
}
