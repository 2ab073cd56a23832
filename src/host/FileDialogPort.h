// The file-dialog port: the platform's common open and save dialogs. The core
// keeps the logic around them (titles, filters, refusal loops); the Win32 shell
// shows GetOpenFileName/GetSaveFileName; tests answer from a script.
#pragma once

struct FileFilter {
  const char* description;  // "All files (*.*)"
  const char* pattern;      // "*.*"
};

struct FileDialogRequest {
  const char* title;
  const FileFilter* filters;
  int filterCount;
  int filterIndex;              // 1-based filter selected when the dialog opens
  const char* initialFolder;    // null or empty: the process's current folder
  const char* defaultExtension; // without the dot, e.g. "txt"
  bool fileMustExist;           // open dialogs; a path must exist in every dialog
};

class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  // Shows the open dialog, its file box starting with `path` and its title box with
  // `name` (260-byte buffers). On OK fills `path` with the full path, `name` with
  // the file name and answers true; on Cancel answers false and changes nothing.
  virtual bool ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) = 0;
  // The save dialog, the same way; also gives the filter the user ended with.
  virtual bool ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                              int* chosenFilterIndex) = 0;
};
