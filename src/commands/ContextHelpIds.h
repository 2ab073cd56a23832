// The help-ID table handed to the help system for context help: pairs of control
// identifier and help context, ended by the pair (0, 0).
#pragma once

#include <cstdint>

constexpr int kContextHelpPairCount = 25;

// The table as the help system reads it: 25 pairs then (0, 0), 52 values.
const uint32_t* ContextHelpIds();

// The help context of `controlId` in the table, or 0 when it has none.
uint32_t HelpContextOf(int controlId);
