// The two save commands over the export-type table.
#include "commands/SaveCommands.h"

#include <cstdio>

#include "App.h"
#include "commands/BuildGuard.h"
#include "commands/FileNamePart.h"
#include "commands/SaveAsDialog.h"
#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"
#include "writers/ExportType.h"
#include "writers/OutputPath.h"

namespace {

// Runs `type`'s writer and tells the user how it went; true when written.
bool WritePlan(App& app, const ExportType& type, char* path, char* name) {
  bool written = type.writer(app, path, name) != 0;
  if (written) {
    ShowFormattedMessage(*app.host.messages, MessageKind::Information, MessageButtons::Ok,
                         type.createdMessage, name);
  } else {
    ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok,
                         type.failedMessage, name);
  }
  return written;
}

// Takes the destination edit's text as the bulk run's path and name.
void TakeEditedDestination(App& app) {
  CommandState& commands = app.commands;
  app.host.window->GetControlText(kDestinationEdit, commands.bulkPath, kPathSize);
  // The path is at most 259 characters, so its last part fits the name. Every
  // separator counts: a folder left in the name would be put under each type's.
  std::snprintf(commands.bulkName, sizeof commands.bulkName, "%s", FileNamePart(commands.bulkPath));
  commands.destinationEdited = false;
}

void ReportNothingCreated(App& app) {
  app.host.messages->ShowMessage(
      "No Bulk Flightplans where created!\n"
      "Verify Options..., Settings..., Exports Dialog!\n"
      "Need at least one selected for Bulk plan creation!\n",
      MessageKind::Warning, MessageButtons::Ok);
}

}  // namespace

void SaveAllPlans(App& app) {
  CommandState& commands = app.commands;
  commands.bulkCount = 0;
  if (!PassBuildGuard(app)) return;
  if (commands.destinationEdited) TakeEditedDestination(app);
  for (ExportCode code : kBulkOrder) {
    const ExportType& type = *FindExportType(code);
    if (app.settings.*type.bulkSwitch == 0) continue;
    const char* folder = app.settings.*type.bulkFolder;
    if (MakeOutputPath(app, folder, commands.bulkPath, commands.bulkName, code)) {
      WritePlan(app, type, commands.bulkPath, commands.bulkName);
    } else {
      // A name that does not fit is not written anywhere else.
      ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok,
                           type.failedMessage, commands.bulkName);
    }
    ++commands.bulkCount;
  }
  if (commands.bulkCount == 0) ReportNothingCreated(app);
}

void SavePlanAs(App& app) {
  if (!PassBuildGuard(app)) return;
  ProgramSettings& settings = app.settings;
  if (!SaveAsDialog(app, settings.destFilePath, settings.destFileName)) return;
  app.host.window->SetControlText(kDestinationEdit, settings.destFilePath);
  const ExportType* type = FindExportType(settings.exportType);
  if (type == nullptr) return;  // "All files (*.*)" selects no writer
  WritePlan(app, *type, settings.destFilePath, settings.destFileName);
}
