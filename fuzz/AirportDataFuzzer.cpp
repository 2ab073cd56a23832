// The airport data reader over arbitrary bytes, as a damaged or foreign data file
// would reach it. Beyond the sanitizers' checks: every line splits exactly as
// sscanf splits it, the block scan finds exactly the line that the line-by-line
// reading finds, and a lookup keeps names, runways and list entries within their
// fields.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ReaderFuzzing.h"
#include "route/AirportLine.h"
#include "route/AirportLookup.h"
#include "route/AirportScan.h"
#include "support/ReferenceReaders.h"

namespace {

constexpr const char* kAirportPath = "Fsb_apts.txt";

void RequireSameFields(const AirportLine& fields, const ReferenceAirportLine& expected) {
  Require(fields.assigned == expected.assigned, "a field count unlike sscanf's");
  if (expected.assigned >= 1) Require(expected.ident == fields.ident, "an ident unlike sscanf's");
  if (expected.assigned >= 1) Require(expected.identCut == fields.identCut, "an ident cut unlike sscanf's");
  if (expected.assigned >= 2) Require(expected.name == fields.name, "a name unlike sscanf's");
  if (expected.assigned >= 2) Require(expected.nameCut == fields.nameCut, "a name cut unlike sscanf's");
  if (expected.assigned >= 3) Require(expected.elevation == fields.elevation, "an elevation unlike sscanf's");
  for (std::size_t word = 0; word < expected.words.size(); ++word) {
    Require(expected.words[word].substr(0, kAirportWordLength) == fields.words[word], "a word unlike sscanf's");
  }
}

// The idents to look for: some the fuzzer easily makes, and the first words of
// the first lines.
std::vector<std::string> IdentsFor(const std::vector<ReferenceAirportLine>& lines) {
  std::vector<std::string> idents = {"LSZH", "A", "K1", "EDDF"};
  for (std::size_t line = 0; line < lines.size() && line < 4; ++line) {
    if (lines[line].assigned >= 1) idents.push_back(lines[line].ident);
  }
  return idents;
}

void RequireScanAsLineByLine(const std::string& bytes, const std::vector<ReferenceAirportLine>& lines,
                             const std::string& ident, std::size_t readChunk) {
  FakeFileSystem files;
  files.files[kAirportPath] = bytes;
  files.readChunk = readChunk;
  std::unique_ptr<InputFile> file = files.OpenForReading(kAirportPath);
  AirportLine fields;
  AirportScanResult result = FindAirportLine(*file, ident.c_str(), fields);
  ReferenceAirportLine expected;
  bool found = ReferenceFindAirportLine(lines, ident, expected);
  Require(result == (found ? AirportScanResult::Found : AirportScanResult::NotFound),
          "the scan and the line-by-line reading disagree on finding the ident");
  if (found) RequireSameFields(fields, expected);
}

void RequireSoundLookup(const std::string& bytes, const std::string& ident) {
  FuzzPorts fuzz;
  AirportFile file{};
  std::snprintf(file.path, kPathSize, "%s", kAirportPath);
  fuzz.files.files[kAirportPath] = bytes;
  const AirportLookupPorts ports{fuzz.files, fuzz.environment, fuzz.messages, fuzz.dialogs, fuzz.airports};
  const AirportFound found = LookupAirport(ports, file, ident.c_str());
  Require(std::memchr(found.name, '\0', sizeof found.name) != nullptr, "a name overran its field");
  RequireRunwaysWithinFields(found.runways);
  Require(fuzz.files.openInputs == 0, "a file left open");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::size_t readChunk = size > 0 ? data[size - 1] % 9 : 0;
  RequireReferencePieces(bytes, kAirportPieceLength, readChunk);
  RequireReferencePieces(bytes, 4, readChunk);
  std::vector<ReferenceAirportLine> lines = ReferenceAirportLines(bytes);
  for (const std::string& piece : ReferencePieces(bytes, kAirportPieceLength)) {
    AirportLine fields;
    SplitAirportLine(piece.c_str(), fields);
    RequireSameFields(fields, ReferenceSplitAirportLine(piece.c_str()));
  }
  for (const std::string& ident : IdentsFor(lines)) {
    RequireScanAsLineByLine(bytes, lines, ident, 0);
    RequireScanAsLineByLine(bytes, lines, ident, readChunk);
    RequireSoundLookup(bytes, ident);
  }
  return 0;
}
