// Header and leg lines of the source file.
#include "route/SourceValidation.h"

#include <cstdio>
#include <cstring>

#include "route/SourceFile.h"
#include "route/TextLineReader.h"

namespace {

constexpr const char* kHeaderLine = "# FliteStar/FliteMap generated flight plan.\n";

// Counts the leg lines after the header; false after a read error.
bool CountLegs(const SourcePlan& source, TextLineReader& reader, RouteTable& route) {
  return ReadSourceLines(source, reader, [&route](const char* line) {
    int number = 0;
    if (std::sscanf(line, "FPL %d", &number) == 1) {
      ++route.legCount;
      route.planNumber = number;
    }
    return true;
  });
}

SourceCheck CheckSourceLines(const SourcePlan& source, InputFile& file, RouteTable& route) {
  TextLineReader reader(file, kSourcePieceLength, kSourceBlockSize);
  route.legCount = 0;
  char line[kSourcePieceLength + 1];
  ReadStatus status = reader.ReadLine(line);
  if (status == ReadStatus::Error) {
    ReportSourceReadError(source);
    return SourceCheck::Refused;
  }
  // Without the header it may still be a plan of another kind; the build decides.
  if (std::strcmp(line, kHeaderLine) != 0) return SourceCheck::OtherKind;
  if (!CountLegs(source, reader, route)) return SourceCheck::Refused;
  if (route.legCount == 0) {
    ReportSourceProblem(source, MessageKind::Error, "No valid Leg's found in FliteStar Flightplan file %s");
    return SourceCheck::Refused;
  }
  if (route.legCount > 1) {
    ReportSourceProblem(source, MessageKind::Warning, "More than 1 Leg in FliteStar Flightplan file %s");
  }
  return SourceCheck::FliteStar;
}

}  // namespace

SourceCheck ValidateSourcePlan(const SourcePlan& source, RouteTable& route, BuildProgress* progress) {
  if (source.path[0] == '\0') {
    ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok, "%s",
                         "No FliteStar Flightplan Filename supplied!");
    return SourceCheck::Refused;
  }
  std::unique_ptr<InputFile> file = OpenSourceFile(source);
  if (file == nullptr) return SourceCheck::Refused;
  SourceCheck check = CheckSourceLines(source, *file, route);
  file.reset();
  if (progress != nullptr) progress->WorkEnded();
  return check;
}
