#include "desktop/window_view.h"

#include <algorithm>
#include <utility>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "core/view/design_pictures.h"
#include "core/view/layout.h"
#include "desktop/drawn_state.h"
#include "desktop/element_layout.h"
#include "desktop/element_painter.h"
#include "desktop/key_codes.h"
#include "desktop/paint_log.h"
#include "desktop/post_input.h"
#include "desktop/text_box.h"
#include "desktop/web_panel.h"

namespace tlj::desktop {
namespace {

using platform::ElementEvent;
using platform::EventKind;

ElementKey KeyOf(const platform::Element& element) {
  return {element.name, element.index};
}

// Mouse buttons as the logic counts them: 1 left, 2 right, 4 middle.
int ButtonCode(Qt::MouseButtons buttons) {
  return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
         (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

Qt::CursorShape PointerShape(platform::Pointer pointer) {
  switch (pointer) {
    case platform::Pointer::Hand:
      return Qt::PointingHandCursor;
    case platform::Pointer::Move:
      return Qt::SizeAllCursor;
    case platform::Pointer::Default:
    case platform::Pointer::Arrow:
    case platform::Pointer::Custom:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

WindowView::WindowView(platform::ElementTree& tree, platform::EventLoop& loop, std::string window,
                       QWidget* owner)
    : QWidget(owner, Qt::Window), tree_(tree), loop_(loop), window_(std::move(window)) {
  setMouseTracking(true);
  // Clicks on the window leave the keyboard where the model put it (in a text box, say).
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

WindowView::~WindowView() = default;

void WindowView::Sync(const platform::Window& window, bool now) {
  SyncFrame(window);
  // Only a moved revision can have changed what shows, and most moves change nothing.
  if (window.revision != synced_revision_) {
    synced_revision_ = window.revision;
    const std::uint64_t state = DrawnState(window);
    if (state != synced_state_) {
      SyncChildren(window);
      synced_state_ = state;
    }
  }
  // A window out of sight is drawn when it shows again.
  if (synced_state_ == painted_state_ || !isVisible() || isMinimized()) return;
  painted_state_ = synced_state_;
  if (now) {
    repaint();
  } else {
    update();
  }
}

void WindowView::SyncFrame(const platform::Window& window) {
  Qt::WindowFlags flags = Qt::Window;
  if (window.frameless) flags |= Qt::FramelessWindowHint;
  if (window.topmost) flags |= Qt::WindowStaysOnTopHint;
  if (!window.activates) flags |= Qt::WindowDoesNotAcceptFocus;
  if (flags != flags_) {
    setWindowFlags(flags);  // hides the window
    setAttribute(Qt::WA_ShowWithoutActivating, !window.activates);
    flags_ = flags;
    shown_ = false;
  }
  if (const QString caption = QString::fromStdString(window.caption); caption != caption_) {
    setWindowTitle(caption);
    caption_ = caption;
  }
  const QRect geometry(view::Px(window.left), view::Px(window.top),
                       std::max(view::Px(window.width), 1), std::max(view::Px(window.height), 1));
  if (geometry != geometry_) {
    setFixedSize(geometry.size());
    move(geometry.topLeft());
    geometry_ = geometry;
  }
  QRegion shape;
  for (const platform::Rect& r : window.shape) shape += QRect(r.left, r.top, r.width, r.height);
  if (shape != shape_) {
    if (shape.isEmpty()) {
      clearMask();
    } else {
      setMask(shape);
    }
    shape_ = shape;
  }
  if (window.opacity != opacity_) {
    setWindowOpacity(std::clamp(window.opacity, 0, 255) / 255.0);
    opacity_ = window.opacity;
  }
  if (window.moveRequests != move_requests_) {
    if (window.moveRequests > move_requests_) BeginUserMove();
    move_requests_ = window.moveRequests;
  }
  const bool shown = window.loaded && window.visible;
  if (shown != shown_ || window.minimized != minimized_) {
    if (!shown) {
      hide();
      ground_.reset();
    } else if (window.minimized) {
      showMinimized();
    } else {
      showNormal();
    }
    shown_ = shown;
    minimized_ = window.minimized;
  }
}

namespace {

const PlacedElement* PlacedOf(const std::vector<PlacedElement>& placed,
                              const platform::Element& element) {
  const auto shown = std::find_if(placed.begin(), placed.end(),
                                  [&](const PlacedElement& p) { return p.element == &element; });
  return shown == placed.end() ? nullptr : &*shown;
}

}  // namespace

void WindowView::SyncChildren(const platform::Window& window) {
  const std::vector<PlacedElement> placed = PlaceElements(window);
  std::vector<std::unique_ptr<TextBox>> kept;
  for (const auto& element : window.elements) {
    const PlacedElement* shown = PlacedOf(placed, *element);
    const std::optional<QRect> rect = shown ? std::optional(shown->rect) : std::nullopt;
    const ElementKey key = KeyOf(*element);
    if (element->kind == platform::ElementKind::WebPanel) {
      auto it = std::find_if(web_panels_.begin(), web_panels_.end(),
                             [&key](const auto& panel) { return panel.first == key; });
      // A panel's view is made once it has a page to show.
      if (it == web_panels_.end() && element->page.empty()) continue;
      if (it == web_panels_.end())
        it = web_panels_.insert(web_panels_.end(), {key, std::make_unique<WebPanel>(this)});
      it->second->Sync(*element, rect);
      continue;
    }
    if (element->kind != platform::ElementKind::TextBox) continue;
    auto it = std::find_if(text_boxes_.begin(), text_boxes_.end(),
                           [&key](const auto& box) { return box->Key() == key; });
    std::unique_ptr<TextBox> box =
        it != text_boxes_.end() ? std::move(*it) : std::make_unique<TextBox>(*this, key);
    box->Sync(*element, rect, shown != nullptr && shown->enabled);
    kept.push_back(std::move(box));
  }
  text_boxes_ = std::move(kept);
}

void WindowView::Focus(const ElementKey& element) {
  for (const auto& box : text_boxes_) {
    if (box->Key() == element && box->isVisible()) {
      box->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  setFocus(Qt::OtherFocusReason);
}

void WindowView::Post(ElementEvent event) {
  PostInput(loop_, [tree = &tree_, event = std::move(event)] { tree->Fire(event); });
}

ElementEvent WindowView::EventOn(const ElementKey& element, EventKind kind) const {
  ElementEvent event;
  event.window = window_;
  event.name = element.name;
  event.index = element.index;
  event.kind = kind;
  return event;
}

void WindowView::KeyDown(const ElementKey& element, const QKeyEvent& event) {
  const int code = KeyCode(event.key(), event.modifiers());
  if (code == 0) return;
  ElementEvent down = EventOn(element, EventKind::KeyDown);
  down.key = code;
  Post(std::move(down));
}

void WindowView::KeyUp(const ElementKey& element, const QKeyEvent& event) {
  const int code = KeyCode(event.key(), event.modifiers());
  if (code == 0 || event.isAutoRepeat()) return;  // a held key goes up once, when let go
  ElementEvent up = EventOn(element, EventKind::KeyUp);
  up.key = code;
  Post(std::move(up));
}

void WindowView::Type(const ElementKey& element, int code) {
  ElementEvent press = EventOn(element, EventKind::KeyPress);
  press.key = code;
  Post(std::move(press));
}

void WindowView::Edited(const ElementKey& element, const std::string& text, int caret) {
  PostInput(loop_, [tree = &tree_, change = EventOn(element, EventKind::Change), text, caret] {
    platform::Element* box = tree->Find(change.window, change.name, change.index);
    if (box == nullptr) return;
    box->caption = text;
    box->caret = caret;
    box->Changed();
    ElementEvent event = change;
    event.text = text;
    tree->Fire(event);
  });
}

void WindowView::CaretMoved(const ElementKey& element, int caret) {
  PostInput(loop_, [tree = &tree_, window = window_, element, caret] {
    platform::Element* box = tree->Find(window, element.name, element.index);
    if (box == nullptr || box->caret == caret) return;
    box->caret = caret;
    box->Changed();
  });
}

void WindowView::Focused(const ElementKey& element) {
  PostInput(loop_, [tree = &tree_,
                    target = platform::FocusTarget{window_, element.name, element.index}] {
    if (tree->Focus() == target || tree->Find(target.window, target.name, target.index) == nullptr)
      return;
    tree->SetFocus(target);
  });
}

// ---- Mouse

std::optional<PlacedElement> WindowView::ElementUnder(QPoint point) const {
  const platform::Window* window = tree_.FindWin(window_);
  if (window == nullptr) return std::nullopt;
  const std::vector<PlacedElement> placed = PlaceElements(*window);
  const PlacedElement* target = ElementAt(placed, point);
  if (target == nullptr) return std::nullopt;
  return *target;
}

void WindowView::PostMouse(const ElementKey& element, QPoint origin, EventKind kind, int button,
                           QPoint point) {
  ElementEvent event = EventOn(element, kind);
  event.button = button;
  event.x = point.x() - origin.x();
  event.y = point.y() - origin.y();
  Post(std::move(event));
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  if (button == 0) return;
  const QPoint point = event->position().toPoint();
  pressed_at_ = event->globalPosition().toPoint();
  if (!capture_) {
    // Where no element stands the press belongs to the window itself.
    const auto target = ElementUnder(point);
    capture_ = target ? Capture{KeyOf(*target->element), target->rect.topLeft()} : Capture{};
  }
  PostMouse(capture_->element, capture_->origin, EventKind::MouseDown, button, point);
}

// A click is a press and a release of the left button on the same element; the release that
// ends a double click makes none.
void WindowView::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ && event->buttons() == Qt::NoButton) drag_.reset();
  const int button = ButtonCode(event->button());
  if (button == 0 || !capture_) return;
  const QPoint point = event->position().toPoint();
  PostMouse(capture_->element, capture_->origin, EventKind::MouseUp, button, point);
  if (event->buttons() != Qt::NoButton) return;
  const Capture capture = *std::exchange(capture_, std::nullopt);
  if (button != 1 || capture.double_click) return;
  const auto target = ElementUnder(point);
  if (!target || KeyOf(*target->element) != capture.element) return;
  ElementEvent click = EventOn(capture.element, EventKind::Click);
  if (target->element->kind == platform::ElementKind::List)
    click.line = ListLineAt(*target->element, point.y() - target->rect.top());
  Post(std::move(click));
}

// Qt's second press of a double click: the element under it gets the double click (on a list,
// with the line under the pointer) and the release that follows.
void WindowView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || capture_) {
    mousePressEvent(event);
    return;
  }
  const QPoint point = event->position().toPoint();
  const auto target = ElementUnder(point);
  if (!target) return;
  capture_ = Capture{KeyOf(*target->element), target->rect.topLeft(), true};
  ElementEvent double_click = EventOn(capture_->element, EventKind::DblClick);
  if (target->element->kind == platform::ElementKind::List)
    double_click.line = ListLineAt(*target->element, point.y() - target->rect.top());
  Post(std::move(double_click));
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (drag_) {
    move(event->globalPosition().toPoint() - *drag_);
    return;
  }
  if (!capture_) {
    const auto target = ElementUnder(point);
    setCursor(target ? PointerShape(target->element->pointer) : Qt::ArrowCursor);
    if (target) {
      PostMouse(KeyOf(*target->element), target->rect.topLeft(), EventKind::MouseMove, 0, point);
    } else {
      PostMouse({}, {}, EventKind::MouseMove, 0, point);
    }
    return;
  }
  // With a button down the element it went down on follows the pointer.
  PostMouse(capture_->element, capture_->origin, EventKind::MouseMove, ButtonCode(event->buttons()),
            point);
}

// The wheel scrolls the list under the pointer three lines a notch; the model takes the new top
// line and its handlers move what follows the list.
void WindowView::wheelEvent(QWheelEvent* event) {
  const auto target = ElementUnder(event->position().toPoint());
  if (!target || target->element->kind != platform::ElementKind::List) return;
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) return;
  ElementEvent scroll = EventOn(KeyOf(*target->element), EventKind::Scroll);
  scroll.line = target->element->topLine - 3 * notches;
  Post(std::move(scroll));
}

// ---- Keys: to the focused element of this window, else to the table surface

std::optional<ElementKey> WindowView::KeyTarget() const {
  const auto& focus = tree_.Focus();
  if (focus && focus->window == window_) return ElementKey{focus->name, focus->index};
  if (tree_.Find(window_, "Pic1") != nullptr) return ElementKey{"Pic1", {}};
  return std::nullopt;
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  const auto target = KeyTarget();
  if (!target) return;
  KeyDown(*target, *event);
  for (const int code : TypedCharacters(*event)) Type(*target, code);
}

void WindowView::keyReleaseEvent(QKeyEvent* event) {
  if (const auto target = KeyTarget()) KeyUp(*target, *event);
}

// ---- The window itself

bool WindowView::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Post(EventOn({}, EventKind::Activate));
  } else if (event->type() == QEvent::ToolTip) {
    ShowTooltip(static_cast<const QHelpEvent&>(*event));
    return true;
  }
  return QWidget::event(event);
}

void WindowView::ShowTooltip(const QHelpEvent& help) {
  const auto target = ElementUnder(help.pos());
  if (!target || target->element->tooltip.empty()) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(help.globalPos(), QString::fromStdString(target->element->tooltip), this,
                     target->rect);
}

// Minimising and restoring by the user; what the model did itself it knows already.
void WindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const platform::Window* window = tree_.FindWin(window_);
  if (window == nullptr || isMinimized() == window->minimized) return;
  Post(EventOn({}, isMinimized() ? EventKind::Minimize : EventKind::Restore));
}

// The window system moves the window while the button that asked stays down; where it cannot
// (no window manager), the window follows the pointer itself until the button goes up. Either
// way the press no longer belongs to an element.
void WindowView::BeginUserMove() {
  if (QGuiApplication::mouseButtons() == Qt::NoButton) return;
  capture_.reset();
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
  drag_ = pressed_at_ - pos();
}

// Where the user or the window system put the window, the model learns; the moves the model
// asked for itself it knows already.
void WindowView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  const platform::Window* window = tree_.FindWin(window_);
  if (window == nullptr || !isVisible()) return;
  const QPoint model(view::Px(window->left), view::Px(window->top));
  if (event->pos() == model) return;
  ElementEvent moved = EventOn({}, EventKind::Move);
  moved.x = event->pos().x();
  moved.y = event->pos().y();
  Post(std::move(moved));
}

// The close button asks; the model decides whether the window goes.
void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  Post(EventOn({}, EventKind::CloseRequest));
}

// The window's own picture, or its design's ground, decoded when it is first drawn and let go
// when the window hides.
const platform::Image* WindowView::Ground(const platform::Window& window) {
  if (window.image) return window.image.get();
  if (!ground_) ground_ = view::DesignGround(window);
  return ground_.get();
}

void WindowView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  const platform::Window* window = tree_.FindWin(window_);
  if (window == nullptr) {
    painter.fillRect(rect(), background);
    return;
  }
  PaintWindow(painter, *window, Ground(*window), PlaceElements(*window), background);
  LogPaint(window_);
}

}  // namespace tlj::desktop
