// Runway choice: the selection becomes the route's runway, within the text width.
#include "commands/RunwayChoice.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

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
  }
  window.SetControlText(listId, runway);
}
