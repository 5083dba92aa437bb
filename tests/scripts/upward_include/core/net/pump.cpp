#include "core/net/channels.h"
#include "core/view/layout.h"
