// POSIX rename already replaces the target atomically.
#include <cstdio>

#include "host/StdioFileSystem.h"

bool RenameOverExisting(const char* from, const char* to) { return std::rename(from, to) == 0; }
