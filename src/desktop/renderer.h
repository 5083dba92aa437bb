#pragma once
// The model's windows on the screen: one top-level widget for each window of the element tree,
// kept up to date with the model. Widgets only draw and report input; the model changes only
// in the platform loop's events.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QImage>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "desktop/window_view.h"

namespace tlj::desktop {

class Renderer {
 public:
  Renderer(platform::ElementTree& tree, platform::EventLoop& loop);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The widgets catch up with the model (windows shown, moved, focused); a window whose
  // revision moved is drawn when Qt next handles its events. Before each wait for events.
  void Sync();
  // The loop's render hook: catches up and draws the changed windows at once, on the screen, so
  // an animation that blocks between its steps shows each step.
  void Render();

  // The window as drawn; a null image when the tree has no such window.
  QImage Grab(std::string_view window);
  // Writes Grab(window) to `path` as PNG; returns why it could not, or nothing.
  std::string Snapshot(const std::string& window, const std::string& path);
  WindowView* View(std::string_view window) const;

 private:
  void CatchUp(bool now);
  WindowView& ViewOf(const platform::Window& window);

  platform::ElementTree& tree_;
  platform::EventLoop& loop_;
  // Owners before the windows they own (Qt's children), which go first.
  std::vector<std::unique_ptr<WindowView>> views_;
  std::optional<platform::FocusTarget> focus_;
  std::string active_;
};

}  // namespace tlj::desktop
