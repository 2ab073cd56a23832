#include "writers/WaypointKind.h"

WaypointKind WaypointKindOf(char type) {
  switch (type) {
    case 'A': return WaypointKind::Airport;
    case 'V': return WaypointKind::Vor;
    case 'N': return WaypointKind::Ndb;
    case 'I': return WaypointKind::Intersection;
    default: return WaypointKind::Position;
  }
}
