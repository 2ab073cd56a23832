// Opening the source file and the messages that name it.
#include "route/SourceFile.h"

void ReportSourceProblem(App& app, MessageKind kind, const char* format) {
  ShowFormattedMessage(*app.host.messages, kind, MessageButtons::Ok, format, app.settings.sourceFileName);
}

std::unique_ptr<InputFile> OpenSourceFile(App& app) {
  std::unique_ptr<InputFile> file = app.host.files->OpenForReading(app.settings.sourceFilePath);
  if (file == nullptr) {
    ReportSourceProblem(app, MessageKind::Error, "Failed to open FliteStar Flightplan file %s");
  }
  return file;
}

void ReportSourceReadError(App& app) {
  ReportSourceProblem(app, MessageKind::Error, "Error while reading from FliteStar Flightplan file %s");
}
