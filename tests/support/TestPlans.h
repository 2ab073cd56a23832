// Source exports and airport data files for the route tests, put on the fake
// file system.
#pragma once

#include <string>
#include <vector>

#include "route/RouteBuild.h"
#include "support/FakeFileSystem.h"

constexpr const char* kFliteStarHeader = "# FliteStar/FliteMap generated flight plan.\n";
constexpr const char* kSourcePath = "C:\\Plans\\route.txt";
constexpr const char* kSourceName = "route.txt";
constexpr const char* kAirportPath = "C:\\Data\\Fsb_apts.txt";
constexpr const char* kAirportName = "Fsb_apts.txt";

// Waypoint lines of LSZH - TRA (VOR, 5500 ft) - LSGG, as FliteStar exports them.
constexpr const char* kZurichLine = "FWP W A LSZH N 47 27.48 E 8 32.88 1416";
constexpr const char* kTrasadingenLine = "FWP W V TRA N 47 41.35 E 8 26.22 5500";
constexpr const char* kGenevaLine = "FWP W A LSGG N 46 14.28 E 6 6.54 1411";

// Data file lines of the two airports.
constexpr const char* kZurichAirport = "LSZH Zurich 1416 CH 47.458 16_12139 28_8202 34_11155";
constexpr const char* kGenevaAirport = "LSGG Geneva 1411 CH 46.238 05_12795 23_12795";

// Joins `lines`, each followed by "\n".
std::string Lines(const std::vector<std::string>& lines);

// The header, the leg line "FPL 1 ...", then `waypointLines`.
std::string FliteStarExport(const std::vector<std::string>& waypointLines);

// The request of the source at kSourcePath with the data file at kAirportPath.
RouteRequest TestRequest();

// Both files on the fake disk, Zurich - TRA - Geneva and a data file with both
// airports; answers the request that names them.
RouteRequest SetUpZurichGeneva(FakeFileSystem& files);
