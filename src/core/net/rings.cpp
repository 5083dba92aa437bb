#include "core/net/rings.h"

namespace tlj::net {

void ResetRings() {
  RecvRing.read = RecvRing.write = 0;
  SendRing.read = SendRing.write = 0;
}

}  // namespace tlj::net
