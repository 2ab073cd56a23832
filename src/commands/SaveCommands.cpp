// The two save commands over the registry of formats.
#include "commands/SaveCommands.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "commands/BuildCommand.h"
#include "commands/MainWindowSetup.h"
#include "host/ControlIds.h"
#include "host/FileDialogPort.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"
#include "writers/FileExtension.h"
#include "writers/OutputPath.h"
#include "writers/SaveFrame.h"

namespace {

constexpr const char* kUntestedType =
    "This type of Flight plan file is not yet tested!!!\n"
    "Please verify if it works, thanks to you!!!";

constexpr FileFilter kAllFilesFilter = {"All files (*.*)", "*.*"};

// The filters in registry order, "All files" last: the formats' positions are
// the dialog's, their type numbers what is stored, so a stored type keeps its
// meaning wherever a new format puts its filter.
std::vector<FileFilter> SaveAsFilters() {
  std::vector<FileFilter> filters;
  for (const ExportType& type : kExportTypes) filters.push_back(type.filter);
  filters.push_back(kAllFilesFilter);
  return filters;
}

// The 1-based filter of type number `exportType`: its format's, "All files" for
// its own number. A type from a hand-made configuration file that names neither
// opens on the first, so the dialog never starts without a selected filter.
int FilterOfType(int exportType) {
  if (exportType == kAllFilesType) return kExportTypeCount + 1;
  const ExportType* type = FindExportType(exportType);
  return type != nullptr ? IndexOf(*type) + 1 : 1;
}

// The type number of 1-based filter `filter`.
int TypeOfFilter(int filter) {
  return filter >= 1 && filter <= kExportTypeCount ? kExportTypes[filter - 1].code : kAllFilesType;
}

// Takes the destination edit's text as Save all's path and name.
void TakeEditedDestination(Session& session) {
  CommandState& commands = session.commands;
  session.ports.window->GetControlText(kDestinationEdit, commands.bulkPath, kPathSize);
  // The path is at most 259 characters, so its last part fits the name. Every
  // separator counts: a folder left in the name would be put under each format's.
  std::snprintf(commands.bulkName, sizeof commands.bulkName, "%s", FileNamePartOf(commands.bulkPath));
  commands.destinationEdited = false;
}

void ReportNothingCreated(MessagePort& messages) {
  messages.ShowMessage(
      "No Bulk Flightplans where created!\n"
      "Verify Options..., Settings..., Exports Dialog!\n"
      "Need at least one selected for Bulk plan creation!\n",
      MessageKind::Warning, MessageButtons::Ok);
}

}  // namespace

bool WriteSessionPlan(Session& session, const ExportType& type, char* path, char* name) {
  const SessionPorts& ports = session.ports;
  const ConversionDate date = ReadConversionDate(ports.dates);
  const PlanChoices choices = ReadPlanChoices(*ports.window);
  const PlanInput plan{session.route,       session.departureRunway.text, session.destinationRunway.text,
                       choices.flightRules, choices.routeKind,            date,
                       name};
  const SavedPlan saved = SavePlan(type, plan, path, name, {*ports.files, *ports.messages});
  std::memcpy(path, saved.path, kPathSize);
  std::memcpy(name, saved.name, kPathSize);
  bool written = saved.outcome == SaveOutcome::Written;
  if (written) session.routeUnsaved = false;
  ShowFormattedMessage(*ports.messages, written ? MessageKind::Information : MessageKind::Warning, MessageButtons::Ok,
                       written ? type.createdMessage : type.failedMessage, name);
  return written;
}

void SaveAllPlans(Session& session) {
  CommandState& commands = session.commands;
  commands.bulkCount = 0;
  if (!PassBuildGuard(session)) return;
  if (commands.destinationEdited) TakeEditedDestination(session);
  const ProgramSettings& settings = session.settings;
  const NamingInput naming{settings.autogenMode, settings.sourceFileName, &session.route};
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::saveAll)) {
    if (BulkSwitch(settings, *type) == 0) continue;
    if (MakeOutputPath(naming, BulkFolder(settings, *type), type->extension, commands.bulkPath, commands.bulkName)) {
      WriteSessionPlan(session, *type, commands.bulkPath, commands.bulkName);
    } else {
      // A name that does not fit is not written anywhere else.
      ShowFormattedMessage(*session.ports.messages, MessageKind::Warning, MessageButtons::Ok, type->failedMessage,
                           commands.bulkName);
    }
    ++commands.bulkCount;
  }
  if (commands.bulkCount == 0) ReportNothingCreated(*session.ports.messages);
}

void SavePlanAs(Session& session) {
  if (!PassBuildGuard(session)) return;
  ProgramSettings& settings = session.settings;
  if (!SaveAsDialog(session, settings.destFilePath, settings.destFileName)) return;
  session.ports.window->SetControlText(kDestinationEdit, settings.destFilePath);
  const ExportType* type = FindExportType(settings.exportType);
  if (type == nullptr) return;  // "All files (*.*)" selects no format
  WriteSessionPlan(session, *type, settings.destFilePath, settings.destFileName);
}

int SaveAsDialog(Session& session, char* path, char* name) {
  const std::vector<FileFilter> filters = SaveAsFilters();
  const FileDialogRequest request = {
      "Save as... Flight plan", filters.data(), static_cast<int>(filters.size()),
      FilterOfType(session.settings.exportType), session.settings.defaultDestDir, "pln", false,
  };
  char chosenPath[kPathSize];
  char chosenName[kPathSize];
  std::snprintf(chosenPath, sizeof chosenPath, "%s", path);
  std::snprintf(chosenName, sizeof chosenName, "%s", name);
  int chosenFilter = request.filterIndex;
  if (!session.ports.dialogs->ShowSaveDialog(request, chosenPath, chosenName, &chosenFilter)) return 0;

  session.settings.exportType = TypeOfFilter(chosenFilter);
  const ExportType* chosen = FindExportType(session.settings.exportType);
  if (chosen != nullptr && chosen->untested) {
    session.ports.messages->ShowMessage(kUntestedType, MessageKind::Warning, MessageButtons::Ok);
  }
  std::snprintf(path, kPathSize, "%s", chosenPath);
  std::snprintf(name, kPathSize, "%s", chosenName);
  return 1;
}
