// The platform's long date. With SOURCE_DATE_EPOCH fixing today, the text depends
// only on the locale: strftime "%A, %B %d, %Y" in LC_TIME natively, the thread
// locale's long date format on Windows (Wine's locale data, which follows
// Windows: no leading zero on the day, and German puts the day first).
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "host/LocaleDatePort.h"
#include "host/UserLocale.h"
#include "support/Environment.h"

namespace {

constexpr const char* kMonday = "1796601600";            // 2026-12-07 00:00:00 UTC
constexpr const char* kLastSecondOfMonday = "1796687999";  // 2026-12-07 23:59:59 UTC

std::string LongDate() {
  LocaleDatePort port;
  char date[kLongDateSize] = "unchanged";
  if (!port.FormatTodayLongDate(date, sizeof date)) return "<none: \"" + std::string(date) + "\">";
  return date;
}

// Runs the check under the English locale of the platform, then restores it.
class EnglishDateLocale {
 public:
#ifdef _WIN32
  EnglishDateLocale() : previous_(GetThreadLocale()) { SetThreadLocale(MAKELCID(0x0409, SORT_DEFAULT)); }
  ~EnglishDateLocale() { SetThreadLocale(previous_); }

 private:
  LCID previous_;
#else
  EnglishDateLocale() { std::setlocale(LC_TIME, "C"); }
  ~EnglishDateLocale() { std::setlocale(LC_TIME, "C"); }
#endif
};

// The long date of 2026-12-07 under the English locale of this platform.
#ifdef _WIN32
constexpr const char* kEnglishMonday = "Monday, December 7, 2026";
constexpr const char* kGermanMonday = "Montag, 7. Dezember 2026";
#else
constexpr const char* kEnglishMonday = "Monday, December 07, 2026";
constexpr const char* kGermanMonday = "Montag, Dezember 07, 2026";
#endif

// Takes the user's date locale as the program does at start-up; true when it is
// German, as under ctest (LC_ALL=de_DE.UTF-8, which Wine turns into the thread
// locale).
bool AdoptGermanUserLocale() {
#ifdef _WIN32
  return PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale())) == LANG_GERMAN;
#else
  const char* adopted = AdoptUserDateLocale();
  return adopted != nullptr && std::string(adopted).find("de_DE") != std::string::npos;
#endif
}

TEST(LocaleDatePort, SourceDateEpochFixesTodayInTheEnglishLocale) {
  ScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", kMonday);
  EnglishDateLocale english;
  EXPECT_EQ(kEnglishMonday, LongDate());
}

TEST(LocaleDatePort, SourceDateEpochIsTakenInUtcNotInTheLocalTimeZone) {
  // Nine hours east of UTC the last second of Monday is already Tuesday.
  ScopedEnvironmentVariable zone("TZ", "JST-9");
  ScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", kLastSecondOfMonday);
  EnglishDateLocale english;
  EXPECT_EQ(kEnglishMonday, LongDate());
}

TEST(LocaleDatePort, GermanUserLocaleGivesTheGermanLongDate) {
  ScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", kMonday);
  bool german = AdoptGermanUserLocale();
  std::string date = LongDate();
  std::setlocale(LC_TIME, "C");
  if (!german) {
    if (std::getenv("PLANTRANSIT_GERMAN_LOCALE_TEST") != nullptr) FAIL() << "expected a German user locale";
    GTEST_SKIP() << "run under LC_ALL=de_DE.UTF-8, as ctest does";
  }
  EXPECT_EQ(kGermanMonday, date);
}

TEST(LocaleDatePort, MalformedSourceDateEpochGivesNoDate) {
  for (const char* malformed : {"-1", "tomorrow", "253402300800"}) {
    SCOPED_TRACE(malformed);
    ScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", malformed);
    EXPECT_EQ("<none: \"\">", LongDate());
  }
}

TEST(LocaleDatePort, WithoutSourceDateEpochTodayComesFromTheClock) {
  ScopedEnvironmentVariable unset("SOURCE_DATE_EPOCH", nullptr);
  EnglishDateLocale english;
  std::time_t before = std::time(nullptr);
  std::string date = LongDate();
  std::time_t after = std::time(nullptr);
  // The local year, whichever side of a New Year's midnight the call fell on.
  std::string yearBefore = std::to_string(std::localtime(&before)->tm_year + 1900);
  std::string yearAfter = std::to_string(std::localtime(&after)->tm_year + 1900);
  EXPECT_TRUE(date.find(yearBefore) != std::string::npos || date.find(yearAfter) != std::string::npos)
      << date;
  EXPECT_NE(std::string::npos, date.find(", ")) << date;
}

TEST(LocaleDatePort, ABufferTooSmallGivesAnEmptyTextAndNoDate) {
  ScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", kMonday);
  EnglishDateLocale english;
  LocaleDatePort port;
  char small[6] = "xxxxx";
  EXPECT_FALSE(port.FormatTodayLongDate(small, sizeof small));
  EXPECT_STREQ("", small);
  char none[1] = {'x'};
  EXPECT_FALSE(port.FormatTodayLongDate(none, 0));
  EXPECT_EQ('x', none[0]);
}

}  // namespace
