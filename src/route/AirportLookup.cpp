// The lookup's dialogue with the user around the airport source that finds the
// line: the opening of the data file, the messages and the runway lists.
#include "route/AirportLookup.h"

#include <cstdio>
#include <memory>

#include "host/ControlIds.h"
#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "route/AirportDataFile.h"
#include "route/AirportFileDialog.h"
#include "route/AirportSource.h"
#include "route/RunwayList.h"

namespace {

// The data file, open; null when the user declined to search for it.
std::unique_ptr<InputFile> OpenAirportFile(App& app) {
  ProgramSettings& settings = app.settings;
  for (;;) {
    std::unique_ptr<InputFile> file = OpenAirportDataFile(app, settings.airportFilePath);
    if (file != nullptr) return file;
    MessageAnswer answer = ShowFormattedMessage(
        *app.host.messages, MessageKind::Warning, MessageButtons::YesNo,
        "Failed to open Airport/Runway Data file %s!\nDo you want to search for it?",
        settings.airportFileName);
    if (answer != MessageAnswer::Yes) return nullptr;
    // Whether the user picked a file or cancelled, the open is tried again.
    OpenAirportFileDialog(app, settings.airportFilePath, settings.airportFileName);
  }
}

// The data file at the configured path, opened with the search question.
class LookupFileAccess : public AirportFileAccess {
 public:
  explicit LookupFileAccess(App& app) : app_(app) {}
  const char* Path() const override { return app_.settings.airportFilePath; }
  std::unique_ptr<InputFile> Open() override { return OpenAirportFile(app_); }

 private:
  App& app_;
};

AirportSource& SourceOf(App& app) {
  static ScanningAirportSource scanning;
  return app.host.airports != nullptr ? *app.host.airports : scanning;
}

int RunwayListOf(AirportSide side) {
  return side == AirportSide::Departure ? kDepartureRunwayList : kLandingRunwayList;
}

char (&StoredRunwayOf(RouteTable& route, AirportSide side))[kRunwayTextLength + 1] {
  return side == AirportSide::Departure ? route.departureRunway : route.destinationRunway;
}

// Takes the matching line into the side's row, runway list and stored runway.
void TakeAirportLine(App& app, AirportSide side, const AirportLine& fields) {
  RouteTable& route = app.route;
  bool departure = side == AirportSide::Departure;
  // The split assigned the elevation only when the line carries a number there;
  // otherwise the row keeps the altitude read from the plan.
  constexpr int kElevationAssigned = 3;
  if (fields.assigned >= kElevationAssigned && route.waypointCount > 0) {
    WaypointRow& row = route.rows[departure ? 0 : route.waypointCount - 1];
    row.altitude = fields.elevation;
  }
  ListRunways(app, RunwayListOf(side), fields, StoredRunwayOf(route, side));
}

void SetName(char (&name)[kNameLength + 1], const char* text) {
  std::snprintf(name, sizeof name, "%s", text);
}

}  // namespace

void LookupAirport(App& app, const char* ident, AirportSide side, char (&name)[kNameLength + 1]) {
  LookupFileAccess data(app);
  AirportLine fields;
  AirportSourceResult result = SourceOf(app).FindAirport(data, ident, fields);
  if (result != AirportSourceResult::Found) {
    ListNoRunways(app, RunwayListOf(side), StoredRunwayOf(app.route, side));
  }
  switch (result) {
    case AirportSourceResult::Found:
      TakeAirportLine(app, side, fields);
      SetName(name, fields.name);
      break;
    case AirportSourceResult::NotFound:
      SetName(name, kAirportNotFoundText);
      break;
    case AirportSourceResult::ReadError:
      ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok,
                           "Error while reading from Airport/Runway Data file %s",
                           app.settings.airportFileName);
      SetName(name, kAirportErrorText);
      break;
    case AirportSourceResult::NotOpened:
      SetName(name, kAirportErrorText);
      break;
  }
}
