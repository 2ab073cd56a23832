#include "support/ReferenceReaders.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>

std::vector<std::string> ReferencePieces(const std::string& bytes, std::size_t pieceLength) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i];
  }
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : text) {
    piece += c;
    if (c == '\n' || piece.size() == pieceLength) {
      pieces.push_back(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

namespace {

bool ContinuesWord(const char* text, int offset) {
  return offset >= 0 && text[offset] != '\0' && !std::isspace(static_cast<unsigned char>(text[offset]));
}

}  // namespace

ReferenceAirportLine ReferenceSplitAirportLine(const char* line) {
  // Every buffer holds the whole line (and the 51 bytes a sanitizer reckons a
  // "%50s" may write), so sscanf cannot overrun one here.
  std::size_t size = std::max<std::size_t>(std::strlen(line) + 1, 64);
  // One allocation for the fourteen: the fuzz targets split every line of a file.
  std::vector<char> storage(14 * size);
  char* buffers[14];
  for (std::size_t field = 0; field < 14; ++field) buffers[field] = storage.data() + field * size;
  int elevation = 0;
  int afterIdent = -1, afterName = -1, beforeElevation = -1, afterElevation = -1;
  ReferenceAirportLine result;
  result.assigned = std::sscanf(
      line, "%5s%n %50s%n %n%d%n %s %s %s %s %s %s %s %s %s %s %s %s", buffers[0], &afterIdent,
      buffers[1], &afterName, &beforeElevation, &elevation, &afterElevation, buffers[2],
      buffers[3], buffers[4], buffers[5], buffers[6], buffers[7],
      buffers[8], buffers[9], buffers[10], buffers[11], buffers[12],
      buffers[13]);
  if (result.assigned >= 1) {
    result.ident = buffers[0];
    result.identCut = ContinuesWord(line, afterIdent);
  }
  if (result.assigned >= 2) {
    result.name = buffers[1];
    result.nameCut = ContinuesWord(line, afterName);
  }
  if (result.assigned >= 3) {
    // sscanf's own value beyond the int range differs between C libraries; the
    // readers clamp it, and so does the reference.
    std::string digits(line + beforeElevation, line + afterElevation);
    long long value = std::strtoll(digits.c_str(), nullptr, 10);
    result.elevation = std::clamp<long long>(value, INT32_MIN, INT32_MAX);
  }
  for (int word = 0; word + 3 < result.assigned; ++word) result.words.push_back(buffers[2 + word]);
  return result;
}

std::vector<ReferenceAirportLine> ReferenceAirportLines(const std::string& bytes) {
  std::vector<ReferenceAirportLine> lines;
  for (const std::string& piece : ReferencePieces(bytes, 511)) {
    lines.push_back(ReferenceSplitAirportLine(piece.c_str()));
  }
  return lines;
}

bool ReferenceFindAirportLine(const std::vector<ReferenceAirportLine>& lines, const std::string& ident,
                              ReferenceAirportLine& found) {
  for (const ReferenceAirportLine& line : lines) {
    if (line.assigned >= 1 && !line.identCut && !line.nameCut && line.ident == ident) {
      found = line;
      return true;
    }
  }
  return false;
}
