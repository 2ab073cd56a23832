// Little-endian fields whatever the host, and no byte beyond the buffer.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "writers/ByteWriter.h"

namespace {

std::string Hex(const unsigned char* bytes, std::size_t size) {
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : " %02X", bytes[i]);
    text += pair;
  }
  return text;
}

TEST(ByteWriter, WritesIntegersAndDoublesLowByteFirst) {
  unsigned char buffer[24];
  ByteWriter fields(buffer, sizeof buffer);
  fields.PutInt32(135040);
  fields.PutInt32(-2);
  fields.PutDouble(1.0);
  fields.PutDouble(-47.458);
  EXPECT_FALSE(fields.Overflowed());
  EXPECT_EQ(24u, fields.Offset());
  EXPECT_EQ("80 0F 02 00 FE FF FF FF 00 00 00 00 00 00 F0 3F B4 C8 76 BE 9F BA 47 C0",
            Hex(buffer, sizeof buffer));
}

TEST(ByteWriter, TextFieldsAreCutAtTheirWidthAndFilledWithZeros) {
  unsigned char buffer[12];
  std::memset(buffer, 0xEE, sizeof buffer);
  ByteWriter fields(buffer, sizeof buffer);
  fields.PutText("AB", 4);
  fields.PutText("CDEFGH", 4);  // no room for a terminating zero
  fields.PutText("", 2);
  fields.PutZeros(2);
  EXPECT_EQ("41 42 00 00 43 44 45 46 00 00 00 00", Hex(buffer, sizeof buffer));
}

TEST(ByteWriter, AFieldThatDoesNotFitIsNotWrittenAtAll) {
  unsigned char buffer[8];
  std::memset(buffer, 0xEE, sizeof buffer);
  ByteWriter fields(buffer, 6);
  fields.PutInt32(1);
  fields.PutInt32(2);     // needs bytes 4 to 7 of a 6-byte buffer
  fields.PutText("x", 1); // nothing after an overflow
  EXPECT_TRUE(fields.Overflowed());
  EXPECT_EQ(4u, fields.Offset());
  EXPECT_EQ("01 00 00 00 EE EE EE EE", Hex(buffer, sizeof buffer));
}

}  // namespace
