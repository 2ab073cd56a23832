#include "support/TestPlans.h"

#include <cstdio>

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string FliteStarExport(const std::vector<std::string>& waypointLines) {
  return kFliteStarHeader + Lines({"FPL 1 LSZH LSGG"}) + Lines(waypointLines);
}

void SetUpZurichGeneva(TestApp& t) {
  ProgramSettings& settings = t.app.settings;
  std::snprintf(settings.sourceFilePath, kPathSize, "%s", kSourcePath);
  std::snprintf(settings.sourceFileName, kPathSize, "%s", kSourceName);
  std::snprintf(settings.airportFilePath, kPathSize, "%s", kAirportPath);
  std::snprintf(settings.airportFileName, kPathSize, "%s", kAirportName);
  t.files.files[kSourcePath] = FliteStarExport({kZurichLine, kTrasadingenLine, kGenevaLine});
  t.files.files[kAirportPath] = Lines({kZurichAirport, kGenevaAirport});
}
