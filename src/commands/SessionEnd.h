// The end of the program, by closing the window or by Windows shutting down.
#pragma once

struct App;

// Asks about an unsaved route first; on Cancel answers false and does nothing
// else. Otherwise stores the last files used (SaveLastFiles) and answers true:
// the shell then closes the help system and, when closing, destroys the window.
bool SaveSessionOnExit(App& app);
