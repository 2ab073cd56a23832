// plantransit-convert: the headless converter. It runs the window's route build,
// naming and save frame over non-interactive ports, for scripts and batches.
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

#include "cli/ConsoleMessagePort.h"
#include "cli/Conversion.h"
#include "cli/ConvertOptions.h"
#include "cli/FormatList.h"
#include "cli/PlatformPorts.h"
#include "cli/SettingsReport.h"
#include "host/UserLocale.h"

namespace {

constexpr int kExitAllWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Converts every source in order; a failed one does not stop the others.
int ConvertAll(Conversion& conversion) {
  const ConvertOptions& options = conversion.options;
  bool showProgress = options.sources.size() > 1 && !options.quiet && isatty(2);
  int failures = 0;
  for (std::size_t i = 0; i < options.sources.size(); ++i) {
    if (showProgress) {
      std::fprintf(stderr, "[%zu/%zu] %s\n", i + 1, options.sources.size(), options.sources[i].c_str());
    }
    if (!ConvertSource(conversion, options.sources[i])) ++failures;
  }
  return failures == 0 ? kExitAllWritten : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
  ConvertOptions options;
  switch (ParseConvertOptions(argc, argv, options)) {
    case ParseResult::Done: return kExitAllWritten;
    case ParseResult::UsageError: return kExitUsage;
    case ParseResult::Run: break;
  }
  AdoptUserDateLocale();

  ConsoleMessagePort messages(options.force, options.quiet);
  PlatformPorts platform;

  if (options.showSettings) {
    PrintSettingsReport({platform.files, platform.environment}, platform.registry, stdout);
    return kExitAllWritten;
  }
  if (options.listFormats) {
    PrintFormatList(stdout);
    return kExitAllWritten;
  }
  const ConverterPorts ports = platform.With(messages);
  Conversion conversion = PrepareConversion(options, ports);
  return ConvertAll(conversion);
}
