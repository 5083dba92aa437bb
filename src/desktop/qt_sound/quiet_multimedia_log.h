#pragma once
// Qt Multimedia tells standard error when there is no sound service to play on, which is simply
// how a machine without sound is: the player hears silence and needs no message about it.

namespace tlj::desktop {

// From the first call on, Qt's messages about a missing or lost sound service and the warnings of
// Qt Multimedia's logging categories are dropped; every other message goes on to the handler that
// was there before. Later calls change nothing.
void QuietMultimediaWarnings();

}  // namespace tlj::desktop
