// The airport lookup: name, elevation and runways of the departure or the
// destination airport from the airport/runway data file.
#pragma once

#include "App.h"

enum class AirportSide { Departure, Destination };

// The failure texts a lookup gives in place of a name.
constexpr const char* kAirportNotFoundText = "Not found in Airport/Runway Data file!";
constexpr const char* kAirportErrorText = "Error reading Airport/Runway Data file!";

// Looks `ident` up in the file at `airportFilePath`, through the host's airport
// source (a scan of the file when it names none), and fills `name` with the
// airport's name, or with one of the failure texts above. When the file cannot
// be opened, asks whether to search for it (warning, Yes/No): Yes runs
// OpenAirportFileDialog and tries again, No gives the error text. A read error
// is shown (error) and gives the error text. On the first usable line of the
// ident: the side's row (row 0, or the last row in use) takes the elevation, and
// the side's runway list (1021 or 1022) and stored runway are filled by
// ListRunways. Any other outcome leaves the side without a runway (ListNoRunways).
// A lookup never fails the build.
void LookupAirport(App& app, const char* ident, AirportSide side, char (&name)[kNameLength + 1]);
