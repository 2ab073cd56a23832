// The main window for tests: the in-memory window, whose state the tests read and
// set directly.
#pragma once

#include "host/MemoryWindow.h"

using FakeWindow = MemoryWindow;
