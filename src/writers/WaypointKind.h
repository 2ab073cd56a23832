// What a waypoint is, as today's formats name it: the route table's type letter
// read once for all of them.
#pragma once

enum class WaypointKind { Airport, Vor, Ndb, Intersection, Position };

// 'A' airport, 'V' VOR, 'N' NDB, 'I' intersection; any other letter gives no
// kind, so the waypoint is a plain position.
WaypointKind WaypointKindOf(char type);
