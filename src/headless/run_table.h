#pragma once
// What both front ends run the client with besides their own loop, windows and message boxes:
// the socket, the lobby link and the downloader on the front end's descriptor watcher, the shell
// on standard error and the program folder.

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/platform/message_box.h"
#include "core/platform/sound_device.h"
#include "headless/options.h"
#include "posix/descriptor_watcher.h"

namespace tlj::headless {

// Installs the services, starts the client and runs `loop` until the process ends; returns the
// exit code. The services go before the function returns, so what the caller made before it
// (an automation channel, the windows) outlives them.
int RunTable(platform::EventLoop& loop, posix::DescriptorWatcher& watcher,
             platform::ElementTree& tree, platform::MessageBoxes& boxes,
             platform::SoundDevice& sound, const Options& options);

}  // namespace tlj::headless
