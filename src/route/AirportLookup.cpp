// The lookup's dialogue with the user around the airport source that finds the
// line: the opening of the data file and the messages.
#include "route/AirportLookup.h"

#include <cstdio>
#include <memory>

#include "route/AirportFileDialog.h"
#include "route/ReadNumber.h"

namespace {

constexpr int kElevationAssigned = 3;
constexpr int kPositionAssigned = 5;

// The data file at the configured path, opened with the search question.
class LookupFileAccess : public AirportFileAccess {
 public:
  LookupFileAccess(const AirportLookupPorts& ports, AirportFile& file) : ports_(ports), file_(file) {}
  const char* Path() const override { return file_.path; }

  // The data file, open; null when the user declined to search for it.
  std::unique_ptr<InputFile> Open() override {
    for (;;) {
      std::unique_ptr<InputFile> file = OpenAirportDataFile(ports_.files, ports_.environment, file_.path);
      if (file != nullptr) return file;
      MessageAnswer answer = ShowFormattedMessage(
          ports_.messages, MessageKind::Warning, MessageButtons::YesNo,
          "Failed to open Airport/Runway Data file %s!\nDo you want to search for it?", file_.name);
      if (answer != MessageAnswer::Yes) return nullptr;
      // Whether the user picked a file or cancelled, the open is tried again.
      OpenAirportFileDialog(ports_.dialogs, file_.path, file_.name);
    }
  }

 private:
  const AirportLookupPorts& ports_;
  AirportFile& file_;
};

void SetName(char (&name)[kNameLength + 1], const char* text) { std::snprintf(name, sizeof name, "%s", text); }

// The position fields 4 and 5 give, when both are decimal degrees in range.
void TakePosition(const AirportLine& fields, AirportFound& found) {
  double latitude = 0;
  double longitude = 0;
  found.hasPosition = fields.assigned >= kPositionAssigned && ReadDecimal(fields.words[0], latitude) &&
                      ReadDecimal(fields.words[1], longitude) && latitude >= -90 && latitude <= 90 &&
                      longitude >= -180 && longitude <= 180;
  if (!found.hasPosition) return;
  found.latitude = latitude;
  found.longitude = longitude;
}

}  // namespace

AirportFound LookupAirport(const AirportLookupPorts& ports, AirportFile& file, const char* ident) {
  LookupFileAccess data(ports, file);
  AirportLine fields;
  AirportFound found{};
  switch (ports.airports.FindAirport(data, ident, fields)) {
    case AirportSourceResult::Found:
      SetName(found.name, fields.name);
      // Only a line with a number there has an elevation; otherwise the row keeps
      // the altitude read from the plan.
      found.hasElevation = fields.assigned >= kElevationAssigned;
      found.elevation = fields.elevation;
      found.runways = ListRunways(fields);
      TakePosition(fields, found);
      break;
    case AirportSourceResult::NotFound:
      SetName(found.name, kAirportNotFoundText);
      break;
    case AirportSourceResult::ReadError:
      ShowFormattedMessage(ports.messages, MessageKind::Error, MessageButtons::Ok,
                           "Error while reading from Airport/Runway Data file %s", file.name);
      SetName(found.name, kAirportErrorText);
      break;
    case AirportSourceResult::NotOpened:
      SetName(found.name, kAirportErrorText);
      break;
  }
  return found;
}
