// Entries go in where a sorted list puts them: after every entry that sorts
// alike, so the order is the one a sorted drop-down list shows.
#include "route/RunwayList.h"

#include <algorithm>
#include <cstring>

#include "route/RunwayEntry.h"
#include "route/RunwayOrder.h"

namespace {

bool ComesBefore(const std::string& a, const std::string& b) { return CompareListEntries(a.c_str(), b.c_str()) < 0; }

void AddFieldEntries(const char* field, std::vector<std::string>& entries) {
  char entry[kRunwayEntrySize];
  for (const char* cursor = NextRunwayEntry(field, entry); cursor != nullptr;
       cursor = NextRunwayEntry(cursor, entry)) {
    entries.insert(std::upper_bound(entries.begin(), entries.end(), std::string(entry), ComesBefore), entry);
  }
}

}  // namespace

RunwayList ListRunways(const AirportLine& fields) {
  RunwayList list{};
  int fieldCount = RunwayFieldCount(fields);
  for (int index = 0; index < fieldCount; ++index) AddFieldEntries(RunwayField(fields, index), list.entries);
  if (!list.entries.empty() && list.entries.front().size() <= static_cast<std::size_t>(kRunwayTextLength)) {
    std::memcpy(list.proposed, list.entries.front().c_str(), list.entries.front().size() + 1);
  }
  return list;
}
