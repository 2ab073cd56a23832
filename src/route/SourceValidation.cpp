// Header and leg lines of the source file.
#include "route/SourceValidation.h"

#include <cstdio>
#include <cstring>

#include "route/BuildFeedback.h"
#include "route/SourceFile.h"
#include "route/TextLineReader.h"

namespace {

constexpr const char* kHeaderLine = "# FliteStar/FliteMap generated flight plan.\n";

// Counts the leg lines after the header; false after a read error.
bool CountLegs(App& app, TextLineReader& reader) {
  return ReadSourceLines(app, reader, [&app](const char* line) {
    int number = 0;
    if (std::sscanf(line, "FPL %d", &number) == 1) {
      ++app.route.legCount;
      app.route.planNumber = number;
    }
    return true;
  });
}

bool CheckSourceLines(App& app, InputFile& file) {
  TextLineReader reader(file, kSourcePieceLength, kSourceBlockSize);
  app.route.legCount = 0;
  char line[kSourcePieceLength + 1];
  ReadStatus status = reader.ReadLine(line);
  if (status == ReadStatus::Error) {
    ReportSourceReadError(app);
    return false;
  }
  if (std::strcmp(line, kHeaderLine) != 0) {
    ReportSourceProblem(app, MessageKind::Error, "%s is not a valid FliteStar Flightplan file!");
    return false;
  }
  if (!CountLegs(app, reader)) return false;
  if (app.route.legCount == 0) {
    ReportSourceProblem(app, MessageKind::Error, "No valid Leg's found in FliteStar Flightplan file %s");
    return false;
  }
  if (app.route.legCount > 1) {
    ReportSourceProblem(app, MessageKind::Warning, "More than 1 Leg in FliteStar Flightplan file %s");
  }
  return true;
}

}  // namespace

bool ValidateSourcePlan(App& app) {
  if (app.settings.sourceFilePath[0] == '\0') {
    ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok, "%s",
                         "No FliteStar Flightplan Filename supplied!");
    return false;
  }
  std::unique_ptr<InputFile> file = OpenSourceFile(app);
  if (file == nullptr) return false;
  bool valid = CheckSourceLines(app, *file);
  file.reset();
  StopBuildFeedback(app);
  return valid;
}
