#include "desktop/qt_sound/quiet_multimedia_log.h"

#include <mutex>
#include <string_view>

#include <QString>
#include <QtGlobal>

namespace tlj::desktop {
namespace {

QtMessageHandler previous_handler = nullptr;

bool IsMultimediaNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // A critical message or a fatal one is never noise.
  if (type == QtCriticalMsg || type == QtFatalMsg) return false;
  const std::string_view category = context.category != nullptr ? context.category : "";
  // The sound service's own messages come without a category of their own.
  return category.starts_with("qt.multimedia") || text.startsWith(u"PulseAudioService:");
}

void DropMultimediaNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (!IsMultimediaNoise(type, context, text)) previous_handler(type, context, text);
}

}  // namespace

void QuietMultimediaWarnings() {
  static std::once_flag installed;
  std::call_once(installed, [] { previous_handler = qInstallMessageHandler(DropMultimediaNoise); });
}

}  // namespace tlj::desktop
