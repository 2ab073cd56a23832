// Runway choice: the selection becomes the route's runway, within the text width.
#include "commands/RunwayChoice.h"

#include <cstring>

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

void ChooseRunway(Session& session, int listId) {
  RunwayChoice& choice = listId == kDepartureRunwayList ? session.departureRunway : session.destinationRunway;
  char* runway = choice.text;
  WindowPort& window = *session.ports.window;
  int index = window.ListSelection(listId);
  choice.index = index;
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
