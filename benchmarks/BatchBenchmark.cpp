// The batch conversion against the disk: plantransit-convert turning 2,000
// generated sources (random airports of the bundled data, 2 to 10 waypoints)
// into MSFS plans in one run, beside the reference pass that reads the same
// sources and writes one file of the same size for each (ReferencePass.cpp).
// Both run as processes into a fresh, empty folder and are timed by the wall
// clock; the batch should take at most twice the reference's time.
#include <spawn.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kSourceCount = 2000;
constexpr unsigned kSeed = 1503;

struct DataAirport {
  std::string ident;
  int elevation;
  double latitude;
  double longitude;
};

// Identifier, elevation and position of every airport line of the data file.
std::vector<DataAirport> ReadAirports(const char* path) {
  std::vector<DataAirport> airports;
  std::FILE* in = std::fopen(path, "rb");
  if (in == nullptr) return airports;
  char line[512];
  while (std::fgets(line, sizeof line, in) != nullptr) {
    char ident[6];
    DataAirport airport;
    if (std::sscanf(line, "%5s %*s %d %lf %lf", ident, &airport.elevation, &airport.latitude,
                    &airport.longitude) == 4) {
      airport.ident = ident;
      airports.push_back(airport);
    }
  }
  std::fclose(in);
  return airports;
}

// A position as the export writes it: hemisphere, whole degrees, minutes.
std::string Coordinate(double value, char positive, char negative) {
  double magnitude = std::fabs(value);
  int degrees = static_cast<int>(magnitude);
  char text[32];
  std::snprintf(text, sizeof text, "%c %d %.2f", value < 0 ? negative : positive, degrees,
                (magnitude - degrees) * 60.0);
  return text;
}

// A FliteStar export of 2 to 10 random airports of the data: the first and the
// last as airports, those between as VORs at a cruising altitude.
std::string SourceText(const std::vector<DataAirport>& airports, std::mt19937& random) {
  int waypoints = 2 + static_cast<int>(random() % 9);
  std::string text = "# FliteStar/FliteMap generated flight plan.\r\nFPL 1\r\n";
  for (int index = 0; index < waypoints; ++index) {
    const DataAirport& airport = airports[random() % airports.size()];
    bool end = index == 0 || index + 1 == waypoints;
    int altitude = end ? airport.elevation : 3000 + 500 * static_cast<int>(random() % 20);
    text += std::string("FWP W ") + (end ? "A " : "V ") + airport.ident + " " +
            Coordinate(airport.latitude, 'N', 'S') + " " + Coordinate(airport.longitude, 'E', 'W') + " " +
            std::to_string(altitude) + "\r\n";
  }
  return text;
}

fs::path WorkFolder() { return fs::temp_directory_path() / "plantransit-batch-benchmark"; }

// The generated sources, written once per process.
const std::vector<std::string>& SourcePaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> written;
    std::vector<DataAirport> airports = ReadAirports(PLANTRANSIT_AIRPORT_DATA);
    if (airports.empty()) return written;
    fs::path folder = WorkFolder() / "sources";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::mt19937 random(kSeed);
    for (int index = 0; index < kSourceCount; ++index) {
      char name[32];
      std::snprintf(name, sizeof name, "plan%05d.txt", index);
      std::string path = (folder / name).string();
      std::string text = SourceText(airports, random);
      std::FILE* out = std::fopen(path.c_str(), "wb");
      if (out == nullptr) return std::vector<std::string>{};
      std::fwrite(text.data(), 1, text.size(), out);
      std::fclose(out);
      written.push_back(path);
    }
    return written;
  }();
  return paths;
}

// Runs `arguments` as a process and waits for it; its exit status, or -1 when
// it could not run or did not exit.
int RunProcess(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Times `command` followed by the output folder (after `outOption`, when given)
// and every source, each iteration into a fresh, empty folder that must then
// hold one file per source.
void TimeBatch(benchmark::State& state, std::vector<std::string> command, const char* outOption) {
  const std::vector<std::string>& sources = SourcePaths();
  if (sources.empty()) {
    state.SkipWithError("the sources could not be generated");
    return;
  }
  fs::path out = WorkFolder() / "out";
  if (outOption != nullptr) command.push_back(outOption);
  command.push_back(out.string());
  command.insert(command.end(), sources.begin(), sources.end());
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    fs::create_directories(out);
    state.ResumeTiming();
    if (RunProcess(command) != 0) {
      state.SkipWithError("the command failed");
      return;
    }
  }
  auto written = std::distance(fs::directory_iterator(out), fs::directory_iterator());
  if (written != kSourceCount) state.SkipWithError("not one file per source");
}

void BM_ConvertBatch(benchmark::State& state) {
  TimeBatch(state,
            {PLANTRANSIT_CONVERTER, "--quiet", "--format", "msfs", "--airports", PLANTRANSIT_AIRPORT_DATA},
            "--out-dir");
}

void BM_ReferencePass(benchmark::State& state) { TimeBatch(state, {PLANTRANSIT_REFERENCE_PASS}, nullptr); }

}  // namespace

BENCHMARK(BM_ConvertBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_ReferencePass)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
