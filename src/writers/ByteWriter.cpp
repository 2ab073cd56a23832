// Little-endian field output by shifts, independent of the host's byte order.
#include "writers/ByteWriter.h"

#include <cstring>

unsigned char* ByteWriter::Reserve(std::size_t count) {
  if (overflowed_ || count > size_ - offset_) {
    overflowed_ = true;
    return nullptr;
  }
  unsigned char* field = buffer_ + offset_;
  offset_ += count;
  return field;
}

void ByteWriter::PutLittleEndian(uint64_t value, std::size_t byteCount) {
  unsigned char* field = Reserve(byteCount);
  if (field == nullptr) return;
  for (std::size_t i = 0; i < byteCount; ++i) field[i] = static_cast<unsigned char>(value >> (8 * i));
}

void ByteWriter::PutInt32(int32_t value) { PutLittleEndian(static_cast<uint32_t>(value), 4); }

void ByteWriter::PutDouble(double value) {
  uint64_t bits;  // memcpy, not std::bit_cast: not every standard library has it yet
  std::memcpy(&bits, &value, sizeof bits);
  PutLittleEndian(bits, 8);
}

void ByteWriter::PutText(const char* text, std::size_t width) {
  unsigned char* field = Reserve(width);
  if (field == nullptr) return;
  const void* end = std::memchr(text, '\0', width);
  std::size_t length = end != nullptr ? static_cast<const char*>(end) - text : width;
  std::memcpy(field, text, length);
  std::memset(field + length, 0, width - length);
}

void ByteWriter::PutZeros(std::size_t count) {
  unsigned char* field = Reserve(count);
  if (field != nullptr) std::memset(field, 0, count);
}
