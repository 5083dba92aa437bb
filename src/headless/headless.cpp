#include "headless/headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/platform/silent_sound_device.h"
#include "headless/automation_channel.h"
#include "headless/run_table.h"
#include "headless/stderr_message_boxes.h"
#include "posix/poll_backend.h"
#include "posix/program_shell.h"

namespace tlj::headless {
namespace {

// A descriptor 0..2 that the parent left closed would be handed to the first socket we open,
// which the automation channel or a diagnostic would then mistake for its own.
void OpenMissingStandardDescriptors() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDWR);
  }
}

}  // namespace

int RunClient(const Options& options) {
  posix::PollBackend poll;
  platform::EventLoop loop(poll);
  platform::ElementTree tree;
  StderrMessageBoxes boxes;
  platform::SilentSoundDevice sound;
  AutomationChannel automation(loop, poll, tree, boxes.Shown(), STDIN_FILENO, std::cerr);
  return RunTable(loop, poll, tree, boxes, sound, options);
}

int Run(int argc, char** argv, const std::function<int(const Options&)>& front_end) {
  return posix::RunProgram("tlj", argc, argv, ParseOptions, Usage(), [&](const Options& options) {
    OpenMissingStandardDescriptors();
    // A peer that goes away must show as a closed socket, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    return front_end(options);
  });
}

}  // namespace tlj::headless
