// An App wired to fresh fakes, the starting point of most core tests.
#pragma once

#include "App.h"
#include "host/ControlIds.h"
#include "support/FakeDatePort.h"
#include "support/FakeEnvironment.h"
#include "support/FakeFileDialogPort.h"
#include "support/FakeFileSystem.h"
#include "support/FakeFolderDialogPort.h"
#include "support/FakeMessagePort.h"
#include "support/FakeRegistry.h"
#include "support/FakeWindow.h"

struct TestApp {
  TestApp() {
    app.host.messages = &messages;
    app.host.window = &window;
    app.host.files = &files;
    app.host.dates = &dates;
    app.host.registry = &registry;
    app.host.environment = &environment;
    app.host.dialogs = &dialogs;
    app.host.folders = &folders;
  }
  TestApp(const TestApp&) = delete;
  TestApp& operator=(const TestApp&) = delete;

  FakeMessagePort messages;
  FakeWindow window;
  FakeFileSystem files;
  FakeDatePort dates;
  FakeRegistry registry;        // nothing registered
  FakeEnvironment environment;  // no variables: no configuration file
  FakeFileDialogPort dialogs;
  FakeFolderDialogPort folders;
  App app{};
};
