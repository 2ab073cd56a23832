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

RouteRequest TestRequest() {
  RouteRequest request{kSourcePath, kSourceName, {}};
  std::snprintf(request.airportFile.path, kPathSize, "%s", kAirportPath);
  std::snprintf(request.airportFile.name, kPathSize, "%s", kAirportName);
  return request;
}

RouteRequest SetUpZurichGeneva(FakeFileSystem& files) {
  files.files[kSourcePath] = FliteStarExport({kZurichLine, kTrasadingenLine, kGenevaLine});
  files.files[kAirportPath] = Lines({kZurichAirport, kGenevaAirport});
  return TestRequest();
}
