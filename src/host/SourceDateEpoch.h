// The reproducible-builds convention for "today": when the environment variable
// SOURCE_DATE_EPOCH holds a count of seconds since 1970-01-01 00:00:00 UTC, that
// instant, taken in UTC, is today on every platform, so a plan written twice from
// the same route is the same file.
#pragma once

#include <cstdint>

// One day of the Gregorian calendar.
struct CalendarDate {
  int year;
  int month;    // 1..12
  int day;      // 1..31
  int weekday;  // 0 Sunday .. 6 Saturday
};

enum class SourceDateEpoch { NotSet, Valid, Malformed };

// The latest instant accepted: 9999-12-31 23:59:59 UTC, the last one every
// platform's date formatting can show.
constexpr int64_t kLatestEpochSeconds = 253402300799;

// The UTC calendar day of the instant `seconds` after the epoch (seconds >= 0).
CalendarDate UtcDateOf(int64_t seconds);

// Parses an epoch text: decimal digits only (no sign, no blanks) and not later
// than kLatestEpochSeconds. Returns false, leaving `seconds` alone, otherwise.
bool ParseEpochSeconds(const char* text, int64_t& seconds);

// Reads SOURCE_DATE_EPOCH. NotSet when it is absent or empty; Valid, with `today`
// filled, when it holds an epoch; Malformed when it holds anything else (no date
// can be given then: guessing one would make a "reproducible" file that is not).
SourceDateEpoch ReadSourceDateEpoch(CalendarDate& today);
