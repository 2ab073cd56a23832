// Route tables for writer tests, filled the way the route build fills them.
#pragma once

#include "App.h"

// Appends a row: type, ident, name, raw coordinates and altitude; the decimal
// coordinates follow from the raw ones.
void AddTestRow(RouteTable& route, char type, const char* ident, const char* name, char latHemisphere,
                int latDegrees, double latMinutes, char lonHemisphere, int lonDegrees, double lonMinutes,
                double altitude);

// LSZH (Zurich, 1416 ft) - TRA (VOR, 5500 ft) - LSGG (Geneva, 1411 ft), cruising
// at 5500 ft, departure runway "16 12139 ".
void MakeZurichGenevaRoute(RouteTable& route);

// LSZH - LSGG only, cruising altitude 0.
void MakeTwoAirportRoute(RouteTable& route);
