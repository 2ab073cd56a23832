// Extension handling of output file names.
#pragma once

#include <cstddef>

#include "host/Paths.h"

// Replaces the extension of `text` in place: the text from the last "." of its
// file-name part on becomes `extension` (which starts with its own "."). A dot in
// a folder name never counts, so C:\Flights.v2\plan stays in its folder. A text
// whose file name has no "." is left unchanged; one that ends in "." gets the
// extension after that dot. Returns false, and leaves the text unchanged, when the
// result would not fit `capacity` bytes.
bool ReplaceExtension(char* text, const char* extension, std::size_t capacity = kPathSize);

// The file-name part of a path: the text after its last "\", "/" or ":".
const char* FileNamePartOf(const char* path);
