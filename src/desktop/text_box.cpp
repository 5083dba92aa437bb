#include "desktop/text_box.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QSignalBlocker>

#include "desktop/element_style.h"
#include "desktop/key_codes.h"

namespace tlj::desktop {
namespace {

constexpr int kNoLimit = 32767;  // a line edit's own longest text

// The model counts characters; a QString counts UTF-16 units.
int Utf16Position(const QString& text, int characters) {
  int position = 0;
  for (int k = 0; k < characters && position < text.size(); ++k)
    position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
  return position;
}

int Characters(const QString& text, int position) {
  return static_cast<int>(text.left(position).toUcs4().size());
}

}  // namespace

TextBox::TextBox(WindowView& view, ElementKey key) : QLineEdit(&view), view_(view), key_(key) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    view_.Edited(key_, text.toStdString(), Characters(text, cursorPosition()));
  });
  connect(this, &QLineEdit::cursorPositionChanged, this,
          [this](int, int now) { view_.CaretMoved(key_, Characters(text(), now)); });
}

void TextBox::Sync(const platform::Element& element, const std::optional<QRect>& rect,
                   bool enabled) {
  const QSignalBlocker quiet(this);  // what the model says is no edit of the user's
  // Before the text: a new limit sets the text again, and the caret with it.
  if (const int limit = element.maxLength > 0 ? element.maxLength : kNoLimit; limit != maxLength())
    setMaxLength(limit);
  const QString text = QString::fromStdString(element.caption);
  if (text != this->text()) setText(text);
  const int caret = Utf16Position(text, element.caret);
  if (caret != cursorPosition()) setCursorPosition(caret);
  setFont(ElementFont(element));
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ModelColor(element.color));
  setPalette(colours);
  setEnabled(enabled);
  if (!rect) {
    // Handing the focus to the window first keeps Qt from passing it on to another text box.
    if (hasFocus()) view_.setFocus(Qt::OtherFocusReason);
    hide();
    return;
  }
  setGeometry(*rect);
  show();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  view_.KeyDown(key_, *event);
  const std::vector<int> typed = TypedCharacters(*event);
  for (const int code : typed) view_.Type(key_, code);
  if (typed.empty()) QLineEdit::keyPressEvent(event);  // moving the caret, deleting, pasting
  event->accept();                                     // the window would report the key once more
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
  view_.KeyUp(key_, *event);
  QLineEdit::keyReleaseEvent(event);
  event->accept();
}

// What an input method commits is typed; what it is still composing shows in place.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  for (const auto code : event->commitString().toUcs4()) view_.Type(key_, static_cast<int>(code));
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&composing);
}

// The user moving into the box moves the model's focus; the model moving it here is known.
void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
      reason == Qt::BacktabFocusReason) {
    view_.Focused(key_);
  }
}

}  // namespace tlj::desktop
