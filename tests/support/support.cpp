#include "support/client_harness.h"
