// Windows' rename refuses an existing target; MoveFileEx replaces it.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "host/StdioFileSystem.h"

bool RenameOverExisting(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
