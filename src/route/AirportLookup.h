// The airport lookup: name, elevation and runways of one airport from the
// airport/runway data file.
#pragma once

#include <cstdint>

#include "host/EnvironmentPort.h"
#include "host/FileDialogPort.h"
#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "route/AirportDataFile.h"
#include "route/AirportSource.h"
#include "route/RunwayList.h"

// The failure texts a lookup gives in place of a name.
constexpr const char* kAirportNotFoundText = "Not found in Airport/Runway Data file!";
constexpr const char* kAirportErrorText = "Error reading Airport/Runway Data file!";

// What a lookup reaches: the data file through the file system (and in the
// program's folder), the airport source that finds the line, and the user, who
// is told of a read error and asked to search for a file that does not open.
struct AirportLookupPorts {
  FileSystem& files;
  EnvironmentPort& environment;
  MessagePort& messages;
  FileDialogPort& dialogs;
  AirportSource& airports;
};

struct AirportFound {
  char name[kNameLength + 1];  // the airport's name, or one of the failure texts above
  bool hasElevation;           // the line carries a number where the elevation stands
  int32_t elevation;           // feet
  RunwayList runways;          // empty unless the airport was found
  // Fields 4 and 5, when they are a latitude and a longitude in decimal degrees
  // (the bundled data's layout); other data files hold other words there.
  bool hasPosition;
  double latitude;
  double longitude;
};

// Looks `ident` up in the data file `file` names, through the airport source. When
// the file cannot be opened, asks whether to search for it (warning, Yes/No): Yes
// runs OpenAirportFileDialog, which may point `file` at another file, and tries
// again; No gives the error text. A read error is shown (error) and gives the
// error text. A lookup never fails the build: every outcome is an answer.
AirportFound LookupAirport(const AirportLookupPorts& ports, AirportFile& file, const char* ident);
