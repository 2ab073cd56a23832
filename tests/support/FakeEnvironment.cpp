#include "support/FakeEnvironment.h"

#include <cstring>

namespace {

bool CopyFolder(const std::string& folder, char* out, std::size_t outSize) {
  if (folder.empty() || folder.size() + 1 > outSize) return false;
  std::memcpy(out, folder.c_str(), folder.size() + 1);
  return true;
}

}  // namespace

const char* FakeEnvironment::Variable(const char* name) {
  auto variable = variables.find(name);
  return variable == variables.end() ? nullptr : variable->second.c_str();
}

bool FakeEnvironment::WindowsFolder(char* out, std::size_t outSize) {
  return CopyFolder(windowsFolder, out, outSize);
}

bool FakeEnvironment::ProgramFolder(char* out, std::size_t outSize) {
  return CopyFolder(programFolder, out, outSize);
}

bool FakeEnvironment::CurrentFolder(char* out, std::size_t outSize) {
  return CopyFolder(currentFolder, out, outSize);
}
