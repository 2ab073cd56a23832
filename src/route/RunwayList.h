// Filling a runway list of the main window from the matching line of the data
// file, and storing the runway it proposes.
#pragma once

#include "App.h"
#include "route/AirportLine.h"

// Empties list `listId` and adds one entry per part of each runway field of
// `fields` (the list sorts them), then selects and shows the first entry. Its
// text becomes `storedRunway` when shorter than 31 characters; a longer one
// leaves `storedRunway` as it was. When no field gave an entry, the line having
// no runway field included, `storedRunway` becomes empty: a plan never carries
// the runway of the airport looked up before.
void ListRunways(App& app, int listId, const AirportLine& fields,
                 char (&storedRunway)[kRunwayTextLength + 1]);

// The side of an airport the lookup could not give: list `listId` empty and no
// stored runway.
void ListNoRunways(App& app, int listId, char (&storedRunway)[kRunwayTextLength + 1]);
