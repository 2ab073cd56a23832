// The source of a conversion when it is no FliteStar export: a plan file of any
// other kind PlanTransit reads, found from its content, read into the route
// table's rows as the FliteStar reader fills them.
#pragma once

#include "route/PlanPoints.h"
#include "route/RouteTable.h"
#include "route/SourceFile.h"

// A source file larger than this is no flight plan: it is refused unread.
constexpr std::size_t kMaxPlanFileSize = 8 * 1024 * 1024;

// Reads the file at `source.path` whole, finds its kind and reads its points
// into `plan`. False after one message naming the file: it cannot be read, it is
// larger than a plan, it is of no kind PlanTransit reads ("%s is not a valid
// FliteStar Flightplan file!" and the kinds it reads), it is of a kind that does
// not hold a route, or its reader refused it (what and where).
bool ReadOtherPlan(const SourcePlan& source, PlanPoints& plan);

// The points of `plan` as rows of `route`, as the FliteStar reader fills them:
// identifiers in Windows-1252 and cut to 5 characters, the kind letter ('U' for
// a user point and for one whose kind the file does not say), the position with
// its hemisphere, degrees and minutes (0 for a point without one, which the
// build places or refuses), the altitude (0 where the file keeps
// none), and a non-airport's identifier as its name. At most 32 rows: a longer
// plan is cut there with "Maximum Nbr. of MS FS Waypoint's reached in %s: a
// route holds 32 points, the plan N" (error). The route's leg count is 1.
void FillRowsFromPoints(const SourcePlan& source, const PlanPoints& plan, RouteTable& route);

// Gives `row` the position `latitude`, `longitude` (decimal degrees), with its
// hemispheres, degrees and minutes as the FliteStar reader fills them.
void PlaceRow(WaypointRow& row, double latitude, double longitude);

// The end points whose kind the file does not say: those an airport lookup found
// become airports (the build looks them up); the others fail the build.
bool IsUnknownKind(const PlanPoints& plan, std::size_t index);
