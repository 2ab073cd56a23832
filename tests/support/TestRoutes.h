// Route tables for writer tests, filled the way the route build fills them.
#pragma once

#include "route/RouteTable.h"

// Appends a row: type, ident, name, raw coordinates and altitude; the decimal
// coordinates follow from the raw ones.
void AddTestRow(RouteTable& route, char type, const char* ident, const char* name, char latHemisphere,
                int latDegrees, double latMinutes, char lonHemisphere, int lonDegrees, double lonMinutes,
                double altitude);

// The runways a plan of that route is usually given.
constexpr const char* kZurichRunway = "16 12139 ";
constexpr const char* kGenevaRunway = "23 12795 ";

// LSZH (Zurich, 1416 ft) - TRA (VOR, 5500 ft) - LSGG (Geneva, 1411 ft), cruising
// at 5500 ft.
void MakeZurichGenevaRoute(RouteTable& route);

// LSZH - LSGG only, cruising altitude 0.
void MakeTwoAirportRoute(RouteTable& route);
