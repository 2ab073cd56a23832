#include "writers/GarminWaypoints.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "writers/PlanText.h"
#include "writers/WaypointKind.h"

namespace {

constexpr std::size_t kIdentifierLength = 12;
constexpr std::size_t kCommentLength = 25;
constexpr double kMetresPerFoot = 0.3048;
constexpr const char* kUserWaypoint = "USER WAYPOINT";

const char* TypeText(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return "AIRPORT";
    case WaypointKind::Vor: return "VOR";
    case WaypointKind::Ndb: return "NDB";
    case WaypointKind::Intersection: return "INT";
    case WaypointKind::Position: break;
  }
  return kUserWaypoint;
}

bool IsUpperOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Positions as written: equal when the file shows the same numbers.
bool SamePosition(const GarminWaypoint& a, const GarminWaypoint& b) {
  return std::lround(a.latitude * 1e6) == std::lround(b.latitude * 1e6) &&
         std::lround(a.longitude * 1e6) == std::lround(b.longitude * 1e6);
}

const GarminWaypoint* FindEntry(const std::vector<GarminWaypoint>& table, const std::string& identifier,
                                const char* type, std::size_t* index = nullptr) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].identifier == identifier && std::strcmp(table[i].type, type) == 0) {
      if (index != nullptr) *index = i;
      return &table[i];
    }
  }
  return nullptr;
}

// `identifier` with the lowest number from 2 after it (cut to fit 12) that no
// user waypoint of the table has yet.
std::string NumberedIdentifier(const std::vector<GarminWaypoint>& table, const std::string& identifier) {
  for (int number = 2;; ++number) {
    std::string suffix = std::to_string(number);
    std::string candidate = identifier.substr(0, kIdentifierLength - suffix.size()) + suffix;
    if (FindEntry(table, candidate, kUserWaypoint) == nullptr) return candidate;
  }
}

GarminWaypoint EntryOf(const RouteTable& route, uint32_t index) {
  const WaypointRow& row = route.rows[index];
  WaypointKind kind = WaypointKindOf(row.type);
  GarminWaypoint entry;
  entry.identifier = GarminIdentifier(row.ident, "WPT" + std::to_string(index + 1));
  entry.type = TypeText(kind);
  entry.latitude = row.latitude;
  entry.longitude = row.longitude;
  entry.comment = GarminText(AsciiFromAnsi(NameWithBlanks(row.name).c_str()), kCommentLength);
  entry.hasElevation = kind == WaypointKind::Airport;
  entry.elevationMetres = row.altitude * kMetresPerFoot;
  return entry;
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

GarminRoute MakeGarminRoute(const RouteTable& route) {
  GarminRoute garmin;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    GarminWaypoint entry = EntryOf(route, i);
    std::size_t index = 0;
    const GarminWaypoint* known = FindEntry(garmin.table, entry.identifier, entry.type, &index);
    if (known != nullptr && SamePosition(*known, entry)) {
      garmin.points.push_back(index);
      continue;
    }
    if (known != nullptr) {
      entry.identifier = NumberedIdentifier(garmin.table, entry.identifier);
      entry.type = kUserWaypoint;
    }
    garmin.points.push_back(garmin.table.size());
    garmin.table.push_back(entry);
  }
  return garmin;
}
