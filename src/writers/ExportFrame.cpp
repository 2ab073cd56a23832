// The shared steps of every writer: naming, guarding, creating, checking and
// committing the output file.
#include "writers/ExportFrame.h"

#include <cstdio>

#include "host/MessagePort.h"
#include "writers/FileExtension.h"

namespace {

// The overwrite question: the exists text (which ends in a line end) with the
// question on its second line. True when the user agrees.
bool ConfirmOverwrite(App& app, const char* name, const ExportType& type) {
  char question[512];
  std::snprintf(question, sizeof question, "%s%s", type.texts.exists, kOverwriteQuestion);
  MessageAnswer answer = ShowFormattedMessage(*app.host.messages, MessageKind::Warning,
                                              MessageButtons::YesNo, question, name);
  return answer == MessageAnswer::Yes;
}

std::unique_ptr<OutputFile> ReportCreateFailure(App& app, const char* name, const ExportType& type) {
  ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok,
                       type.texts.createFailure, name);
  return nullptr;
}

}  // namespace

std::unique_ptr<OutputFile> OpenExportFile(App& app, char* path, char* name, const ExportType& type) {
  // A name that cannot take its extension within the buffer is not created under
  // another name: it fails like any file that cannot be created.
  bool extensionsFit = ReplaceExtension(name, type.extension);
  extensionsFit = ReplaceExtension(path, type.extension) && extensionsFit;
  if (path[0] == '\0') {
    ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok, "%s",
                         type.texts.emptyName);
    return nullptr;
  }
  if (!extensionsFit) return ReportCreateFailure(app, name, type);
  if (app.host.files->CanOpenForReading(path) && !ConfirmOverwrite(app, name, type)) return nullptr;
  std::unique_ptr<OutputFile> file = app.host.files->CreateReplacement(path);
  if (file == nullptr) return ReportCreateFailure(app, name, type);
  return file;
}

bool ReportWriteError(App& app, OutputFile& file, const char* name, const char* writeErrorText) {
  if (!file.HasFailed()) return false;
  file.Discard();
  ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok, writeErrorText, name);
  return true;
}

int CloseExportFile(App& app, OutputFile& file, const char* name, const ExportType& type) {
  if (!file.Commit()) {
    ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok,
                         type.texts.writeError, name);
    return 0;
  }
  app.route.routeUnsaved = false;
  return 1;
}
