// The file-name part of a path, as the shell shows and compares file names.
#pragma once

// The text after the last "\", ":" (or "/", which Windows accepts as a separator
// too) of `path`; the whole path when it has none; null for a null path. The
// answer points into `path`.
const char* FileNamePart(const char* path);
