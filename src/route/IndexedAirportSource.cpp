// The index read at the first lookup, kept for the rest of the run.
#include "route/IndexedAirportSource.h"

AirportSourceResult IndexedAirportSource::FindAirport(AirportFileAccess& data, const char* ident,
                                                      AirportLine& fields) {
  if (!indexed_ || indexedPath_ != data.Path()) {
    std::unique_ptr<InputFile> file = data.Open();
    if (file == nullptr) return AirportSourceResult::NotOpened;
    index_.Read(*file);
    // Opening may have asked the user for another file: the index is that one's.
    indexedPath_ = data.Path();
    indexed_ = true;
  }
  return ToSourceResult(index_.Find(ident, fields));
}
