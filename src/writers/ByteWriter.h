// Fills a fixed byte buffer field by field, numbers in little-endian order
// whatever the host's own order, so the binary plans are the same bytes on every
// platform. No struct is ever dumped: every byte is placed here.
#pragma once

#include <cstddef>
#include <cstdint>

class ByteWriter {
 public:
  // Writes into the `size` bytes at `buffer`, starting at its first byte.
  ByteWriter(unsigned char* buffer, std::size_t size) : buffer_(buffer), size_(size) {}

  // Each Put writes one field at the current offset and moves past it. A field
  // that does not fit in the rest of the buffer is not written at all and marks
  // the writer as overflowed.
  void PutInt32(int32_t value);   // two's complement, 4 bytes
  void PutDouble(double value);   // IEEE 754 double, 8 bytes
  // A text field of `width` bytes: the text's first `width` bytes, then zero bytes
  // to the end of the field (a text that fills the field has no zero in it).
  void PutText(const char* text, std::size_t width);
  void PutZeros(std::size_t count);

  std::size_t Offset() const { return offset_; }
  bool Overflowed() const { return overflowed_; }

 private:
  // The next `count` bytes, or null (and overflowed) when they do not fit.
  unsigned char* Reserve(std::size_t count);
  void PutLittleEndian(uint64_t value, std::size_t byteCount);

  unsigned char* buffer_;
  std::size_t size_;
  std::size_t offset_ = 0;
  bool overflowed_ = false;
};
