// The scanning source, and the results of a scan in a source's terms.
#include "route/AirportSource.h"

AirportSourceResult ToSourceResult(AirportScanResult result) {
  switch (result) {
    case AirportScanResult::Found: return AirportSourceResult::Found;
    case AirportScanResult::NotFound: return AirportSourceResult::NotFound;
    case AirportScanResult::ReadError: break;
  }
  return AirportSourceResult::ReadError;
}

AirportSourceResult ScanningAirportSource::FindAirport(AirportFileAccess& data, const char* ident,
                                                       AirportLine& fields) {
  std::unique_ptr<InputFile> file = data.Open();
  if (file == nullptr) return AirportSourceResult::NotOpened;
  return ToSourceResult(FindAirportLine(*file, ident, fields));
}
