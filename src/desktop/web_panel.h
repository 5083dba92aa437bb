#pragma once
// A web panel of the model in the real window: the page the logic fetched into the element
// (`page`), laid out once by Qt's rich text into a picture of the panel's size and drawn from
// it. No context menu, no links that go anywhere, no pictures from the network or the disk. A
// panel whose page has not come does not show.

#include <optional>
#include <string>

#include <QImage>
#include <QRect>
#include <QWidget>

#include "core/platform/element_tree.h"

namespace tlj::desktop {

// The page drawn at `size`, over white, in a browser's default serif for Chinese text.
QImage RenderPage(const std::string& html, const QSize& size);

class WebPanel : public QWidget {
 public:
  explicit WebPanel(QWidget* parent);

  // Takes the element's page; shows at `rect` (window pixels), or hides when there is none or
  // no page yet.
  void Sync(const platform::Element& element, const std::optional<QRect>& rect);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string page_;
  QImage picture_;
};

}  // namespace tlj::desktop
