// Runway choice: the selection becomes the route's runway, within the text width.
#include "commands/RunwayChoice.h"

#include <cstring>

#include "App.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

namespace {

// The index of the entry of list `listId` whose text is `text`, or -1.
int FindListEntry(WindowPort& window, int listId, const char* text) {
  int count = window.ListEntryCount(listId);
  for (int index = 0; index < count; ++index) {
    char entry[kRunwayTextLength + 2];
    if (window.ListEntryLength(listId, index) != static_cast<int>(std::strlen(text))) continue;
    window.GetListEntry(listId, index, entry, static_cast<int>(sizeof entry));
    if (std::strcmp(entry, text) == 0) return index;
  }
  return -1;
}

}  // namespace

void ChooseRunway(App& app, int listId) {
  RouteTable& route = app.route;
  bool departure = listId == kDepartureRunwayList;
  char* runway = departure ? route.departureRunway : route.destinationRunway;
  WindowPort& window = *app.host.window;
  int index = window.ListSelection(listId);
  (departure ? route.departureRunwayIndex : route.destinationRunwayIndex) = index;
  int length = window.ListEntryLength(listId, index);
  // No selection (-1) has no text to take; an entry of 31 characters or more
  // would not fit the runway field.
  if (length >= 0 && length <= kRunwayTextLength) {
    window.GetListEntry(listId, index, runway, kRunwayTextLength + 1);
    window.SetControlText(listId, runway);
    return;
  }
  // A drop-down list shows only its own entries: the box shows the stored runway
  // by selecting its entry (none when the stored runway is not listed).
  window.SelectListEntry(listId, FindListEntry(window, listId, runway));
  window.SetControlText(listId, runway);
}
