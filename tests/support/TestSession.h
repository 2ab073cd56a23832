// A main window's session wired to fresh fakes, the in-memory window among them:
// the starting point of the presenter's tests.
#pragma once

#include "commands/Session.h"
#include "host/ControlIds.h"
#include "support/FakeWindow.h"
#include "support/TestPorts.h"

struct TestSession : TestPorts {
  TestSession() {
    session.ports = {&messages, &window, &files, &dialogs, &dates, &registry, &environment, &folders, &airports};
  }

  FakeWindow window;
  Session session{};
};

// The session's settings name the source at kSourcePath and the data file at
// kAirportPath, and both files are on the fake disk (SetUpZurichGeneva).
void SetUpZurichGeneva(TestSession& t);
