#pragma once
// A text box of the model as a line edit of its window, so that input methods work. The model
// owns the text: typed characters go to it as key presses (its handlers may refuse them) and
// come back when the window catches up; edits the line edit makes itself (a paste, a deletion)
// go to it as a change.

#include <optional>

#include <QLineEdit>
#include <QRect>

#include "core/platform/element_tree.h"
#include "desktop/window_view.h"

namespace tlj::desktop {

class TextBox : public QLineEdit {
 public:
  TextBox(WindowView& view, ElementKey key);

  const ElementKey& Key() const { return key_; }
  // Takes the element's text, caret, limit, font and colour; shows at `rect` (window pixels),
  // or hides when there is none.
  void Sync(const platform::Element& element, const std::optional<QRect>& rect, bool enabled);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  WindowView& view_;
  const ElementKey key_;
};

}  // namespace tlj::desktop
