#pragma once
// One window of the model as a top-level widget: drawn from the model, and the place where the
// user's input on it becomes element events posted to the platform loop.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QRegion>
#include <QWidget>

#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "desktop/element_layout.h"

class QHelpEvent;

namespace tlj::desktop {

// An element of the window, as input addresses it.
struct ElementKey {
  std::string name;
  std::optional<int> index;
  bool operator==(const ElementKey&) const = default;
};

class TextBox;
class WebPanel;

class WindowView : public QWidget {
 public:
  // `owner`: the view of the window this one stays above, or null.
  WindowView(platform::ElementTree& tree, platform::EventLoop& loop, std::string window,
             QWidget* owner);
  ~WindowView() override;

  const std::string& Window() const { return window_; }

  // Catches up with the model window: caption, flags, position and size, shape, opacity,
  // whether it shows, and its text boxes. When the window's revision moved it is drawn again:
  // at once when `now`, else when Qt next handles its events. What the user changed (a window
  // dragged, minimised) stays until the model itself changes it.
  void Sync(const platform::Window& window, bool now);
  // Gives the keyboard focus to the element's widget: a text box's own, else the window's.
  void Focus(const ElementKey& element);

  // The user's input on `element`, posted to the loop as element events. The text boxes report
  // theirs here too.
  void KeyDown(const ElementKey& element, const QKeyEvent& event);
  void KeyUp(const ElementKey& element, const QKeyEvent& event);
  void Type(const ElementKey& element, int code);
  // A text box's text edited in place (a paste, a deletion): the model takes text and caret.
  void Edited(const ElementKey& element, const std::string& text, int caret);
  void CaretMoved(const ElementKey& element, int caret);
  void Focused(const ElementKey& element);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // The element a pressed button belongs to until every button is up.
  struct Capture {
    ElementKey element;
    QPoint origin;  // the element's corner when the button went down
    bool double_click = false;
  };

  void SyncFrame(const platform::Window& window);
  void BeginUserMove();
  // The elements drawn by widgets of their own: text boxes and web panels.
  void SyncChildren(const platform::Window& window);
  void Post(platform::ElementEvent event);
  platform::ElementEvent EventOn(const ElementKey& element, platform::EventKind kind) const;
  void PostMouse(const ElementKey& element, QPoint origin, platform::EventKind kind, int button,
                 QPoint point);
  std::optional<ElementKey> KeyTarget() const;
  // The frontmost element at `point` that takes the mouse.
  std::optional<PlacedElement> ElementUnder(QPoint point) const;
  void ShowTooltip(const QHelpEvent& help);
  const platform::Image* Ground(const platform::Window& window);

  platform::ElementTree& tree_;
  platform::EventLoop& loop_;
  const std::string window_;
  std::optional<Capture> capture_;
  // A drag of the window done by the view itself: the pointer's offset from the window corner.
  std::optional<QPoint> drag_;
  QPoint pressed_at_;  // where the last button went down, on the screen
  std::vector<std::unique_ptr<TextBox>> text_boxes_;
  std::vector<std::pair<ElementKey, std::unique_ptr<WebPanel>>> web_panels_;
  std::shared_ptr<const platform::Image> ground_;  // the design's ground while drawn
  // What was last taken from the model, so that only its changes are applied.
  std::uint64_t synced_revision_ = 0;
  std::uint64_t synced_state_ = 0;  // DrawnState at the last catching up
  std::uint64_t painted_state_ = 0;
  Qt::WindowFlags flags_ = Qt::Window;
  QString caption_;
  QRect geometry_;
  QRegion shape_;
  int opacity_ = 255;
  bool shown_ = false;
  bool minimized_ = false;
  std::uint64_t move_requests_ = 0;
};

}  // namespace tlj::desktop
