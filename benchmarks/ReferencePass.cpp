// The floor the batch conversion is measured against: a program that does only
// the batch's disk work, reading each source whole and writing one new file of
// the same size into the output folder, with the converter's C streams.
// Usage: batch_reference_pass OUT-DIR SOURCE...
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT-DIR SOURCE...\n", argv[0]);
    return 2;
  }
  std::vector<char> bytes(64 * 1024);
  for (int index = 2; index < argc; ++index) {
    std::FILE* in = std::fopen(argv[index], "rb");
    if (in == nullptr) return 1;
    std::size_t size = std::fread(bytes.data(), 1, bytes.size(), in);
    std::fclose(in);
    std::string path = std::string(argv[1]) + "/" + std::to_string(index) + ".pln";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return 1;
    bool written = std::fwrite(bytes.data(), 1, size, out) == size;
    if (std::fclose(out) != 0 || !written) return 1;
  }
  return 0;
}
