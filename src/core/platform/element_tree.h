#pragma once
// Every visual element is a named node (window, name, index). Each window's design creates its
// elements once, at start-up; the logic then finds them by name and writes their properties; a
// front end renders the tree and reports input as element events. Tests assert on the tree.

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/platform/image.h"

namespace tlj::platform {

enum class ElementKind {
  Label,            // a caption
  Picture,          // a picture, optionally stretched
  PictureBox,       // a picture that holds other elements (the table surface)
  List,             // a list box: lines, selection, top line
  TextBox,          // one line of typed text
  WebPanel,         // a web page shown inside the window
  AnimatedPicture,  // the animated picture control; its frames arrive in `image`
  Shape,            // a plain drawn area
  Component,        // a platform component without anything of its own to show
};

enum class Alignment { Left, Right, Center };

// The mouse pointer shown over an element. Custom shows the cursor file in `pointerFile`.
enum class Pointer { Default, Arrow, Hand, Move, Custom };

struct Window;

struct Element {
  std::string name;
  std::optional<int> index;  // set for members of an element array
  ElementKind kind = ElementKind::Label;
  // The container the position counts from: the name of a picture box of the same window, or
  // empty for the window itself.
  std::string parent;
  bool visible = true;
  bool enabled = true;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::optional<int> picture;  // resource id of the picture shown
  // The decoded picture shown (a resource's, or a frame the animated picture control painted);
  // front ends draw this, tests mostly look at `picture`.
  std::shared_ptr<const Image> image;
  bool stretch = false;  // the picture is stretched to the element's size
  std::string caption;   // label caption or text box text (UTF-8)
  int color = 0;         // foreground colour, 0xBBGGRR
  std::string font = "宋体";
  double fontSize = 9;
  Alignment alignment = Alignment::Left;
  bool transparent = false;  // no background of its own: what is behind shows through
  bool autoSize = false;     // a label as wide and high as its caption, from its corner
  int z = 0;                 // stacking order among the window's elements: higher is in front
  std::string tooltip;
  Pointer pointer = Pointer::Default;
  std::string pointerFile;         // Custom: the cursor file
  std::vector<std::string> lines;  // list box lines
  int selected = -1;               // list box: the selected line, -1 for none
  int topLine = 0;                 // list box: the first line shown
  int maxLength = 0;               // text box: most characters it takes, 0 for no limit
  int caret = 0;                   // text box: the insertion point, in characters
  std::string url;                 // web panel: the address navigated to
  std::string page;                // web panel: the page that address gave, as HTML (UTF-8)
  Window* window = nullptr;        // the window that holds the element

  // Tells the front ends that the element changed. Lookups through the tree do it; code that
  // keeps an element across waits or events (a control painting its frames) calls it itself.
  void Changed();
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A piece of a picture painted onto a window's background, stretched from `source` (pixels of
// the picture) to `target` (pixels of the window).
struct PaintedPiece {
  std::shared_ptr<const Image> image;
  Rect source;
  Rect target;
};

struct Window {
  std::string name;
  std::string design;  // the design it was built from; the name for one-of-a-kind windows
  std::string tag;
  bool loaded = false;
  bool visible = false;
  bool minimized = false;
  std::string caption;
  double left = 0;
  double top = 0;
  double width = 0;  // client area, pixels
  double height = 0;
  std::optional<int> picture;  // background picture resource id
  std::shared_ptr<const Image> image;
  std::optional<int> icon;  // picture resource id of the window icon
  std::string owner;        // the window it stays above, empty for none
  bool frameless = false;
  bool topmost = false;
  // Showing the window makes it the one the user works in; a window that only shows something
  // (a speech bubble) leaves the keys where they were.
  bool activates = true;
  int opacity = 255;        // whole-window opacity 0..255
  std::vector<Rect> shape;  // the window's region as rectangles; empty for the whole window
  // What was painted onto the background, in painting order; elements stand in front of it.
  std::vector<PaintedPiece> painting;
  // Moves on each time the logic asks the window system to let the user drag the window (a
  // press on a title bar of the window's own): a front end starts the drag when it changes.
  std::uint64_t moveRequests = 0;
  std::vector<std::unique_ptr<Element>> elements;  // in creation order
  int top_z = 0;
  // Moves on with every change of the window or its elements, so front ends repaint only what
  // changed.
  std::uint64_t revision = 0;
  // The same elements by name and index, for lookups: the logic addresses elements by name
  // many thousand times a game. An element without an index is filed under kNoIndex.
  static constexpr int kNoIndex = std::numeric_limits<int>::min();
  std::map<std::string, std::map<int, Element*>, std::less<>> by_name;
};

enum class EventKind {
  Click,     // also a click on a list line (`line`): the line is selected first
  DblClick,  // on a list: `line` is selected first
  MouseMove,
  MouseDown,  // `button` 1 left, 2 right, 4 middle; `x`, `y` in the element's pixels
  MouseUp,
  KeyDown,  // `key` the key code
  KeyUp,
  KeyPress,  // `key` the character code (Enter 13, Backspace 8); a text box then takes it
  Change,    // a text box's text changed: `text`
  Scroll,    // the user scrolled a list: `line` its new top line, which it takes first
  GotFocus,
  LostFocus,
  NavigationFailed,  // web panel
  PageLoaded,        // web panel
  // Window events, addressed to the window with an empty element name.
  Load,
  Unload,
  Activate,
  Minimize,
  Restore,
  Move,  // `x`, `y` the window's new left and top
  CloseRequest,
};

struct ElementEvent {
  std::string window;
  std::string name;  // empty: the window itself
  std::optional<int> index;
  EventKind kind = EventKind::Click;
  int line = -1;  // Click, DblClick on a list: the line; Scroll: the new top line
  int key = 0;    // KeyDown, KeyUp: the key code; KeyPress: the character code
  int button = 0;
  double x = 0;
  double y = 0;
  std::string text;     // Change: the new text
  bool cancel = false;  // KeyPress: a handler sets it to keep the character out of the text box
};

struct FocusTarget {
  std::string window;
  std::string name;
  std::optional<int> index;
  bool operator==(const FocusTarget&) const = default;
};

class ElementTree {
 public:
  using Handler = std::function<void(ElementEvent&)>;
  using Design = std::function<void(ElementTree&, Window&)>;

  // Creates a window from its design, not loaded and hidden. Its design runs again whenever the
  // window is unloaded, so the next load starts from the design.
  Window& AddWindow(std::string_view name, Design design);
  // Runs as each window loads, before its Load event: what the designs share (their pictures,
  // say) without each design asking for it, held only while the window is loaded. Clear forgets
  // it.
  void WhenEachLoads(std::function<void(Window&)> prepare) { when_loading_ = std::move(prepare); }
  // Used by designs: a new element of the window, in front of the ones before it.
  Element& Add(Window& window, std::string_view name, std::optional<int> index, ElementKind kind,
               std::string_view parent = {});

  // Lookups for the logic. They find and never create: a name no design created is a
  // programming error (std::logic_error). Looking up a window that is not loaded loads it.
  Window& Win(std::string_view window);
  Element& El(std::string_view window, std::string_view name, std::optional<int> index = {});
  // Lookups for front ends and tests: nothing is loaded, marked changed or created.
  Element* Find(std::string_view window, std::string_view name,
                std::optional<int> index = {}) const;
  const Window* FindWin(std::string_view window) const;
  const std::vector<std::unique_ptr<Window>>& Windows() const { return windows_; }

  // Loading runs the window's Load event once; unloading hides the window, runs its Unload
  // event and puts it back to its design.
  void LoadWindow(std::string_view window);
  void UnloadWindow(std::string_view window);

  // A further member of an existing element array, made at run time: a copy of the array's
  // first member, hidden, in front of everything. Returns the member when it exists already.
  Element& LoadElement(std::string_view window, std::string_view name, int index);
  void BringToFront(std::string_view window, Element& element);
  // Deletes an element made by LoadElement; returns false when there is none by that name.
  // References to the element become invalid.
  bool Remove(std::string_view window, std::string_view name, std::optional<int> index = {});

  // The window the user works in, and the element that takes the keys.
  const std::string& ActiveWindow() const { return active_; }
  void SetActiveWindow(std::string_view window);
  const std::optional<FocusTarget>& Focus() const { return focus_; }
  // Moves the focus and runs the LostFocus and GotFocus events.
  void SetFocus(const FocusTarget& target);

  // Moves on with every change anywhere in the tree.
  std::uint64_t Revision() const;

  // Handlers are registered per element name (any index) and event kind; window events use an
  // empty name.
  void On(std::string_view window, std::string_view name, EventKind kind, Handler handler);
  // Delivers an input event: first what the platform does by itself (a list selects the
  // clicked line, a text box takes a character, a minimised window is minimised), then the
  // handler. Returns false when the element does not exist.
  bool Fire(ElementEvent event);

  void Clear();

 private:
  Window* FindMutable(std::string_view window) const;
  void Build(Window& window);
  void ApplyInput(ElementEvent& event, Element* element, Window& window);
  void Run(ElementEvent& event);

  std::vector<std::unique_ptr<Window>> windows_;
  std::map<std::string, Design, std::less<>> designs_;
  std::function<void(Window&)> when_loading_;
  std::map<std::tuple<std::string, std::string, EventKind>, Handler> handlers_;
  std::string active_;
  std::optional<FocusTarget> focus_;
  std::uint64_t own_revision_ = 0;
};

// The height of an element's font in pixels of the design's 96-dpi screen, at least 1.
int FontPixels(const Element& element);
// The height of one line of a list box, and how many lines it shows (at least one).
int ListLineHeight(const Element& list);
int VisibleLines(const Element& list);
// Scrolls a list box so that its last line shows at the bottom.
void ShowLastLine(Element& list);

// The UTF-8 text of a text box after the user typed character `code` at its caret (Backspace
// deletes before it, Enter and other control characters change nothing), within its maximum
// length. Returns false when the text stays as it was.
bool TypeInto(Element& text_box, int code);

}  // namespace tlj::platform
