// The airport data reader over arbitrary bytes, as a damaged or foreign data file
// would reach it. Beyond the sanitizers' checks: every line splits exactly as
// sscanf splits it, the block scan finds exactly the line that the line-by-line
// reading finds, and a lookup names the airport that reading names, keeping names,
// runways and list entries within their fields. Where a check has variants (the
// piece length, reads by whole blocks or in small chunks, the ident looked for),
// the input's first and last bytes pick one, so each run stays short and the
// fuzzer reaches every variant.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
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

// The variants one input runs, picked by its first and last bytes (kept in the
// data, so a saved input is still a data file).
struct Choices {
  std::size_t readChunk;    // bytes per read of the chunked readings: 1..8, 0 for no limit
  bool shortPieces;         // the text reader checked in pieces of 4, not 511
  bool chunkedMadeUp;       // the made-up ident's scan reads in chunks, the line's by blocks
  std::size_t madeUp;       // which made-up ident
  std::size_t line;         // which of the first lines' idents
};

Choices ChoicesFor(const uint8_t* data, std::size_t size) {
  if (size == 0) return {0, false, false, 0, 0};
  const uint8_t first = data[0], last = data[size - 1];
  return {last % 9u, (last / 9u) % 2 == 1, (last / 18u) % 2 == 1, first % 4u, (first / 4u) % 4};
}

// The idents to look for: one of some the fuzzer easily makes, and the first word
// of one of the first four lines that have one (none when no line has).
std::vector<std::string> IdentsFor(const std::vector<ReferenceAirportLine>& lines, const Choices& choices) {
  constexpr const char* kMadeUp[] = {"LSZH", "A", "K1", "EDDF"};
  std::vector<std::string> idents = {kMadeUp[choices.madeUp]};
  std::vector<const std::string*> firstWords;
  for (std::size_t line = 0; line < lines.size() && firstWords.size() < 4; ++line) {
    if (lines[line].assigned >= 1) firstWords.push_back(&lines[line].ident);
  }
  if (!firstWords.empty()) idents.push_back(*firstWords[choices.line % firstWords.size()]);
  return idents;
}

void RequireScanAsLineByLine(const std::string& bytes, const std::vector<ReferenceAirportLine>& lines,
                             const std::string& ident, std::size_t readChunk) {
  MemoryFiles files;
  files.Put(kAirportPath, bytes);
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

void RequireSoundLookup(const std::string& bytes, const std::vector<ReferenceAirportLine>& lines,
                        const std::string& ident) {
  FuzzPorts fuzz;
  AirportFile file{};
  std::snprintf(file.path, kPathSize, "%s", kAirportPath);
  fuzz.files.Put(kAirportPath, bytes);
  const AirportLookupPorts ports{fuzz.files, fuzz.environment, fuzz.messages, fuzz.dialogs, fuzz.airports};
  const AirportFound found = LookupAirport(ports, file, ident.c_str());
  Require(std::memchr(found.name, '\0', sizeof found.name) != nullptr, "a name overran its field");
  RequireRunwaysWithinFields(found.runways);
  Require(fuzz.files.openInputs == 0, "a file left open");
  ReferenceAirportLine expected;
  bool known = ReferenceFindAirportLine(lines, ident, expected);
  Require(known ? expected.name == found.name : std::strcmp(found.name, kAirportNotFoundText) == 0,
          "a lookup names the airport unlike the line-by-line reading");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const Choices choices = ChoicesFor(data, size);
  // The line-by-line reading's pieces, split once: the reference for the text
  // reader, the split and the scan alike.
  const std::vector<std::string> pieces = ReferencePieces(bytes, kAirportPieceLength);
  if (choices.shortPieces) {
    RequireReferencePieces(bytes, ReferencePieces(bytes, 4), 4, choices.readChunk);
  } else {
    RequireReferencePieces(bytes, pieces, kAirportPieceLength, choices.readChunk);
  }
  std::vector<ReferenceAirportLine> lines;
  lines.reserve(pieces.size());
  for (const std::string& piece : pieces) {
    AirportLine fields;
    SplitAirportLine(piece.c_str(), fields);
    lines.push_back(ReferenceSplitAirportLine(piece.c_str()));
    RequireSameFields(fields, lines.back());
  }
  // The made-up ident mostly scans the whole file; the line's is mostly found.
  const std::vector<std::string> idents = IdentsFor(lines, choices);
  RequireScanAsLineByLine(bytes, lines, idents.front(), choices.chunkedMadeUp ? choices.readChunk : 0);
  RequireScanAsLineByLine(bytes, lines, idents.back(), choices.chunkedMadeUp ? 0 : choices.readChunk);
  RequireSoundLookup(bytes, lines, idents.back());
  return 0;
}
