#include "cli/SettingsReport.h"

#include "App.h"
#include "config/ConfigurationLocation.h"
#include "config/Settings.h"

namespace {

struct NumberField {
  const char* name;
  int32_t ProgramSettings::*field;
};

struct TextField {
  const char* name;
  char (ProgramSettings::*field)[kPathSize];
};

constexpr NumberField kNumberFields[] = {
    {"menuOption", &ProgramSettings::menuOption},
    {"mouseOption", &ProgramSettings::mouseOption},
    {"showToolbar", &ProgramSettings::showToolbar},
    {"showStatusbar", &ProgramSettings::showStatusbar},
    {"showTooltips", &ProgramSettings::showTooltips},
    {"autogenMode", &ProgramSettings::autogenMode},
    {"defaultFlightType", &ProgramSettings::defaultFlightType},
    {"defaultRouteType", &ProgramSettings::defaultRouteType},
    {"airportSource", &ProgramSettings::airportSource},
    {"exportType", &ProgramSettings::exportType},
    {"bulkAcsGps", &ProgramSettings::bulkAcsGps},
    {"bulkNav", &ProgramSettings::bulkNav},
    {"bulkMsfs", &ProgramSettings::bulkMsfs},
    {"bulkRc99", &ProgramSettings::bulkRc99},
    {"bulkSqb", &ProgramSettings::bulkSqb},
    {"bulkSfp", &ProgramSettings::bulkSfp},
    {"bulkMsfsXml", &ProgramSettings::bulkMsfsXml},
    {"bulkXPlane", &ProgramSettings::bulkXPlane},
    {"bulkGarmin", &ProgramSettings::bulkGarmin},
    {"bulkGpx", &ProgramSettings::bulkGpx},
};

constexpr TextField kTextFields[] = {
    {"airportFilePath", &ProgramSettings::airportFilePath},
    {"airportFileName", &ProgramSettings::airportFileName},
    {"sourceFilePath", &ProgramSettings::sourceFilePath},
    {"sourceFileName", &ProgramSettings::sourceFileName},
    {"destFilePath", &ProgramSettings::destFilePath},
    {"destFileName", &ProgramSettings::destFileName},
    {"defaultSourceDir", &ProgramSettings::defaultSourceDir},
    {"defaultDestDir", &ProgramSettings::defaultDestDir},
    {"msfsDir", &ProgramSettings::msfsDir},
    {"navDir", &ProgramSettings::navDir},
    {"acsGpsDir", &ProgramSettings::acsGpsDir},
    {"rc99Dir", &ProgramSettings::rc99Dir},
    {"sqbDir", &ProgramSettings::sqbDir},
    {"sfpDir", &ProgramSettings::sfpDir},
    {"msfsXmlDir", &ProgramSettings::msfsXmlDir},
    {"xplaneDir", &ProgramSettings::xplaneDir},
    {"garminDir", &ProgramSettings::garminDir},
    {"gpxDir", &ProgramSettings::gpxDir},
};

}  // namespace

void PrintSettingsReport(App& app, std::FILE* out) {
  ConfigurationPaths paths{};
  LocateConfigurationFile(app, paths);
  LoadSettings(app);
  std::fprintf(out, "configuration=%s\n", paths.readPath);
  for (const NumberField& number : kNumberFields) {
    std::fprintf(out, "%s=%d\n", number.name, static_cast<int>(app.settings.*number.field));
  }
  for (const TextField& text : kTextFields) std::fprintf(out, "%s=%s\n", text.name, app.settings.*text.field);
}
