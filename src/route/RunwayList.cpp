// The runway list of one side, through the window port. Redrawing is switched
// off while the entries go in and on again after each field.
#include "route/RunwayList.h"

#include <cstring>

#include "host/WindowPort.h"
#include "route/RunwayEntry.h"

namespace {

// Adds the entries of one runway field; returns how many it gave.
int AddFieldEntries(WindowPort& window, int listId, const char* field) {
  int added = 0;
  char entry[kRunwayEntrySize];
  for (const char* cursor = NextRunwayEntry(field, entry); cursor != nullptr;
       cursor = NextRunwayEntry(cursor, entry)) {
    window.AddListEntry(listId, entry);
    ++added;
  }
  return added;
}

// Selects and shows the list's first entry and proposes it as the stored runway.
void SelectFirstEntry(WindowPort& window, int listId, char (&storedRunway)[kRunwayTextLength + 1]) {
  char text[kRunwayEntrySize];
  window.SelectListEntry(listId, 0);
  window.GetListEntry(listId, 0, text, static_cast<int>(sizeof text));
  window.SetControlText(listId, text);
  int length = window.ListEntryLength(listId, 0);
  if (length < 0 || length > kRunwayTextLength) return;
  std::size_t kept = strnlen(text, kRunwayTextLength);
  std::memcpy(storedRunway, text, kept);
  storedRunway[kept] = '\0';
}

}  // namespace

void ListRunways(App& app, int listId, const AirportLine& fields,
                 char (&storedRunway)[kRunwayTextLength + 1]) {
  WindowPort& window = *app.host.window;
  window.ResetList(listId);
  window.SetListRedraw(listId, false);
  int fieldCount = RunwayFieldCount(fields);
  int entries = 0;
  for (int index = 0; index < fieldCount; ++index) {
    entries += AddFieldEntries(window, listId, RunwayField(fields, index));
    window.SetListRedraw(listId, true);
  }
  // Without a field to switch it back on, the list would never be drawn again.
  if (fieldCount == 0) window.SetListRedraw(listId, true);
  if (entries == 0) {
    storedRunway[0] = '\0';
    return;
  }
  SelectFirstEntry(window, listId, storedRunway);
}

void ListNoRunways(App& app, int listId, char (&storedRunway)[kRunwayTextLength + 1]) {
  app.host.window->ResetList(listId);
  storedRunway[0] = '\0';
}
