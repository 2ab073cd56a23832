// The address sanitizer's defaults for every fuzz target (ASAN_OPTIONS still
// overrides them).
//
// The quarantine keeps freed memory unusable so that a use after free is caught.
// One run frees well under a megabyte, so 4 MB still holds all a run has freed;
// the default 256 MB only makes every allocation touch cold memory, which cost a
// third of each run.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=4"; }
