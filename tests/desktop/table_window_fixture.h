#pragma once
// The whole client on the simulated table, its windows drawn by the desktop front end, and what
// tests of the drawn windows look at.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QTest>

#include "desktop/element_layout.h"
#include "desktop/renderer.h"
#include "tests/desktop/test_application.h"
#include "tests/support/table_fixture.h"

namespace tlj::desktop::testing {

inline constexpr platform::TimeMs kDealTime = 1000;  // the gate cards' slides
// Where the tests leave their snapshots for people to look at.
inline const std::filesystem::path kShots = "/tmp/tlj-shots";

// Whether `drawn` is the colour of the picture's pixel that lands at `at` when the picture is
// stretched to `size`, or of one next to it (the scaling rounds either way); none when the
// picture is not opaque there.
inline std::optional<bool> PictureHas(const platform::Image& picture, QSize size, QPoint at,
                                      const QColor& drawn) {
  const int sx = (2 * at.x() + 1) * picture.width / (2 * size.width());
  const int sy = (2 * at.y() + 1) * picture.height / (2 * size.height());
  bool same = false;
  for (int y = sy - 1; y <= sy + 1; ++y) {
    for (int x = sx - 1; x <= sx + 1; ++x) {
      if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return std::nullopt;
      const std::uint8_t* p = picture.Pixel(x, y);
      if (p[3] != 255) return std::nullopt;
      same = same || drawn == QColor(p[0], p[1], p[2]);
    }
  }
  return same;
}

class TableWindowFixture : public ::tlj::testing::LoggedInFixture {
 protected:
  void SetUp() override {
    TestApplication();
    LoggedInFixture::SetUp();
    SeatEveryone();
    renderer = std::make_unique<Renderer>(h.tree, h.loop);
    renderer->Sync();
  }
  void TearDown() override { renderer.reset(); }

  QImage Grab(const std::string& window) {
    return renderer->Grab(window).convertToFormat(QImage::Format_RGB32);
  }
  QImage Table() { return Grab("MainForm"); }
  // Where the layout puts an element of the table surface, in window pixels.
  QRect OnWindow(const platform::Element& e) {
    const platform::Element& surface = h.El("Pic1");
    return QRect(static_cast<int>(surface.left + e.left), static_cast<int>(surface.top + e.top),
                 static_cast<int>(e.width), static_cast<int>(e.height));
  }
  void Deal() {
    Send(::tlj::testing::NewHandFrame(100));
    Send(::tlj::testing::TurnFrame({.seat = 1, .rank0 = 5, .rank1 = 11}), kDealTime);
  }
  // A left click in the middle of an element, as the user makes it in the window, and the time
  // the loop takes to handle it.
  void ClickInWindow(const std::string& window, const std::string& name,
                     std::optional<int> index = {}) {
    renderer->Sync();
    const platform::Window* w = h.tree.FindWin(window);
    ASSERT_NE(w, nullptr) << window;
    const platform::Element* target = h.tree.Find(window, name, index);
    ASSERT_NE(target, nullptr) << name;
    for (const PlacedElement& placed : PlaceElements(*w)) {
      if (placed.element != target) continue;
      QTest::mouseClick(renderer->View(window), Qt::LeftButton, {}, placed.rect.center());
      h.RunFor(100);
      return;
    }
    FAIL() << name << " does not show in " << window;
  }
  // Records what reaches the model on the table window's element `name`.
  void Record(const std::string& name, std::initializer_list<platform::EventKind> kinds) {
    for (platform::EventKind kind : kinds)
      h.tree.On("MainForm", name, kind,
                [this](const platform::ElementEvent& e) { reached.push_back(e); });
  }

  std::unique_ptr<Renderer> renderer;
  std::vector<platform::ElementEvent> reached;
};

}  // namespace tlj::desktop::testing
