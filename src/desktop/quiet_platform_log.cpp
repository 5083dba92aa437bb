#include "desktop/quiet_platform_log.h"

#include <mutex>

#include <QString>
#include <QtGlobal>

namespace tlj::desktop {
namespace {

QtMessageHandler previous_handler = nullptr;

void DropUnsupportedWindowFeatures(QtMsgType type, const QMessageLogContext& context,
                                   const QString& text) {
  if (type == QtWarningMsg && text.startsWith(u"This plugin does not support")) return;
  if (previous_handler != nullptr) previous_handler(type, context, text);
}

}  // namespace

void QuietPlatformWarnings() {
  static std::once_flag installed;
  std::call_once(installed,
                 [] { previous_handler = qInstallMessageHandler(DropUnsupportedWindowFeatures); });
}

}  // namespace tlj::desktop
