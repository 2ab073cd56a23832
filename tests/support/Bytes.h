// Reading little-endian fields out of written binary plans, byte by byte, so a
// test states offsets and values independently of the writer's own code.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

inline uint64_t LittleEndianAt(const std::string& bytes, std::size_t offset, std::size_t size) {
  uint64_t value = 0;
  for (std::size_t i = size; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  }
  return value;
}

inline int32_t Int32At(const std::string& bytes, std::size_t offset) {
  return static_cast<int32_t>(static_cast<uint32_t>(LittleEndianAt(bytes, offset, 4)));
}

inline double DoubleAt(const std::string& bytes, std::size_t offset) {
  return std::bit_cast<double>(LittleEndianAt(bytes, offset, 8));
}

// The `size` bytes at `offset` as text, zero bytes included.
inline std::string FieldAt(const std::string& bytes, std::size_t offset, std::size_t size) {
  return bytes.substr(offset, size);
}
