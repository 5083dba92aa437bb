// A build without Qt Multimedia has no sound library to test.
#ifdef TLJ_QT_MULTIMEDIA

#include "desktop/qt_sound/quiet_multimedia_log.h"

#include <gtest/gtest.h>

#include <string>

#include <QtGlobal>

namespace tlj::desktop {
namespace {

// What Qt writes to standard error for one message, with the filter in place.
std::string Printed(QtMsgType type, const char* category, const char* text) {
  QuietMultimediaWarnings();
  ::testing::internal::CaptureStderr();
  const QMessageLogger logger(__FILE__, __LINE__, Q_FUNC_INFO, category);
  switch (type) {
    case QtDebugMsg:
      logger.debug("%s", text);
      break;
    case QtInfoMsg:
      logger.info("%s", text);
      break;
    case QtWarningMsg:
      logger.warning("%s", text);
      break;
    default:
      logger.critical("%s", text);
      break;
  }
  return ::testing::internal::GetCapturedStderr();
}

TEST(QuietMultimediaLogTest, OnlyTheSoundServicesNoiseIsDropped) {
  struct Case {
    QtMsgType type;
    const char* category;
    const char* text;
    bool printed;
  };
  const Case cases[] = {
      {QtWarningMsg, "default", "PulseAudioService: pa_context_connect() failed", false},
      {QtWarningMsg, "default", "PulseAudioService: Context terminated.", false},
      {QtWarningMsg, "qt.multimedia.soundeffect", "no audio device", false},
      {QtInfoMsg, "qt.multimedia.pulseaudio.output", "underflow", false},
      {QtCriticalMsg, "qt.multimedia.soundeffect", "Failed to play sound", true},
      {QtCriticalMsg, "default", "PulseAudioService: unable to start pulseaudio mainloop", true},
      {QtWarningMsg, "default", "QWidget: a warning of the program's own", true},
      {QtWarningMsg, "qt.qpa.xcb", "PulseAudio is mentioned but not first", true},
  };
  for (const Case& c : cases) {
    const std::string printed = Printed(c.type, c.category, c.text);
    EXPECT_EQ(printed.find(c.text) != std::string::npos, c.printed) << c.text << ": " << printed;
  }
}

}  // namespace
}  // namespace tlj::desktop

#endif  // TLJ_QT_MULTIMEDIA
