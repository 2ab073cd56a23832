// The fields every plan reader reads the same way: positions and their ranges,
// the kind letters of the old formats, the bound on the points of a plan, and
// the wording of the problems a reader reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "route/PlanPoints.h"

// `text` as a problem shows it: cut after 32 bytes ("...") so that a huge field
// never makes a huge message, control characters shown as "?".
std::string Shown(std::string_view text);

// Shown(text) in quotes.
std::string Quoted(std::string_view text);

// "line 12: ", the start of a problem found on that line.
std::string AtLine(std::size_t number);

// `text` as a latitude (-90..90) or longitude (-180..180) in decimal degrees,
// read as ReadDecimal reads it. False, `degrees` untouched, with `problem`
// saying why otherwise: "the latitude \"91.5\" is out of range", "the longitude
// \"8,5\" is no number".
bool ReadLatitudeField(std::string_view text, double& degrees, std::string& problem);
bool ReadLongitudeField(std::string_view text, double& degrees, std::string& problem);

// `text` as a decimal number (ReadDecimal); false, with `problem` "the <what>
// \"12abc\" is no number", otherwise.
bool ReadNumberField(std::string_view text, const char* what, double& value, std::string& problem);

// The signed angle of hemisphere, whole degrees and minutes: 'N'/'S' for a
// latitude, 'E'/'W' for a longitude, in either case. Minutes run from 0 to 60
// (60 itself is how "%.2f" shows 59.996); the angle must lie within its range.
// False, `degrees` untouched, for any other hemisphere or value. Only upper-case
// 'S' and 'W' make the angle negative: the route takes the hemisphere letters of
// a FliteStar export so, and the plans written from it print them as read.
bool AngleFromParts(char hemisphere, int64_t whole, double minutes, double& degrees);

// How the old formats write an angle: hemisphere letter, whole degrees, "*",
// minutes and a closing mark: "N47* 27.48'" in the FS2000/2002 plan, "E 08*
// 26.22m" in the ACS-GPS plan. Blanks may stand between the parts.
struct StarAngleForm {
  const char* what;             // "latitude", "longitude"
  std::string_view hemispheres; // "NS" or "EW" (either case in the file)
  char mark;                    // after the minutes
  const char* example;          // for the problem text
};

// `text` as an angle of `form` (see AngleFromParts for the ranges). False, with
// `problem` ("the latitude \"N47 27.48\" is not written as N47* 27.48'", "the
// latitude \"N95* 0.00'\" is out of range"), otherwise.
bool ReadStarAngleField(std::string_view text, const StarAngleForm& form, double& degrees, std::string& problem);

// "the plan holds more than 10000 points, more than PlanTransit reads".
std::string TooManyPointsProblem();

// Appends `point` to `plan`, its identifier and name made well-formed UTF-8
// (ValidUtf8), or says TooManyPointsProblem() in `problem` and returns false
// when the plan holds kMaxPlanPoints already.
bool AddPoint(PlanPoints& plan, PlanPoint point, std::string& problem);

// A point the file names by its identifier alone, without its position.
PlanPoint PointNamedOnly(std::string ident, PointKind kind);

// The problem of a plan that names points without saying where they are: "SEA
// (element 3) and BTG (element 4) are named without a position: PlanTransit has
// no navaid database and does not guess". Each entry of `named` names a point and
// where the file names it; the first ten are listed, then how many more.
std::string NamedWithoutPositionProblem(const std::vector<std::string>& named);

// The kind of the one-letter waypoint types of the old formats: 'A' airport, 'V'
// VOR, 'N' NDB, 'I' intersection; any other letter says no kind.
PointKind KindOfTypeLetter(char letter);
