#include "tests/support/client_harness.h"
