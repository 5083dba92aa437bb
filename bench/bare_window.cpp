// The floor for the desktop's figures: the least a Qt Widgets program does to show a window with
// one Chinese caption. bench/desktop_figures sets the client's start-up time and memory against
// this program's, started the same way on the same display.
//
// With TLJ_PAINT_LOG naming a file, the first paint appends "MICROSECONDS paint BareWindow" to
// it, on the system's wall clock, as the client's paint log does.

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

void LogFirstPaint() {
  const char* path = std::getenv("TLJ_PAINT_LOG");
  if (path == nullptr || *path == '\0') return;
  std::FILE* file = std::fopen(path, "a");
  if (file == nullptr) return;
  const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  std::fprintf(file, "%lld paint BareWindow\n", static_cast<long long>(now));
  std::fclose(file);
}

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1e, 0x5a, 0x32));
    QFont font = painter.font();
    font.setPixelSize(32);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("铜炉局 · 房间一"));
    if (!painted_) {
      painted_ = true;
      LogFirstPaint();
    }
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow window;
  window.setWindowTitle(QStringLiteral("铜炉局"));
  // The table window's size on the 1280x1024 screen the client is measured on, so that both
  // hold backing stores of one size.
  window.resize(1040, 796);
  window.show();
  return app.exec();
}
