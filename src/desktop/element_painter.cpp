#include "desktop/element_painter.h"

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QString>

#include "desktop/element_style.h"

namespace tlj::desktop {
namespace {

using platform::Element;
using platform::ElementKind;

// The picture's pixels as they are, no copy: straight RGBA, rows top to bottom.
QImage View(const platform::Image& image) {
  return QImage(image.rgba.data(), image.width, image.height, image.width * 4,
                QImage::Format_RGBA8888);
}

// Stretched to the element, or at its natural size from the element's corner (the clip cuts
// what is larger).
void PaintPicture(QPainter& painter, const Element& e, const QRect& rect) {
  if (!e.image || e.image->width <= 0 || e.image->height <= 0) return;
  if (e.stretch) {
    painter.drawImage(rect, View(*e.image));
  } else {
    painter.drawImage(rect.topLeft(), View(*e.image));
  }
}

int Horizontal(platform::Alignment alignment) {
  switch (alignment) {
    case platform::Alignment::Right:
      return Qt::AlignRight;
    case platform::Alignment::Center:
      return Qt::AlignHCenter;
    case platform::Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

// The caption from the element's top, wrapped at its width, its first baseline where the
// designs' fonts put it.
void PaintLabel(QPainter& painter, const Element& e, const QRect& rect, const QColor& ground) {
  if (!e.transparent) painter.fillRect(rect, ground);
  if (e.caption.empty()) return;
  const QFont font = ElementFont(e);
  painter.setFont(font);
  painter.setPen(ModelColor(e.color));
  const int raise = QFontMetrics(font).ascent() - DesignAscent(font);
  painter.drawText(rect.adjusted(0, -raise, 0, 0),
                   Horizontal(e.alignment) | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromStdString(e.caption));
}

// A list box: white and framed unless its window's ground shows through, its lines from the
// top line down, the selected one highlighted.
void PaintList(QPainter& painter, const Element& e, const QRect& rect) {
  if (!e.transparent) painter.fillRect(rect, Qt::white);
  const QFont font = ElementFont(e);
  const int line_height = platform::ListLineHeight(e);
  const int baseline = (line_height - font.pixelSize()) / 2 + DesignAscent(font);
  painter.setFont(font);
  int top = rect.top();
  for (int line = std::max(e.topLine, 0);
       line < static_cast<int>(e.lines.size()) && top < rect.bottom(); ++line, top += line_height) {
    const QRect row(rect.left(), top, rect.width(), line_height);
    const bool selected = line == e.selected;
    if (selected) painter.fillRect(row, QColor(0x00, 0x78, 0xD7));
    painter.setPen(selected ? QColor(Qt::white) : ModelColor(e.color));
    painter.drawText(row.left() + 2, top + baseline, QString::fromStdString(e.lines[line]));
  }
  if (e.transparent) return;
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// Where a page would show: the panel, empty, framed.
void PaintWebPanel(QPainter& painter, const QRect& rect) {
  painter.fillRect(rect, Qt::white);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void PaintShape(QPainter& painter, const Element& e, const QRect& rect) {
  painter.setPen(ModelColor(e.color));
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void PaintElement(QPainter& painter, const PlacedElement& placed, const QColor& ground) {
  const Element& e = *placed.element;
  const QRect& rect = placed.rect;
  switch (e.kind) {
    case ElementKind::PictureBox:
      if (!e.image) painter.fillRect(rect, ModelColor(kTableGround));
      PaintPicture(painter, e, rect);
      break;
    case ElementKind::Picture:
    case ElementKind::AnimatedPicture:
      PaintPicture(painter, e, rect);
      break;
    case ElementKind::Label:
      PaintLabel(painter, e, rect, ground);
      break;
    case ElementKind::List:
      PaintList(painter, e, rect);
      break;
    case ElementKind::WebPanel:
      PaintWebPanel(painter, rect);
      break;
    case ElementKind::Shape:
      PaintShape(painter, e, rect);
      break;
    case ElementKind::TextBox:    // a line edit of its own
    case ElementKind::Component:  // nothing to show
      break;
  }
}

}  // namespace

void PaintWindow(QPainter& painter, const platform::Window& window, const platform::Image* ground,
                 const std::vector<PlacedElement>& placed, const QColor& background) {
  painter.fillRect(painter.window(), background);
  if (ground != nullptr) painter.drawImage(QPoint(0, 0), View(*ground));
  for (const platform::PaintedPiece& piece : window.painting) {
    if (!piece.image) continue;
    const auto& s = piece.source;
    const auto& t = piece.target;
    painter.drawImage(QRect(t.left, t.top, t.width, t.height), View(*piece.image),
                      QRect(s.left, s.top, s.width, s.height));
  }
  // What shows behind an opaque label: the table's ground inside a picture box, else the
  // window's.
  for (const PlacedElement& p : placed) {
    const bool in_box = !p.element->parent.empty();
    painter.save();
    painter.setClipRect(p.clip);
    PaintElement(painter, p, in_box ? ModelColor(kTableGround) : background);
    painter.restore();
  }
}

}  // namespace tlj::desktop
