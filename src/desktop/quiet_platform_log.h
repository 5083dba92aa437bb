#pragma once
// Drops the warnings of a window platform that cannot apply a window's opacity, shape or
// raising (the offscreen one, say): the window is drawn without them, and one warning per
// change of a fading bubble would drown what matters on standard error.

namespace tlj::desktop {

void QuietPlatformWarnings();

}  // namespace tlj::desktop
