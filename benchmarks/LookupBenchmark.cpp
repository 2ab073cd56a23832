// The airport lookup against the two bounds it is measured by, on a generated
// data file of 70,000 lines whose wanted airport is on the last line:
//   - the plainest pass over the file: the same 64 KiB blocks, line ends counted
//     with memchr (the floor: the lookup should take at most twice as long);
//   - the line-by-line reading with fgets and sscanf of every line (the lookup
//     should be at least 20 times faster).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "cli/NoFileDialogs.h"
#include "host/MessagePort.h"
#include "host/ProcessEnvironment.h"
#include "host/StdioFileSystem.h"
#include "route/AirportLookup.h"
#include "route/AirportScan.h"

namespace {

constexpr int kDataLines = 70000;
constexpr const char* kLastIdent = "ZZLST";

// Answers every question with No; the benchmark expects none.
class SilentMessages : public MessagePort {
 public:
  MessageAnswer ShowMessage(const char*, MessageKind, MessageButtons) override { return MessageAnswer::No; }
};

std::string IdentFor(int line) {
  static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string ident;
  for (int value = line, width = 0; width < 4; ++width, value /= 36) ident.insert(ident.begin(), digits[value % 36]);
  return "K" + ident;
}

// A data file laid out like the bundled one: CR LF line ends, 0 to 4 runway
// fields of two ends each, the wanted airport last.
const std::string& DataFilePath() {
  static const std::string path = [] {
    std::string file = (std::filesystem::temp_directory_path() / "plantransit-benchmark-apts.txt").string();
    std::FILE* out = std::fopen(file.c_str(), "wb");
    for (int line = 0; line + 1 < kDataLines; ++line) {
      std::fprintf(out, "%s Airport_Number_%d %d %.6f %.6f", IdentFor(line).c_str(), line, line % 9000,
                   (line % 180) - 90.0 + 0.123456, (line % 360) - 180.0 + 0.654321);
      for (int runway = 0; runway < line % 5; ++runway) {
        std::fprintf(out, " %02d_%d-%02d_%d", runway + 1, 3000 + line % 9000, runway + 19, 3000 + line % 9000);
      }
      std::fputs("\r\n", out);
    }
    std::fprintf(out, "%s Last_Airport 1234 47.458056 8.548056 10_8202-28_8202 16_12139-34_12139\r\n", kLastIdent);
    std::fclose(out);
    return file;
  }();
  return path;
}

void BM_LookupAirport(benchmark::State& state) {
  StdioFileSystem files;
  SilentMessages messages;
  ProcessEnvironment environment;
  NoFileDialogs dialogs;
  ScanningAirportSource airports;
  const AirportLookupPorts ports{files, environment, messages, dialogs, airports};
  AirportFile file{};
  std::snprintf(file.path, kPathSize, "%s", DataFilePath().c_str());
  AirportFound found{};
  for (auto _ : state) {
    found = LookupAirport(ports, file, kLastIdent);
    benchmark::DoNotOptimize(found);
  }
  if (std::strcmp(found.name, "Last_Airport") != 0) state.SkipWithError("the lookup did not find the last line");
}

void BM_PlainPass(benchmark::State& state) {
  auto block = std::make_unique<char[]>(kAirportBlockSize);
  long lines = 0;
  for (auto _ : state) {
    std::FILE* in = std::fopen(DataFilePath().c_str(), "rb");
    lines = 0;
    std::size_t count;
    while ((count = std::fread(block.get(), 1, kAirportBlockSize, in)) > 0) {
      const char* cursor = block.get();
      const char* end = cursor + count;
      while (const char* lineFeed = static_cast<const char*>(std::memchr(cursor, '\n', end - cursor))) {
        ++lines;
        cursor = lineFeed + 1;
      }
    }
    std::fclose(in);
    benchmark::DoNotOptimize(lines);
  }
  if (lines != kDataLines) state.SkipWithError("the pass did not count every line");
}

void BM_NaiveLineByLine(benchmark::State& state) {
  // Buffers as large as a line, so this reading cannot overrun; it is the
  // reading's speed that is measured here.
  char line[512], ident[512], name[512], words[12][512];
  int elevation = 0;
  bool found = false;
  for (auto _ : state) {
    std::FILE* in = std::fopen(DataFilePath().c_str(), "r");
    found = false;
    while (!found && std::fgets(line, sizeof line, in) != nullptr) {
      int assigned = std::sscanf(line, "%5s %50s %d %s %s %s %s %s %s %s %s %s %s %s %s", ident, name, &elevation,
                                 words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7],
                                 words[8], words[9], words[10], words[11]);
      found = assigned >= 1 && std::strcmp(ident, kLastIdent) == 0;
    }
    std::fclose(in);
    benchmark::DoNotOptimize(name);
  }
  if (!found) state.SkipWithError("the naive reading did not find the last line");
}

}  // namespace

BENCHMARK(BM_LookupAirport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NaiveLineByLine)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
