// Open (40007, 1011) and a file dropped on the main window: choosing a FliteStar
// export and starting its route build.
#pragma once

#include "commands/Session.h"
#include "host/MessagePort.h"

// Asks about an unsaved route first (Cancel stops), then shows the open dialog on
// the source path and name; when the user picks a file, goes on as
// StartFromSource. A cancelled dialog changes nothing.
void OpenPlan(Session& session);

// The extensions of the plans the route build reads, as the open dialog's first
// filter lists them.
constexpr const char* kReadablePlanPatterns =
    "*.txt;*.pln;*.fms;*.fpl;*.gfp;*.flp;*.fgfp;*.rte;*.gpx;*.kml;*.lnmpln;*.xml";

// Shows the open dialog (title "Open Flight plan file", the filters: every
// readable plan first, then the FliteStar ones; initial folder `defaultSourceDir`) until the user picks a file that is not an
// original FliteStar ".fcf" file or cancels. Each ".fcf" choice is refused with a
// warning and the dialog opens again on that choice. On a pick, copies the full
// path to `path` and the file name to `name` (kPathSize-byte buffers), sets the
// main window's title to the name and answers 1; on Cancel answers 0 and leaves
// both buffers and the title as they were.
int OpenSourceDialog(Session& session, char* path, char* name);

// Takes `droppedPath` as the source plan: the unsaved-plan question first
// (Cancel stops), a FliteStar ".fcf" original refused with the open dialog's
// warning, otherwise the plan adopted (AdoptSourcePlan). An empty path does
// nothing.
void TakeDroppedSourcePlan(Session& session, const char* droppedPath);

// Makes `path` (its file name `name`) the source plan: stores both, titles the
// window with the name and goes on as StartFromSource.
void AdoptSourcePlan(Session& session, const char* path, const char* name);

// What follows the choice of a new source file, with `sourceFilePath` and
// `sourceFileName` already set: clears `routeUnsaved`, disables Details and
// Print, shows the source path in edit 1010, posts Build (1019) so the build
// runs after the current command, and names the destination (ProposeDestination).
// `routeBuilt` keeps its value until the build has run.
void StartFromSource(Session& session);

// True when `name`'s extension (from its last "." on) is ".fcf" exactly; the
// comparison is case-sensitive, so "x.FCF" is not refused.
bool IsFliteStarOriginal(const char* name);

// Tells the user that FliteStar's own ".fcf" plans cannot be read and the plan
// must be exported as "Generic Text format" (warning).
void RefuseFliteStarOriginal(MessagePort& messages);
