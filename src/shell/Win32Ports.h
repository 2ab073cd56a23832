// The real ports of the Windows program, owned together and handed to the
// window's presenter as its session's ports: the program and the test harnesses
// wire them the same way.
#pragma once

#include "commands/Session.h"
#include "host/LocaleDatePort.h"
#include "host/ProcessEnvironment.h"
#include "host/StdioFileSystem.h"
#include "host/SystemRegistry.h"
#include "route/AirportSource.h"
#include "shell/FolderBrowser.h"
#include "shell/Shell.h"
#include "shell/Win32FileDialogPort.h"
#include "shell/Win32MessagePort.h"
#include "shell/Win32WindowPort.h"

class Win32Ports {
 public:
  explicit Win32Ports(const Shell& shell)
      : messages_(shell), window_(shell), dialogs_(shell), folders_(shell) {}
  Win32Ports(const Win32Ports&) = delete;
  Win32Ports& operator=(const Win32Ports&) = delete;

  // Every port, pointing into this object: valid while it lives.
  SessionPorts AsSessionPorts() {
    return SessionPorts{&messages_, &window_,      &files_,   &dialogs_, &dates_,
                        &registry_, &environment_, &folders_, &airports_};
  }
  MessagePort& Messages() { return messages_; }

 private:
  Win32MessagePort messages_;
  Win32WindowPort window_;
  Win32FileDialogPort dialogs_;
  Win32FolderDialogPort folders_;
  StdioFileSystem files_;
  LocaleDatePort dates_;
  SystemRegistry registry_;
  ProcessEnvironment environment_;
  // The window scans the data file anew at every lookup: the user may change it
  // between builds.
  ScanningAirportSource airports_;
};
