// Opening the source file and the messages that name it.
#include "route/SourceFile.h"

void ReportSourceProblem(const SourcePlan& source, MessageKind kind, const char* format) {
  ShowFormattedMessage(source.messages, kind, MessageButtons::Ok, format, source.name);
}

std::unique_ptr<InputFile> OpenSourceFile(const SourcePlan& source) {
  std::unique_ptr<InputFile> file = source.files.OpenForReading(source.path);
  if (file == nullptr) ReportSourceProblem(source, MessageKind::Error, "Failed to open FliteStar Flightplan file %s");
  return file;
}

void ReportSourceReadError(const SourcePlan& source) {
  ReportSourceProblem(source, MessageKind::Error, "Error while reading from FliteStar Flightplan file %s");
}

bool ReadSourceLines(const SourcePlan& source, TextLineReader& reader,
                     const std::function<bool(const char* line)>& take) {
  char line[kSourcePieceLength + 1];
  for (;;) {
    ReadStatus status = reader.ReadLine(line);
    if (status == ReadStatus::End) return true;
    if (status == ReadStatus::Error) {
      ReportSourceReadError(source);
      return false;
    }
    if (!take(line)) return true;
  }
}
