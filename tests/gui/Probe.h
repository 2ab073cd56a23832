// The conversation between the GUI driver and its probe, a hook DLL that Wine
// loads into the program under test to answer what another process cannot ask:
// menu states, the keyboard focus, the icon of a message box. The driver posts
// the registered query message to a window of the program; the probe answers by
// posting the reply message to the driver's reply window.
#pragma once

#include <cstdint>

constexpr const char* kProbeQueryMessage = "PlanTransitGuiProbeQuery";
constexpr const char* kProbeReplyMessage = "PlanTransitGuiProbeReply";
constexpr const char* kProbeHookName = "ProbeHook";

// Query wParam: the query in bits 0-15, a serial number in bits 16-31 and the
// argument (an id or a window handle, which fit 32 bits) above them.
// Query lParam: the driver's reply window.
// Reply wParam: the serial number; reply lParam: the answer.
enum ProbeQuery : std::uint16_t {
  kProbeSync = 1,           // argument n: posts itself again n times, then answers 0, so
                            // what earlier messages posted in turn is handled too
  kProbeMenuState = 2,      // argument: command id; GetMenuState of the window's menu bar
  kProbeFocusedControl = 3, // the control id of the focused window, 0 when none
  kProbeMessageBoxIcon = 4, // argument: a message box; which standard icon it shows
  kProbeTooltipText = 5,    // argument: a control id (TTF_IDISHWND) or, with
                            // kToolbarCommandFlag, a toolbar command; asks the window
                            // with TTN_NEEDTEXT, puts the text (or "<none>") into the
                            // reply window with WM_SETTEXT and answers 1
  kProbeSystemMenuItem = 6, // argument: n; the command id of the system menu's n-th
                            // item from its end (1 the last), 0 for a separator
  kProbePostedCommand = 7,  // argument: n; the n-th latest command posted to the window
                            // (1 the latest), 0 when fewer were posted
  kProbeDropFile = 8,       // argument: a control id, 0 for the window itself; drops the
                            // file named by the reply window's text there and answers 1
};

constexpr std::uint32_t kToolbarCommandFlag = 0x80000000u;

// Answers of kProbeMessageBoxIcon.
enum ProbeIcon : int {
  kIconNone = 0,
  kIconError = 1,
  kIconWarning = 2,
  kIconQuestion = 3,
  kIconInformation = 4,
};

inline std::uint64_t ProbeQueryWord(ProbeQuery query, std::uint64_t argument, std::uint16_t serial) {
  return (argument << 32) | (static_cast<std::uint64_t>(serial) << 16) | query;
}
