// The converter's command line, parsed with CLI11. CLI11 reports errors by
// throwing; they are caught here and nowhere else.
#include "cli/ConvertOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <map>

#include "PlanTransitVersion.h"
#include "cli/FormatList.h"
#include "route/RouteTable.h"

namespace {

constexpr const char* kProgramName = "plantransit-convert";
constexpr const char* kVersion = "plantransit-convert " PLANTRANSIT_VERSION;

// "MS FS2000/2002 (msfs), ACS-GPS (acs-gps), ... and GPX (gpx)".
std::string FormatTitles() {
  std::string titles;
  for (int i = 0; i < kExportTypeCount; ++i) {
    const char* separator = i == 0 ? "" : i + 1 == kExportTypeCount ? " and " : ", ";
    titles += std::string(separator) + kExportTypes[i].title + " (" + kExportTypes[i].key + ")";
  }
  return titles;
}

const std::map<std::string, int> kNamingRules = {{"source", 0}, {"icao", 1}, {"names", 2}};
const std::map<std::string, int> kFlightTypes = {{"vfr", 0}, {"ifr", 1}};
const std::map<std::string, int> kRouteTypes = {{"gps", 0}, {"vor", 1}, {"low", 2}, {"high", 3}};

// An option that takes one word of `words`; the help and the error show the
// words as users type them ("vfr|ifr"), not the numbers they stand for.
void AddChoice(CLI::App& app, const char* names, int& value, const std::map<std::string, int>& words,
               const char* shown, const char* description) {
  CLI::Validator toNumber(
      [&words, shown](std::string& text) {
        auto found = words.find(text);
        if (found == words.end()) return "\"" + text + "\" is none of " + shown;
        text = std::to_string(found->second);
        return std::string();
      },
      "", "choice");
  app.add_option(names, value, description)->transform(toNumber)->option_text(shown);
}

void Describe(CLI::App& app, ConvertOptions& options, std::string& formatList) {
  app.description("Converts FliteStar/FliteMap \"Generic Text format\" flight plans, and the plans of every format "
                  "it writes, into flight plans for " + FormatTitles() + ".");
  app.add_option("SOURCE", options.sources,
                 "flight plan(s): FliteStar/FliteMap Generic Text exports or plans of any kind PlanTransit reads, "
                 "found from their content")
      ->option_text("FILE...");
  app.add_option("-f,--format", formatList, "comma-separated: " + FormatList() + " (default msfs)")
      ->option_text("LIST");
  app.add_option("-o,--out-dir", options.outDir,
                 "folder of the written plans (default: the current folder); with several formats "
                 "each goes into a subfolder named after its type")
      ->option_text("DIR");
  app.add_option("-a,--airports", options.airportFile,
                 "airport/runway data file (default: the configured one, else the bundled data); "
                 "read once per run, at the first lookup: a file that changes during the run is "
                 "not read again")
      ->option_text("FILE");
  AddChoice(app, "-n,--naming", options.namingRule, kNamingRules, "source|icao|names",
            "how plans are named: after the source file, the ICAO codes (LSZH-LSGG) or the airport "
            "names (default source)");
  AddChoice(app, "--flight-type", options.flightType, kFlightTypes, "vfr|ifr", "flight type (default vfr)");
  AddChoice(app, "--route-type", options.routeType, kRouteTypes, "gps|vor|low|high",
            "route type: direct GPS, VOR to VOR, low or high altitude airways (default vor)");
  const CLI::Validator runwayText(
      [](const std::string& text) {
        return text.size() <= kRunwayTextLength ? std::string() : std::string("at most 30 characters");
      },
      "", "runway");
  app.add_option("--departure-runway", options.departureRunway,
                 "the departure runway to write instead of the one the lookup selected")
      ->option_text("RUNWAY")
      ->check(runwayText);
  app.add_option("--destination-runway", options.destinationRunway,
                 "the destination runway to write instead of the one the lookup selected")
      ->option_text("RUNWAY")
      ->check(runwayText);
  app.add_flag("--force", options.force, "answer Yes to the overwrite question");
  app.add_flag_callback("--no-verify", [&options] { options.verify = false; },
               "do not read each plan back before it replaces anything (by default a plan that does not read "
               "back as written is not saved)");
  app.add_flag("-q,--quiet", options.quiet, "print nothing but errors");
  app.add_flag("--settings", options.showSettings,
               "print the configuration file in use and the settings loaded from it");
  app.add_flag("--list-formats", options.listFormats,
               "print every format: its key, extension, folder and who reads it, one a line");
  app.set_version_flag("--version", kVersion);
}

ParseResult ReportUsageError(const std::string& text) {
  std::fprintf(stderr, "%s: %s\nRun %s --help for the options.\n", kProgramName, text.c_str(),
               kProgramName);
  return ParseResult::UsageError;
}

}  // namespace

ParseResult ParseConvertOptions(int argc, char** argv, ConvertOptions& options) {
  CLI::App app{"", kProgramName};
  // Paths such as /tmp/plan.txt are sources, not Windows-style "/option"s.
  app.allow_windows_style_options(false);
  std::string formatList = "msfs";
  Describe(app, options, formatList);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& helpOrVersion) {  // --help, --version
    app.exit(helpOrVersion);
    return ParseResult::Done;
  } catch (const CLI::ParseError& error) {
    return ReportUsageError(error.what());
  }
  options.overrideDepartureRunway = app.count("--departure-runway") > 0;
  options.overrideDestinationRunway = app.count("--destination-runway") > 0;
  if (std::string problem = FormatsFromList(formatList, options.formats); !problem.empty()) {
    return ReportUsageError(problem);
  }
  if (options.sources.empty() && !options.showSettings && !options.listFormats) {
    return ReportUsageError("no SOURCE given");
  }
  return ParseResult::Run;
}
