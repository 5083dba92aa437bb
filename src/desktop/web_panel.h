#pragma once
// A web panel of the model as a light HTML view of its window: it shows the page the logic
// fetched into the element (`page`), without a context menu, links that go anywhere or pictures
// from the network. A panel whose page has not come shows as an empty framed panel.

#include <optional>
#include <string>

#include <QRect>
#include <QTextBrowser>

#include "core/platform/element_tree.h"

namespace tlj::desktop {

class WebPanel : public QTextBrowser {
 public:
  explicit WebPanel(QWidget* parent);

  // Takes the element's page; shows at `rect` (window pixels), or hides when there is none or
  // no page yet.
  void Sync(const platform::Element& element, const std::optional<QRect>& rect);

 protected:
  // Nothing is fetched for the page: what it names beyond its own text does not show.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::string page_;
};

}  // namespace tlj::desktop
