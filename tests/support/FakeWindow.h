// The main window for tests: the in-memory window, whose state the tests read and
// set directly.
#pragma once

#include "support/MemoryWindow.h"

using FakeWindow = MemoryWindow;
