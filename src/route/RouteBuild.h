// The route build: from a FliteStar "Generic Text format" export to a built
// route, the route table with both airports looked up and the runways each
// airport offers. It knows no window: whoever runs it shows what it returns.
#pragma once

#include "host/EnvironmentPort.h"
#include "host/FileDialogPort.h"
#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "route/AirportDataFile.h"
#include "route/AirportSource.h"
#include "route/BuildProgress.h"
#include "route/RouteTable.h"
#include "route/RunwayList.h"

struct RouteRequest {
  const char* sourcePath;    // the FliteStar export; "" is refused with a message
  const char* sourceName;    // its file name, as every message names it
  AirportFile airportFile;   // the airport/runway data file
};

// What a build reaches: the files, the user (messages, and the dialog that
// searches for a data file that does not open), the program's folder (where the
// bundled data file is), the airport source and, when given, a progress watcher.
struct RoutePorts {
  FileSystem& files;
  MessagePort& messages;
  EnvironmentPort& environment;
  FileDialogPort& dialogs;
  AirportSource& airports;
  BuildProgress* progress = nullptr;
};

enum class RouteOutcome { Built, Failed };

struct BuiltRoute {
  RouteOutcome outcome;
  // Built: a complete route, airports looked up, route text and cruising
  // altitude computed. Failed: what was read before the failure.
  RouteTable route;
  RunwayList departureRunways;    // empty unless built and the airport was found
  RunwayList destinationRunways;
  // The data file as it stands after the lookups: the user may have searched for
  // another one.
  AirportFile airportFile;
};

// Validates the source file (ValidateSourcePlan), reads its waypoint lines into
// the table (at most 32), checks that the route runs from an airport to an
// airport, looks both airports up (LookupAirport: each airport row takes its
// name, and its elevation when the data has one), and computes the route text
// and the cruising altitude. Every problem is told through `ports.messages`; an
// airport that is not found does not fail the build.
BuiltRoute BuildRoute(const RouteRequest& request, const RoutePorts& ports);
