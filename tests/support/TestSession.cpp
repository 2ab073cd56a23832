#include "support/TestSession.h"

#include <cstdio>

#include "support/TestPlans.h"

void SetUpZurichGeneva(TestSession& t) {
  ProgramSettings& settings = t.session.settings;
  std::snprintf(settings.sourceFilePath, kPathSize, "%s", kSourcePath);
  std::snprintf(settings.sourceFileName, kPathSize, "%s", kSourceName);
  std::snprintf(settings.airportFilePath, kPathSize, "%s", kAirportPath);
  std::snprintf(settings.airportFileName, kPathSize, "%s", kAirportName);
  SetUpZurichGeneva(t.files);
}
