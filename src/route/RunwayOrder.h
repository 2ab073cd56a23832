// The order in which a sorted drop-down list keeps its entries, as a Windows
// sorted combo box orders runway texts (digits, letters, blanks): character by
// character without regard to case, a text before every longer text it begins.
// Any window that shows the runway lists uses it, so all of them agree.
#pragma once

// Negative when `a` comes before `b`, zero when they sort alike, else positive.
int CompareListEntries(const char* a, const char* b);
