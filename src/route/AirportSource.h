// Where the airport lookup gets an airport's line from. The window scans the data
// file anew at every lookup (one build at a time, and the user may change the
// file between builds); the converter reads it once per run into an index
// (IndexedAirportSource), so a batch costs one reading of the file.
#pragma once

#include <memory>

#include "host/FileSystem.h"
#include "route/AirportLine.h"
#include "route/AirportScan.h"

// What a source answers: the line was found, no usable line has the identifier,
// a read failed before the line was met, or the data file could not be opened
// (the user has been asked, and declined to search for it).
enum class AirportSourceResult { Found, NotFound, ReadError, NotOpened };

// The answer of a scan, or of an index standing for one, as a source gives it.
AirportSourceResult ToSourceResult(AirportScanResult result);

// The data file as a source reaches it: its path as configured, and opening it
// with the lookup's dialogue with the user, which may point the path elsewhere.
class AirportFileAccess {
 public:
  // The configured path of the data file, as it stands now.
  virtual const char* Path() const = 0;
  // The data file open from its start; null when it cannot be opened and the
  // user declined to search for it.
  virtual std::unique_ptr<InputFile> Open() = 0;

 protected:
  ~AirportFileAccess() = default;
};

class AirportSource {
 public:
  virtual ~AirportSource() = default;
  // Finds the first usable line of `ident` (see IsUsableAirportLine) in the data
  // file that `data` reaches and splits it into `fields`, exactly as a scan of
  // that file from its start would (FindAirportLine).
  virtual AirportSourceResult FindAirport(AirportFileAccess& data, const char* ident, AirportLine& fields) = 0;
};

// The source that opens and scans the data file at every lookup, as the window
// does: the answer always reflects the file as it is now.
class ScanningAirportSource : public AirportSource {
 public:
  AirportSourceResult FindAirport(AirportFileAccess& data, const char* ident, AirportLine& fields) override;
};
