// The one locale the program takes from the user: the time locale, for the long
// date of the Radar Contact plan. Numbers stay in the C library's "C" locale, so
// every plan is written with "." whatever the user's settings.
#pragma once

// Switches LC_TIME (only) to the user's locale; returns its name, or null when the
// C library could not adopt it.
const char* AdoptUserDateLocale();
