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

bool ReadSourceLines(App& app, TextLineReader& reader, const std::function<bool(const char* line)>& take) {
  char line[kSourcePieceLength + 1];
  for (;;) {
    ReadStatus status = reader.ReadLine(line);
    if (status == ReadStatus::End) return true;
    if (status == ReadStatus::Error) {
      ReportSourceReadError(app);
      return false;
    }
    if (!take(line)) return true;
  }
}
