// The platform's ports a converter runs on, all but its messages: the real files,
// no file dialogs, the locale's date, the system registry and environment, and
// the airport data read once into an index. The command-line converter and the
// browser page's module each add their own message port.
#pragma once

#include "cli/Conversion.h"
#include "cli/NoFileDialogs.h"
#include "host/LocaleDatePort.h"
#include "host/ProcessEnvironment.h"
#include "host/StdioFileSystem.h"
#include "host/SystemRegistry.h"
#include "route/IndexedAirportSource.h"

struct PlatformPorts {
  ConverterPorts With(MessagePort& messages) {
    return {messages, files, environment, registry, dialogs, dates, airports};
  }

  StdioFileSystem files;
  NoFileDialogs dialogs;
  LocaleDatePort dates;
  SystemRegistry registry;
  ProcessEnvironment environment;
  // A batch reads the airport data once, not twice per source.
  IndexedAirportSource airports;
};
