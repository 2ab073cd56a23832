// The batch conversion against the disk: plantransit-convert turning 2,000
// generated sources (random airports of the bundled data, 2 to 10 waypoints)
// into MSFS plans in one run, beside the reference pass that reads the same
// sources and writes one file of the same size for each (ReferencePass.cpp).
// Both run as processes into a fresh, empty folder and are timed by the wall
// clock; the batch should take at most twice the reference's time. The batch
// runs with the read-back of every plan (the default) and with --no-verify, each
// on the disk (the build folder) and on tmpfs (/dev/shm), so that what the
// read-back costs shows apart from what the disk costs.
#include <spawn.h>
#include <sys/statfs.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
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

// Where the sources and the plans go: the disk of the build folder, or tmpfs.
enum class Medium { Disk, Tmpfs };

constexpr long kTmpfsMagic = 0x01021994;  // statfs's f_type of a tmpfs

fs::path WorkFolder(Medium medium) {
  return medium == Medium::Disk ? fs::path(PLANTRANSIT_BENCHMARK_DISK_FOLDER) / "batch-benchmark"
                                : fs::path("/dev/shm/plantransit-batch-benchmark");
}

// True when the medium is there: /dev/shm must be a tmpfs.
bool MediumPresent(Medium medium) {
  if (medium == Medium::Disk) return true;
  struct statfs status;
  return statfs("/dev/shm", &status) == 0 && static_cast<long>(status.f_type) == kTmpfsMagic;
}

// The generated sources in `folder` (the same on every medium); empty when they
// could not be written.
std::vector<std::string> WriteSources(const fs::path& folder) {
  std::vector<std::string> written;
  std::vector<DataAirport> airports = ReadAirports(PLANTRANSIT_AIRPORT_DATA);
  if (airports.empty()) return written;
  std::error_code error;
  fs::remove_all(folder, error);
  fs::create_directories(folder, error);
  std::mt19937 random(kSeed);
  for (int index = 0; index < kSourceCount; ++index) {
    char name[32];
    std::snprintf(name, sizeof name, "plan%05d.txt", index);
    std::string path = (folder / name).string();
    std::string text = SourceText(airports, random);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return {};
    bool complete = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !complete) return {};
    written.push_back(path);
  }
  return written;
}

// The sources on `medium`, written once per process.
const std::vector<std::string>& SourcePaths(Medium medium) {
  static const std::vector<std::string> onDisk = WriteSources(WorkFolder(Medium::Disk) / "sources");
  static const std::vector<std::string> onTmpfs =
      MediumPresent(Medium::Tmpfs) ? WriteSources(WorkFolder(Medium::Tmpfs) / "sources") : std::vector<std::string>{};
  return medium == Medium::Disk ? onDisk : onTmpfs;
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

// A new, empty folder for one run's plans, on `medium`. Runs never reuse a folder
// and nothing is deleted until every run is over: a file system that keeps
// freshly freed inodes out of use for a while (ext4 without a journal) would
// otherwise make every run pay for the files deleted before it.
fs::path NewOutFolder(Medium medium) {
  static int runs = 0;
  fs::path folder = WorkFolder(medium) / "out" / std::to_string(++runs);
  fs::create_directories(folder);
  return folder;
}

// Times `command` followed by an output folder (after `outOption`, when given)
// and every source on `medium`, each iteration into a new, empty folder that
// must then hold one file per source.
void TimeBatch(benchmark::State& state, Medium medium, const std::vector<std::string>& command,
               const char* outOption) {
  if (!MediumPresent(medium)) {
    state.SkipWithError("/dev/shm is no tmpfs here");
    return;
  }
  const std::vector<std::string>& sources = SourcePaths(medium);
  if (sources.empty()) {
    state.SkipWithError("the sources could not be generated");
    return;
  }
  fs::path out;
  for (auto _ : state) {
    state.PauseTiming();
    out = NewOutFolder(medium);
    std::vector<std::string> arguments = command;
    if (outOption != nullptr) arguments.push_back(outOption);
    arguments.push_back(out.string());
    arguments.insert(arguments.end(), sources.begin(), sources.end());
    state.ResumeTiming();
    if (RunProcess(arguments) != 0) {
      state.SkipWithError("the command failed");
      return;
    }
  }
  auto written = std::distance(fs::directory_iterator(out), fs::directory_iterator());
  if (written != kSourceCount) state.SkipWithError("not one file per source");
}

// The converter as a batch runs it; `verify` false adds --no-verify.
void TimeConversion(benchmark::State& state, Medium medium, bool verify) {
  std::vector<std::string> command = {PLANTRANSIT_CONVERTER, "--quiet", "--format", "msfs",
                                      "--airports", PLANTRANSIT_AIRPORT_DATA};
  if (!verify) command.push_back("--no-verify");
  TimeBatch(state, medium, command, "--out-dir");
}

// One timed run per iteration, by the wall clock, in milliseconds.
void Register(const std::string& name, std::function<void(benchmark::State&)> run) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(run))
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(1);
}

}  // namespace

// Names "<what>/<medium>": scripts/benchmark pairs each batch with the reference
// pass on its medium.
int main(int argc, char** argv) {
  for (Medium medium : {Medium::Disk, Medium::Tmpfs}) {
    const std::string where = medium == Medium::Disk ? "/disk" : "/tmpfs";
    Register("BM_Convert" + where, [medium](benchmark::State& state) { TimeConversion(state, medium, true); });
    Register("BM_ConvertNoVerify" + where,
             [medium](benchmark::State& state) { TimeConversion(state, medium, false); });
    Register("BM_Reference" + where, [medium](benchmark::State& state) {
      TimeBatch(state, medium, {PLANTRANSIT_REFERENCE_PASS}, nullptr);
    });
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  for (Medium medium : {Medium::Disk, Medium::Tmpfs}) fs::remove_all(WorkFolder(medium), error);
  return 0;
}
