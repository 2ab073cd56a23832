// The ports through which the core reaches the platform, gathered in one place.
// Whoever runs the core (the Win32 shell, the command-line converter, a test)
// points them at its own implementations before calling in.
#pragma once

class MessagePort;
class WindowPort;
class FileSystem;
class FileDialogPort;
class FolderDialogPort;
class DatePort;
class RegistryPort;
class EnvironmentPort;
class AirportSource;

struct Host {
  MessagePort* messages = nullptr;
  WindowPort* window = nullptr;
  FileSystem* files = nullptr;
  FileDialogPort* dialogs = nullptr;
  DatePort* dates = nullptr;
  RegistryPort* registry = nullptr;
  EnvironmentPort* environment = nullptr;
  FolderDialogPort* folders = nullptr;
  // Where airport lookups find their lines; null: the data file is scanned anew
  // at every lookup, as the window does.
  AirportSource* airports = nullptr;
};
