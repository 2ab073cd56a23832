// The converter's airport source: the data file is read once per run, at the
// first lookup, and every lookup of the run is answered from memory.
#pragma once

#include <string>

#include "route/AirportIndex.h"
#include "route/AirportSource.h"

class IndexedAirportSource : public AirportSource {
 public:
  // Answers from the index of the file at `data.Path()`, reading that file into
  // it first when it has not been read yet (or the path now names another file).
  // The answers are the scan's on the file as it was when read: a file that
  // changes later in the run is not read again, and a failed read stays failed.
  // When the file cannot be opened nothing is kept: the next lookup tries again,
  // as a scan would.
  AirportSourceResult FindAirport(AirportFileAccess& data, const char* ident, AirportLine& fields) override;

 private:
  AirportIndex index_;
  std::string indexedPath_;
  bool indexed_ = false;
};
