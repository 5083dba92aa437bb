#include "desktop/post_input.h"

#include <utility>

#include <QAbstractEventDispatcher>

namespace tlj::desktop {

void PostInput(platform::EventLoop& loop, std::function<void()> input) {
  loop.Post(std::move(input));
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
    dispatcher->wakeUp();
}

}  // namespace tlj::desktop
