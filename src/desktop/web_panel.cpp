#include "desktop/web_panel.h"

#include <QPainter>
#include <QTextDocument>

namespace tlj::desktop {
namespace {

// What a browser takes for text the page gives no font: its serif at "medium". The table's
// own labels use the same family, so a page costs no further font.
constexpr const char* kPageFamily = "Noto Serif CJK SC";
constexpr int kPagePixels = 16;

// Nothing beyond the page's own text is read: a picture or style sheet it names stays out. A
// picture is answered with a clear one, as Qt's rich text would otherwise read a plain path from
// the disk itself.
class PageDocument : public QTextDocument {
 protected:
  QVariant loadResource(int type, const QUrl&) override {
    if (type != QTextDocument::ImageResource) return {};
    QImage clear(1, 1, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    return clear;
  }
};

}  // namespace

QImage RenderPage(const std::string& html, const QSize& size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  PageDocument document;
  QFont font(kPageFamily);
  font.setPixelSize(kPagePixels);
  document.setDefaultFont(font);
  document.setHtml(QString::fromStdString(html));
  document.setTextWidth(size.width());
  QPainter painter(&picture);
  document.drawContents(&painter, QRectF(QPointF(0, 0), size));
  return picture;
}

WebPanel::WebPanel(QWidget* parent) : QWidget(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void WebPanel::Sync(const platform::Element& element, const std::optional<QRect>& rect) {
  setObjectName(QString::fromStdString(element.name));
  if (!rect || element.page.empty()) {
    hide();
    return;
  }
  if (element.page != page_ || picture_.size() != rect->size()) {
    page_ = element.page;
    picture_ = RenderPage(page_, rect->size());
    update();
  }
  setGeometry(*rect);
  show();
}

void WebPanel::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, picture_);
}

}  // namespace tlj::desktop
