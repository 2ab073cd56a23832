// Names are chosen in one pass over the route: every identifier the route has is
// reserved first, so a name the writer gives never takes one a later row needs.
#include "writers/GarminWaypoints.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string_view>

#include "writers/PlanNumbers.h"
#include "writers/PlanText.h"
#include "writers/WaypointKind.h"

namespace {

constexpr std::size_t kIdentifierLength = 12;
constexpr std::size_t kCommentLength = 25;
constexpr int kDegreeDecimals = 6;     // as the plan writes positions, "%.6f"
constexpr int kElevationDecimals = 2;  // and elevations, "%.2f"
constexpr double kMetresPerFoot = 0.3048;
constexpr const char* kUserWaypoint = "USER WAYPOINT";

const char* TypeText(WaypointKind kind, GarminLookup lookup) {
  if (lookup == GarminLookup::AirportsOnly && kind != WaypointKind::Airport) return kUserWaypoint;
  switch (kind) {
    case WaypointKind::Airport: return "AIRPORT";
    case WaypointKind::Vor: return "VOR";
    case WaypointKind::Ndb: return "NDB";
    case WaypointKind::Intersection: return "INT";
    case WaypointKind::Position: break;
  }
  return kUserWaypoint;
}

PointKind GarminPointKind(const char* type) {
  std::string_view text = type;
  if (text == "AIRPORT") return PointKind::Airport;
  if (text == "VOR") return PointKind::Vor;
  if (text == "NDB") return PointKind::Ndb;
  if (text == "INT") return PointKind::Intersection;
  return text == kUserWaypoint ? PointKind::User : PointKind::Unknown;
}

bool IsUpperOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The row's identifier as the source has it, in upper case.
std::string SourceIdentifier(const char* ident) {
  std::string identifier;
  for (const char* c = ident; *c != '\0'; ++c) identifier += Upper(*c);
  return identifier;
}

// The schema takes `identifier` as it stands: the unit can look it up.
bool Unchanged(const std::string& identifier) {
  return !identifier.empty() && identifier.size() <= kIdentifierLength &&
         std::all_of(identifier.begin(), identifier.end(), IsUpperOrDigit);
}

// Positions as written: equal when the file shows the same numbers.
bool SamePosition(const GarminWaypoint& a, const GarminWaypoint& b) {
  return std::lround(a.latitude * 1e6) == std::lround(b.latitude * 1e6) &&
         std::lround(a.longitude * 1e6) == std::lround(b.longitude * 1e6);
}

bool HasEntry(const std::vector<GarminWaypoint>& table, const std::string& identifier, const char* type) {
  return std::any_of(table.begin(), table.end(), [&](const GarminWaypoint& entry) {
    return entry.identifier == identifier && std::strcmp(entry.type, type) == 0;
  });
}

// The names no given name may take: every identifier of the route, then each
// name as it is given.
class NameBook {
 public:
  explicit NameBook(const RouteTable& route) {
    for (uint32_t i = 0; i < route.waypointCount; ++i) taken_.insert(SourceIdentifier(route.rows[i].ident));
  }

  // `base` when it is free, else `base` with the lowest number from 2 after it
  // (cut to fit 12) that is; the name is taken from then on.
  std::string Give(const std::string& base) {
    std::string name = base;
    for (int number = 2; taken_.count(name) != 0; ++number) {
      std::string suffix = std::to_string(number);
      name = base.substr(0, kIdentifierLength - suffix.size()) + suffix;
    }
    taken_.insert(name);
    return name;
  }

 private:
  std::set<std::string> taken_;
};

// What makes a later row the same waypoint as an entry: the source's identifier
// and the type it would have, whatever the entry was named.
struct SourceKey {
  std::string identifier;
  const char* type;
};

// The entry of an earlier row of the same source key and position; the table's
// size when there is none.
std::size_t EntryOfSameWaypoint(const std::vector<GarminWaypoint>& table, const std::vector<SourceKey>& keys,
                                const SourceKey& key, const GarminWaypoint& entry) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (keys[i].identifier == key.identifier && std::strcmp(keys[i].type, key.type) == 0 &&
        SamePosition(table[i], entry)) {
      return i;
    }
  }
  return table.size();
}

GarminWaypoint EntryOf(const WaypointRow& row, const char* type) {
  GarminWaypoint entry;
  entry.type = type;
  entry.latitude = WithoutNegativeZero(row.latitude, kDegreeDecimals);
  entry.longitude = WithinLongitudeRange(row.longitude, kDegreeDecimals);
  entry.comment = GarminText(AsciiFromAnsi(PlaceName(row).c_str()), kCommentLength);
  entry.hasElevation = WaypointKindOf(row.type) == WaypointKind::Airport;
  entry.elevationMetres = WithoutNegativeZero(row.altitude * kMetresPerFoot, kElevationDecimals);
  return entry;
}

// Its identifier and type: the source's where the unit can look it up, else a
// user waypoint of a free name.
void NameEntry(GarminWaypoint& entry, const WaypointRow& row, uint32_t index, const std::vector<GarminWaypoint>& table,
               NameBook& names) {
  std::string identifier = SourceIdentifier(row.ident);
  if (Unchanged(identifier) && !HasEntry(table, identifier, entry.type)) {
    entry.identifier = identifier;
    return;
  }
  entry.identifier = names.Give(GarminIdentifier(row.ident, "WPT" + std::to_string(index + 1)));
  entry.type = kUserWaypoint;
}

}  // namespace

std::string GarminIdentifier(const char* ident, const std::string& fallback) {
  std::string identifier;
  for (char c : AsciiFromAnsi(ident)) {
    c = Upper(c);
    if (IsUpperOrDigit(c) && identifier.size() < kIdentifierLength) identifier += c;
  }
  return identifier.empty() ? fallback : identifier;
}

std::string GarminText(const std::string& text, std::size_t length) {
  std::string out;
  bool blankPending = false;
  for (char c : text) {
    c = Upper(c);
    if (!IsUpperOrDigit(c)) {
      blankPending = !out.empty();
      continue;
    }
    if (blankPending) out += ' ';
    blankPending = false;
    out += c;
    if (out.size() >= length) break;
  }
  out.resize(std::min(out.size(), length));
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

PlanPoints GarminPlanPoints(const RouteTable& route, const GarminRoute& garmin) {
  PlanPoints expected;
  for (std::size_t i = 0; i < garmin.points.size(); ++i) {
    std::size_t entry = garmin.points[i];
    std::size_t first = 0;  // the row the entry was made for
    while (garmin.points[first] != entry) ++first;
    const GarminWaypoint& waypoint = garmin.table[entry];
    const WaypointRow& row = route.rows[first];
    expected.points.push_back({waypoint.identifier, GarminPointKind(waypoint.type), row.latitude, row.longitude,
                               waypoint.hasElevation, row.altitude, ""});
  }
  return expected;
}

GarminRoute MakeGarminRoute(const RouteTable& route, GarminLookup lookup) {
  GarminRoute garmin;
  std::vector<SourceKey> keys;  // per entry of the table
  NameBook names(route);
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    SourceKey key{SourceIdentifier(row.ident), TypeText(WaypointKindOf(row.type), lookup)};
    GarminWaypoint entry = EntryOf(row, key.type);
    std::size_t known = EntryOfSameWaypoint(garmin.table, keys, key, entry);
    if (known == garmin.table.size()) {
      NameEntry(entry, row, i, garmin.table, names);
      garmin.table.push_back(entry);
      keys.push_back(key);
    }
    garmin.points.push_back(known);
  }
  return garmin;
}
