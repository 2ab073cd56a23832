#include "support/TestRoutes.h"

#include <cstdio>

namespace {

double Decimal(char hemisphere, int degrees, double minutes) {
  double sign = (hemisphere == 'S' || hemisphere == 'W') ? -1.0 : 1.0;
  return (degrees + minutes / 60.0) * sign;
}

void AddZurich(RouteTable& route) {
  AddTestRow(route, 'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.88, 1416);
}

void AddGeneva(RouteTable& route) {
  AddTestRow(route, 'A', "LSGG", "Geneva", 'N', 46, 14.28, 'E', 6, 6.54, 1411);
}

}  // namespace

void AddTestRow(RouteTable& route, char type, const char* ident, const char* name, char latHemisphere,
                int latDegrees, double latMinutes, char lonHemisphere, int lonDegrees, double lonMinutes,
                double altitude) {
  WaypointRow& row = route.rows[route.waypointCount++];
  row = WaypointRow{};
  row.firstCode = 'W';
  row.type = type;
  std::snprintf(row.ident, sizeof row.ident, "%s", ident);
  std::snprintf(row.name, sizeof row.name, "%s", name);
  row.latHemisphere = latHemisphere;
  row.latDegrees = latDegrees;
  row.latMinutes = latMinutes;
  row.lonHemisphere = lonHemisphere;
  row.lonDegrees = lonDegrees;
  row.lonMinutes = lonMinutes;
  row.latitude = Decimal(latHemisphere, latDegrees, latMinutes);
  row.longitude = Decimal(lonHemisphere, lonDegrees, lonMinutes);
  row.altitude = altitude;
}

void MakeZurichGenevaRoute(RouteTable& route) {
  route = RouteTable{};
  AddZurich(route);
  AddTestRow(route, 'V', "TRA", "TRA", 'N', 47, 41.35, 'E', 8, 26.22, 5500);
  AddGeneva(route);
  route.cruiseAltitude = 5500;
  std::snprintf(route.routeText, sizeof route.routeText, "LSZH-TRA-LSGG");
}

void MakeTwoAirportRoute(RouteTable& route) {
  route = RouteTable{};
  AddZurich(route);
  AddGeneva(route);
  std::snprintf(route.routeText, sizeof route.routeText, "LSZH-LSGG");
}
