// Every port as an in-memory fake, and the narrow port sets the core's rooms
// take, pointed at them: the starting point of most core tests.
#pragma once

#include "config/ConfigurationLocation.h"
#include "route/AirportSource.h"
#include "route/RouteBuild.h"
#include "support/FakeDatePort.h"
#include "support/FakeEnvironment.h"
#include "support/FakeFileDialogPort.h"
#include "support/FakeFileSystem.h"
#include "support/FakeFolderDialogPort.h"
#include "support/FakeMessagePort.h"
#include "support/FakeRegistry.h"
#include "writers/SaveFrame.h"

struct TestPorts {
  TestPorts() = default;
  TestPorts(const TestPorts&) = delete;
  TestPorts& operator=(const TestPorts&) = delete;

  RoutePorts Route(BuildProgress* progress = nullptr) {
    return {files, messages, environment, dialogs, airports, progress};
  }
  ConfigurationPorts Configuration() { return {files, environment}; }
  SavePorts Save() { return {files, messages}; }

  FakeMessagePort messages;
  FakeFileSystem files;
  FakeDatePort dates;
  FakeRegistry registry;        // nothing registered
  FakeEnvironment environment;  // no variables: no configuration file
  FakeFileDialogPort dialogs;
  FakeFolderDialogPort folders;
  ScanningAirportSource airports;
};
