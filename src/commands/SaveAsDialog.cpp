// The "Save as" dialog: its filter list is the export-type table, so the filter
// index the user ends with is the export type.
#include "commands/SaveAsDialog.h"

#include <cstdio>

#include "App.h"
#include "host/FileDialogPort.h"
#include "host/MessagePort.h"
#include "writers/ExportType.h"

namespace {

constexpr int kSaveAsFilterCount = kExportTypeCount + 1;

constexpr const char* kUntestedType =
    "This type of Flight plan file is not yet tested!!!\n"
    "Please verify if it works, thanks to you!!!";

// Filter i (1-based) is export type i; the last one selects no writer.
void FillSaveAsFilters(FileFilter (&filters)[kSaveAsFilterCount]) {
  for (int i = 0; i < kExportTypeCount; ++i) {
    filters[i] = {kExportTypes[i].filterText, kExportTypes[i].filterPattern};
  }
  filters[kExportTypeCount] = {"All files (*.*)", "*.*"};
}

bool IsUntestedType(int exportType) { return exportType >= kExportAcsGps && exportType <= kExportNav; }

// The filter the dialog opens on: the export type's own. A type from a hand-made
// configuration file that has no filter opens on the first, so the dialog never
// starts without a selected filter and always hands back one of its own.
int OpeningFilter(int exportType) {
  return exportType >= 1 && exportType <= kSaveAsFilterCount ? exportType : 1;
}

}  // namespace

int SaveAsDialog(App& app, char* path, char* name) {
  FileFilter filters[kSaveAsFilterCount];
  FillSaveAsFilters(filters);
  const FileDialogRequest request = {
      "Save as... Flight plan", filters, kSaveAsFilterCount, OpeningFilter(app.settings.exportType),
      app.settings.defaultDestDir, "pln", false,
  };
  char chosenPath[kPathSize];
  char chosenName[kPathSize];
  std::snprintf(chosenPath, sizeof chosenPath, "%s", path);
  std::snprintf(chosenName, sizeof chosenName, "%s", name);
  int chosenFilter = request.filterIndex;
  if (!app.host.dialogs->ShowSaveDialog(request, chosenPath, chosenName, &chosenFilter)) return 0;

  app.settings.exportType = chosenFilter;
  if (IsUntestedType(chosenFilter)) {
    app.host.messages->ShowMessage(kUntestedType, MessageKind::Warning, MessageButtons::Ok);
  }
  std::snprintf(path, kPathSize, "%s", chosenPath);
  std::snprintf(name, kPathSize, "%s", chosenName);
  return 1;
}
