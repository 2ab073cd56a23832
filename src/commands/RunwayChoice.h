// The runway choices of the main window's two runway lists.
#pragma once

#include "commands/Session.h"

// Stores the selection of list `listId` (1021 departure, 1022 landing) as the
// side's runway index and, when the entry has at most 30 characters, its text as
// the runway text; a longer entry leaves the text as it was. The list then shows
// the stored text in every case.
void ChooseRunway(Session& session, int listId);
