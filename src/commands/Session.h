// The main window's record of one program run: the route last built and the
// runways chosen for it, the program settings, the state of the commands, and
// the ports the window's commands reach the platform through. One instance lives
// for the whole run and is passed by reference; a value-initialised Session
// starts all zero.
#pragma once

#include <cstdint>

#include "config/ProgramSettings.h"
#include "route/RouteTable.h"

class AirportSource;
class DatePort;
class EnvironmentPort;
class FileDialogPort;
class FileSystem;
class FolderDialogPort;
class MessagePort;
class RegistryPort;
class WindowPort;

// Whoever runs the window (the Win32 shell, a test) points these at its own
// implementations before calling in.
struct SessionPorts {
  MessagePort* messages;
  WindowPort* window;
  FileSystem* files;
  FileDialogPort* dialogs;
  DatePort* dates;
  RegistryPort* registry;
  EnvironmentPort* environment;
  FolderDialogPort* folders;
  AirportSource* airports;  // the window scans the data file anew at every lookup
};

// A runway list's choice: the entry selected last, and its text as the plan takes it.
struct RunwayChoice {
  char text[kRunwayTextLength + 1];
  int32_t index;
};

// The state that ties the steps of a conversion together: whether the
// destination edit changed, and the names Save all writes under.
struct CommandState {
  bool destinationEdited;     // edit 1013 changed since Save all last read it
  int32_t bulkCount;          // formats the current Save all has attempted
  char bulkPath[kPathSize];   // full path of the current Save all plan; kept between runs
  char bulkName[kPathSize];   // its file name; kept between runs (naming rule 3 reuses it)
};

struct Session {
  RouteTable route;           // the last build's route; what was read, when it failed
  bool routeBuilt;            // the last build succeeded
  bool routeUnsaved;          // built and not written since
  RunwayChoice departureRunway;
  RunwayChoice destinationRunway;
  ProgramSettings settings;
  CommandState commands;
  SessionPorts ports;
};
