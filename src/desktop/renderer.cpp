#include "desktop/renderer.h"

#include <stdexcept>
#include <string_view>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>

#include "desktop/paint_log.h"
#include "headless/atomic_file.h"

namespace tlj::desktop {

Renderer::Renderer(platform::ElementTree& tree, platform::EventLoop& loop)
    : tree_(tree), loop_(loop) {}

Renderer::~Renderer() {
  while (!views_.empty()) views_.pop_back();
}

void Renderer::Sync() {
  CatchUp(false);
}

void Renderer::Render() {
  LogRenderPoint();
  CatchUp(true);
  // Windows shown just now are drawn once the window system has exposed them; the user's input
  // and the watched descriptors wait for the loop.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                  QEventLoop::ExcludeSocketNotifiers);
}

WindowView* Renderer::View(std::string_view window) const {
  for (const auto& view : views_) {
    if (view->Window() == window) return view.get();
  }
  return nullptr;
}

WindowView& Renderer::ViewOf(const platform::Window& window) {
  if (WindowView* view = View(window.name)) return *view;
  QWidget* owner = nullptr;
  if (const platform::Window* owning = tree_.FindWin(window.owner);
      owning != nullptr && owning != &window) {
    owner = &ViewOf(*owning);
  }
  views_.push_back(std::make_unique<WindowView>(tree_, loop_, window.name, owner));
  return *views_.back();
}

void Renderer::CatchUp(bool now) {
  for (const auto& window : tree_.Windows()) ViewOf(*window);
  for (const auto& view : views_) {
    if (const platform::Window* window = tree_.FindWin(view->Window())) {
      view->Sync(*window, now);
    } else {
      view->hide();  // its window is gone from the tree
    }
  }
  if (tree_.Focus() != focus_) {
    focus_ = tree_.Focus();
    if (focus_) {
      if (WindowView* view = View(focus_->window)) view->Focus({focus_->name, focus_->index});
    }
  }
  if (tree_.ActiveWindow() != active_) {
    active_ = tree_.ActiveWindow();
    if (WindowView* view = View(active_); view != nullptr && view->isVisible()) {
      view->raise();
      view->activateWindow();
    }
  }
}

QImage Renderer::Grab(std::string_view window) {
  CatchUp(false);
  WindowView* view = View(window);
  if (view == nullptr || tree_.FindWin(window) == nullptr) return {};
  return view->grab().toImage();
}

std::string Renderer::Snapshot(const std::string& window, const std::string& path) {
  const QImage image = Grab(window);
  if (image.isNull()) return "no window " + window;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return "cannot encode " + window + " as PNG";
  try {
    headless::WriteFileAtomically(path, std::string_view(png.constData(), png.size()));
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return {};
}

}  // namespace tlj::desktop
