// The open dialog for a FliteStar export: the source plan of the route build.
#pragma once

struct App;

// Shows the open dialog (title "Open Flight plan file", the FliteStar filters,
// initial folder `defaultSourceDir`) until the user picks a file that is not an
// original FliteStar ".fcf" file or cancels. Each ".fcf" choice is refused with a
// warning and the dialog opens again on that choice. On a pick, copies the full
// path to `path` and the file name to `name` (kPathSize-byte buffers), sets the
// main window's title to the name and answers 1; on Cancel answers 0 and leaves
// both buffers and the title as they were.
int OpenSourceDialog(App& app, char* path, char* name);

// True when `name`'s extension (from its last "." on) is ".fcf" exactly; the
// comparison is case-sensitive, so "x.FCF" is not refused.
bool IsFliteStarOriginal(const char* name);

// Tells the user that FliteStar's own ".fcf" plans cannot be read and the plan
// must be exported as "Generic Text format" (warning).
void RefuseFliteStarOriginal(App& app);
