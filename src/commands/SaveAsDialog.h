// The save dialog of a single flight plan: it chooses the file and, by its
// filter, the export type.
#pragma once

struct App;

// Shows the save dialog (title "Save as... Flight plan", one filter per export
// type in code order and "All files (*.*)" last, the filter `exportType` selected
// (the first when `exportType` is not 1 to 11), initial folder `defaultDestDir`),
// starting from the file in `path` and `name`
// (kPathSize-byte buffers). On OK stores the filter the user ended with as the new
// `exportType`, warns that types 2 to 6 are not yet tested, copies the full path
// to `path` and the file name to `name` and answers 1. On Cancel answers 0 and
// changes nothing.
int SaveAsDialog(App& app, char* path, char* name);
