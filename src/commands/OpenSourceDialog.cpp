// The source dialog and its refusal of FliteStar's own plan files, which the
// route build cannot read: only the "Generic Text format" export can be converted.
#include "commands/OpenSourceDialog.h"

#include <cstdio>
#include <cstring>

#include "App.h"
#include "commands/Caption.h"
#include "host/FileDialogPort.h"
#include "host/MessagePort.h"

namespace {

const FileFilter kSourceFilters[] = {
    {"Exported FliteStar Flightplan files (*.txt)", "*.txt"},
    {"FliteStar Flightplan files (*.fcf)", "*.fcf"},
    {"All files (*.*)", "*.*"},
};

constexpr const char* kOriginalRefused =
    "Original FliteStar files not yet directly supported!!!\n"
    "Run FliteStar and export Flight plan as Generic Text format file!";

}  // namespace

bool IsFliteStarOriginal(const char* name) {
  const char* extension = std::strrchr(name, '.');
  return extension != nullptr && std::strcmp(extension, ".fcf") == 0;
}

void RefuseFliteStarOriginal(App& app) {
  app.host.messages->ShowMessage(kOriginalRefused, MessageKind::Warning, MessageButtons::Ok);
}

int OpenSourceDialog(App& app, char* path, char* name) {
  const FileDialogRequest request = {
      "Open Flight plan file", kSourceFilters, 3, 1, app.settings.defaultSourceDir, "txt", true,
  };
  char chosenPath[kPathSize] = "*.txt";
  char chosenName[kPathSize] = "*.txt";
  for (;;) {
    if (!app.host.dialogs->ShowOpenDialog(request, chosenPath, chosenName)) return 0;
    if (!IsFliteStarOriginal(chosenName)) break;
    RefuseFliteStarOriginal(app);
  }
  std::snprintf(path, kPathSize, "%s", chosenPath);
  std::snprintf(name, kPathSize, "%s", chosenName);
  SetCaption(*app.host.window, name);
  return 1;
}
