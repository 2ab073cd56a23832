// The settings' names as the report gives them; each format's switch and folder
// under the names its registry row gives them.
#include "cli/SettingsReport.h"

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
};

}  // namespace

void PrintSettingsReport(const ConfigurationPorts& configuration, RegistryPort& registry, std::FILE* out) {
  ConfigurationPaths paths{};
  LocateConfigurationFile(configuration, paths);
  ProgramSettings settings{};
  LoadSettings(configuration, registry, settings);
  std::fprintf(out, "configuration=%s\n", paths.readPath);
  for (const NumberField& number : kNumberFields) {
    std::fprintf(out, "%s=%d\n", number.name, static_cast<int>(settings.*number.field));
  }
  for (const ExportType& type : kExportTypes) {
    std::fprintf(out, "%s=%d\n", type.switchField, static_cast<int>(BulkSwitch(settings, type)));
  }
  for (const TextField& text : kTextFields) std::fprintf(out, "%s=%s\n", text.name, settings.*text.field);
  for (const ExportType& type : kExportTypes) std::fprintf(out, "%s=%s\n", type.folderField, BulkFolder(settings, type));
}
