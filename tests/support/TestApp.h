// An App wired to fresh fakes, the starting point of most core tests.
#pragma once

#include "App.h"
#include "host/ControlIds.h"
#include "support/FakeFileDialogPort.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessagePort.h"
#include "support/FakeWindow.h"

struct TestApp {
  TestApp() {
    app.host.messages = &messages;
    app.host.window = &window;
    app.host.files = &files;
    app.host.dialogs = &dialogs;
  }
  TestApp(const TestApp&) = delete;
  TestApp& operator=(const TestApp&) = delete;

  FakeMessagePort messages;
  FakeWindow window;
  FakeFileSystem files;
  FakeFileDialogPort dialogs;
  App app{};
};
