#include "core/net/pump.h"
