#include "TestMain.h"

TRELVO_TEST_MAIN
