#include "desktop/web_panel.h"

namespace tlj::desktop {

WebPanel::WebPanel(QWidget* parent) : QTextBrowser(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setOpenLinks(false);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void WebPanel::Sync(const platform::Element& element, const std::optional<QRect>& rect) {
  if (element.page != page_) {
    setHtml(QString::fromStdString(element.page));
    page_ = element.page;
  }
  if (!rect || page_.empty()) {
    hide();
    return;
  }
  setGeometry(*rect);
  show();
}

QVariant WebPanel::loadResource(int, const QUrl&) {
  return {};
}

}  // namespace tlj::desktop
