// Writer of export type MSFS: the header block, then one block per waypoint line.
#include "writers/MsfsWriter.h"

#include "host/ControlIds.h"
#include "host/WindowPort.h"
#include "writers/ExportFrame.h"
#include "writers/PlanWriters.h"
#include "writers/RunwayWord.h"
#include "writers/Truncation.h"

namespace {

// A radio button of the main window and the line it writes when chosen, in the
// order the lines are tested.
struct RadioLine {
  int controlId;
  const char* line;
};

constexpr RadioLine kFlightTypeLines[] = {
    {kVfrRadio, "type=VFR\n"},
    {kIfrRadio, "type=IFR\n"},
};

constexpr RadioLine kRouteTypeLines[] = {
    {kDirectGpsRadio, "routetype=0\n"},
    {kVorToVorRadio, "routetype=1\n"},
    {kLowAirwaysRadio, "routetype=2\n"},
    {kHighAirwaysRadio, "routetype=3\n"},
};

template <std::size_t N>
void WriteChosenLines(PlanStream& out, WindowPort& window, const RadioLine (&lines)[N]) {
  for (const RadioLine& radio : lines) {
    if (window.IsButtonChecked(radio.controlId)) out.Print("%s", radio.line);
  }
}

// "<key><ident>, <coordinates>, <signed altitude>" of one row. The sign stands
// inside the ten characters ("-000054.00"): readers take "+-00054.00" as 0 ft.
void WriteAirportLine(PlanStream& out, const char* key, const WaypointRow& row) {
  out.Print("%s%s, %c%02d* %4.2f', %c%03d* %4.2f', %+010.2f\n", key, row.ident, row.latHemisphere,
            row.latDegrees, row.latMinutes, row.lonHemisphere, row.lonDegrees, row.lonMinutes,
            row.altitude);
}

void WriteWaypointLine(PlanStream& out, int index, const WaypointRow& row) {
  out.Print("%s%d=%s, %c, %c%02d* %4.2f', %c%03d* %4.2f', %+010.2f,\n", "waypoint.", index, row.ident,
            row.type, row.latHemisphere, row.latDegrees, row.latMinutes, row.lonHemisphere,
            row.lonDegrees, row.lonMinutes, row.altitude);
}

}  // namespace

void WriteMsfsHeader(PlanStream& out, App& app) {
  const RouteTable& route = app.route;
  const WaypointRow& departure = DepartureRow(route);
  const WaypointRow& destination = DestinationRow(route);
  out.Print("[flightplan]\n");
  out.Print("title=%s to %s\n", departure.ident, destination.ident);
  out.Print("description=%s, %s\n", departure.ident, destination.ident);
  WriteChosenLines(out, *app.host.window, kFlightTypeLines);
  WriteChosenLines(out, *app.host.window, kRouteTypeLines);
  out.Print("cruising_altitude=%d\n", TruncatedToInt32(route.cruiseAltitude));
  WriteAirportLine(out, "departure_id=", departure);
  char position[kRunwayTextLength + 1];
  FirstRunwayWord(route.departureRunway, position);
  out.Print("departure_position=%s\n", position);
  WriteAirportLine(out, "destination_id=", destination);
  WriteAirportLine(out, "alternate_id=", destination);
  out.Print("departure_name=%s\n", departure.name);
  out.Print("destination_name=%s\n", destination.name);
  out.Print("alternate_name=%s\n", destination.name);
}

int WriteMsfsPlan(App& app, char* path, char* name) {
  return RunExportFrame(app, kExportMsfs, path, name, [&](PlanStream& out) {
    WriteMsfsHeader(out, app);
    if (!out.BlockWritten()) return false;
    for (uint32_t i = 0; i < app.route.waypointCount; ++i) {
      WriteWaypointLine(out, static_cast<int>(i), app.route.rows[i]);
      if (!out.BlockWritten()) return false;
    }
    return true;
  });
}
