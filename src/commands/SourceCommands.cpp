// The source dialog and its refusal of FliteStar's own plan files, which the
// route build cannot read (only the "Generic Text format" export can be
// converted), and the steps a new source plan goes through, chosen or dropped.
#include "commands/SourceCommands.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "commands/BuildCommand.h"
#include "commands/Caption.h"
#include "commands/UnsavedPlan.h"
#include "host/ControlIds.h"
#include "host/FileDialogPort.h"
#include "host/WindowPort.h"
#include "writers/FileExtension.h"

namespace {

// Every kind of plan the route build reads comes first: the kind is found from
// the content, so the extensions only narrow what the dialog lists.
const FileFilter kSourceFilters[] = {
    {"Flight plans (all kinds)", kReadablePlanPatterns},
    {"Exported FliteStar Flightplan files (*.txt)", "*.txt"},
    {"FliteStar Flightplan files (*.fcf)", "*.fcf"},
    {"All files (*.*)", "*.*"},
};

constexpr const char* kOriginalRefused =
    "Original FliteStar files not yet directly supported!!!\n"
    "Run FliteStar and export Flight plan as Generic Text format file!";

}  // namespace

void OpenPlan(Session& session) {
  ProgramSettings& settings = session.settings;
  if (!MayDiscardRoute(session)) return;
  if (!OpenSourceDialog(session, settings.sourceFilePath, settings.sourceFileName)) return;
  StartFromSource(session);
}

int OpenSourceDialog(Session& session, char* path, char* name) {
  const FileDialogRequest request = {
      "Open Flight plan file", kSourceFilters, static_cast<int>(std::size(kSourceFilters)), 1, session.settings.defaultSourceDir, "txt", true,
  };
  // No pattern in the file box: it would hide the kinds the first filter lists.
  char chosenPath[kPathSize] = "";
  char chosenName[kPathSize] = "";
  for (;;) {
    if (!session.ports.dialogs->ShowOpenDialog(request, chosenPath, chosenName)) return 0;
    if (!IsFliteStarOriginal(chosenName)) break;
    RefuseFliteStarOriginal(*session.ports.messages);
  }
  std::snprintf(path, kPathSize, "%s", chosenPath);
  std::snprintf(name, kPathSize, "%s", chosenName);
  SetCaption(*session.ports.window, name);
  return 1;
}

void TakeDroppedSourcePlan(Session& session, const char* droppedPath) {
  if (droppedPath == nullptr || droppedPath[0] == '\0') return;
  if (!MayDiscardRoute(session)) return;
  const char* name = FileNamePartOf(droppedPath);
  if (IsFliteStarOriginal(name)) {
    RefuseFliteStarOriginal(*session.ports.messages);
    return;
  }
  AdoptSourcePlan(session, droppedPath, name);
}

void AdoptSourcePlan(Session& session, const char* path, const char* name) {
  ProgramSettings& settings = session.settings;
  std::snprintf(settings.sourceFilePath, sizeof settings.sourceFilePath, "%s", path);
  std::snprintf(settings.sourceFileName, sizeof settings.sourceFileName, "%s", name);
  SetCaption(*session.ports.window, settings.sourceFileName);
  StartFromSource(session);
}

void StartFromSource(Session& session) {
  WindowPort& window = *session.ports.window;
  session.routeUnsaved = false;
  SetRouteCommandsEnabled(session, false);
  window.SetControlText(kSourceEdit, session.settings.sourceFilePath);
  window.PostCommand(kBuildButton);
  // The table still holds the previous route here; the build names it again.
  ProposeDestination(session);
}

bool IsFliteStarOriginal(const char* name) {
  const char* extension = std::strrchr(name, '.');
  return extension != nullptr && std::strcmp(extension, ".fcf") == 0;
}

void RefuseFliteStarOriginal(MessagePort& messages) {
  messages.ShowMessage(kOriginalRefused, MessageKind::Warning, MessageButtons::Ok);
}
