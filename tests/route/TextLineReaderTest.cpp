// The text-mode line reader: CR LF handling, pieces at and around their length,
// read errors, and agreement with a character-by-character reference and with the
// C library's own fgets.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/TextLineReader.h"
#include "support/FakeFileSystem.h"
#include "support/Files.h"
#include "support/ReferenceReaders.h"

namespace {

struct ReadResult {
  std::vector<std::string> pieces;  // each with "\n" when it ends its line
  ReadStatus last;
};

ReadResult ReadAll(InputFile& file, std::size_t pieceLength, std::size_t blockSize) {
  TextLineReader reader(file, pieceLength, blockSize);
  ReadResult result;
  TextPiece piece;
  while ((result.last = reader.Next(piece)) == ReadStatus::Piece) {
    result.pieces.push_back(std::string(piece.text, piece.length) + (piece.endsLine ? "\n" : ""));
  }
  return result;
}

ReadResult ReadBytesInPieces(const std::string& bytes, std::size_t pieceLength, std::size_t blockSize,
                             std::size_t readChunk = 0, std::size_t errorAt = std::string::npos) {
  FakeFileSystem files;
  files.files["f"] = bytes;
  files.readChunk = readChunk;
  if (errorAt != std::string::npos) files.readErrorAt["f"] = {errorAt};
  std::unique_ptr<InputFile> file = files.OpenForReading("f");
  return ReadAll(*file, pieceLength, blockSize);
}

struct PieceCase {
  const char* name;
  std::string bytes;
  std::size_t pieceLength;
  std::vector<std::string> expected;
};

TEST(TextLineReader, CutsPiecesAsWindowsTextModeAndFgetsDo) {
  using namespace std::string_literals;
  const PieceCase cases[] = {
      {"a CR before a LF is dropped", "ab\r\ncd\r\n", 256, {"ab\n", "cd\n"}},
      {"a lone CR is kept", "a\rb\n", 256, {"a\rb\n"}},
      {"of CR CR LF only the second CR is dropped", "a\r\r\n", 256, {"a\r\n"}},
      {"a CR at the end of the file is kept", "a\r", 256, {"a\r"}},
      {"a last line without a line feed is read", "a\nb", 256, {"a\n", "b"}},
      {"a longer line comes in pieces", "abcdefghij\n", 4, {"abcd", "efgh", "ij\n"}},
      {"a line feed after N-1 characters fills the piece", "abc\n", 4, {"abc\n"}},
      {"a line of N characters leaves its line feed alone", "abcd\nx\n", 4, {"abcd", "\n", "x\n"}},
      {"CR LF after N-1 characters ends the piece", "abc\r\nx\n", 4, {"abc\n", "x\n"}},
      {"a CR that is the Nth character stays when no LF follows", "abc\rx\n", 4, {"abc\r", "x\n"}},
      {"a CR LF split by a piece boundary is one line end", "abcd\r\n", 4, {"abcd", "\n"}},
      {"NUL bytes are characters like any other", "a\0b\n"s, 256, {"a\0b\n"s}},
      {"empty lines", "\n\r\n\n", 256, {"\n", "\n", "\n"}},
      {"an empty file has no piece", "", 256, {}},
  };
  for (const PieceCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::size_t blockSize : {c.pieceLength + 1, c.pieceLength + 2, std::size_t{4096}}) {
      for (std::size_t chunk : {std::size_t{0}, std::size_t{1}, std::size_t{3}}) {
        ReadResult result = ReadBytesInPieces(c.bytes, c.pieceLength, blockSize, chunk);
        EXPECT_EQ(c.expected, result.pieces) << "block " << blockSize << ", chunk " << chunk;
        EXPECT_EQ(ReadStatus::End, result.last);
      }
    }
  }
}

TEST(TextLineReader, AgreesWithTheCharacterByCharacterReferenceOnRandomText) {
  std::mt19937 random(20240611);
  const char alphabet[] = {'a', 'b', ' ', '\r', '\n', '\0', '\r', '\n'};
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 200, ' ');
    for (char& c : bytes) c = alphabet[random() % sizeof alphabet];
    for (std::size_t pieceLength : {1, 2, 3, 4, 7, 16}) {
      std::vector<std::string> expected = ReferencePieces(bytes, pieceLength);
      for (std::size_t blockSize : {pieceLength + 1, pieceLength + 2, pieceLength + 5, std::size_t{64}}) {
        for (std::size_t chunk : {std::size_t{0}, std::size_t{1}, std::size_t{2}}) {
          ReadResult result = ReadBytesInPieces(bytes, pieceLength, blockSize, chunk);
          ASSERT_EQ(expected, result.pieces) << "round " << round << ", piece " << pieceLength
                                             << ", block " << blockSize << ", chunk " << chunk;
        }
      }
    }
  }
}

TEST(TextLineReader, DeliversThePiecesBeforeAReadErrorThenReportsIt) {
  const std::string bytes = "one\ntwo\nthree\n";
  struct ErrorCase {
    std::size_t errorAt;
    std::vector<std::string> delivered;
  } cases[] = {
      {0, {}},
      {6, {"one\n"}},
      {8, {"one\n", "two\n"}},
      {13, {"one\n", "two\n"}},  // "three" may go on: it is not a line yet
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE("error at byte " + std::to_string(c.errorAt));
    ReadResult result = ReadBytesInPieces(bytes, 256, 4096, 0, c.errorAt);
    EXPECT_EQ(c.delivered, result.pieces);
    EXPECT_EQ(ReadStatus::Error, result.last);
  }
}

TEST(TextLineReader, KeepsReportingTheErrorAndReadLineGivesAnEmptyLine) {
  FakeFileSystem files;
  files.files["f"] = "one\ntwo\n";
  files.readErrorAt["f"] = {5};
  std::unique_ptr<InputFile> file = files.OpenForReading("f");
  TextLineReader reader(*file, 256, 4096);
  char line[257];
  EXPECT_EQ(ReadStatus::Piece, reader.ReadLine(line));
  EXPECT_STREQ("one\n", line);
  EXPECT_EQ(ReadStatus::Error, reader.ReadLine(line));
  EXPECT_STREQ("", line);
  EXPECT_EQ(ReadStatus::Error, reader.ReadLine(line));
}

// Lines whose lengths straddle the piece length, ending as this platform's text
// mode ends them; fgets itself must cut them exactly as the reader does.
std::string LinesAroundPieceLength(std::size_t pieceLength, bool withCarriageReturns) {
  std::mt19937 random(7);
  std::string bytes;
  for (std::size_t length = 0; length < 3 * pieceLength + 3; length += 1 + random() % 5) {
    for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>('A' + random() % 26);
    if (withCarriageReturns && random() % 4 == 0) bytes += "\rx";  // a lone CR
    bytes += (withCarriageReturns && random() % 2 == 0) ? "\r\n" : "\n";
  }
  return bytes + "last line";
}

TEST(TextLineReader, CutsARealFileExactlyAsTheCLibrarysTextModeFgets) {
#ifdef _WIN32
  const bool textModeDropsCarriageReturns = true;
#else
  const bool textModeDropsCarriageReturns = false;
#endif
  TemporaryFolder folder;
  StdioFileSystem files;
  for (std::size_t pieceLength : {256, 511}) {
    SCOPED_TRACE("pieces of " + std::to_string(pieceLength));
    std::string path = folder.File("lines.txt");
    WriteBytes(path, LinesAroundPieceLength(pieceLength, textModeDropsCarriageReturns));
    std::vector<std::string> expected;
    std::FILE* stream = std::fopen(path.c_str(), "r");
    ASSERT_NE(nullptr, stream);
    std::vector<char> buffer(pieceLength + 1);
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), stream) != nullptr) {
      expected.push_back(buffer.data());
    }
    std::fclose(stream);
    std::unique_ptr<InputFile> file = files.OpenForReading(path.c_str());
    ASSERT_NE(nullptr, file);
    ReadResult result = ReadAll(*file, pieceLength, 1000);
    EXPECT_EQ(expected, result.pieces);
    EXPECT_EQ(ReadStatus::End, result.last);
  }
}

}  // namespace
