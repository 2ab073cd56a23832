// A flight plan as a plan file holds it: its points in flight order, each with
// the identifier the file gives it, its kind where the file says, its position
// and, where the file keeps one, its altitude; and the runways it names. Readers
// give it; the plans written are checked against it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class PointKind { Airport, Vor, Ndb, Intersection, User, Unknown };

struct PlanPoint {
  std::string ident;        // as the file writes it, in UTF-8
  PointKind kind;           // Unknown where the file does not say
  double latitude;          // decimal degrees, south negative
  double longitude;         // decimal degrees, west negative
  bool hasAltitude;         // the file keeps the point's altitude
  double altitudeFeet;
  std::string name;         // UTF-8; "" when the file names none
  // False for an airport the file names by its identifier alone (a Garmin GFP,
  // an FLP, an MSFS 2024 plan): its position comes from the airport data.
  bool hasPosition = true;
};

struct PlanPoints {
  std::vector<PlanPoint> points;
  std::string departureRunway;    // as the file names it ("16", "07C"); "" for none
  std::string destinationRunway;
};

// The most points a plan file may hold for PlanTransit to read it: far more than
// any route (the route table keeps 32), few enough to bound a reader's memory.
constexpr std::size_t kMaxPlanPoints = 10000;
