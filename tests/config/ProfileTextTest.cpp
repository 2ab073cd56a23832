// The profile text format: how keys are found, how integers and texts read, and
// how one value is set while every other byte stays.
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "config/ProfileText.h"

namespace {

struct FindCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  bool found;
  const char* value;
};

TEST(ProfileTextTest, FindsKeysByTheRulesOfThePrivateProfileFormat) {
  const std::string longLine(5'000'000, 'x');
  const FindCase cases[] = {
      {"exact names", "[Startup]\r\nMenuoption=0\r\n", "Startup", "Menuoption", true, "0"},
      {"names in other letter cases", "[STARTUP]\r\nmenuOPTION=0\r\n", "Startup", "Menuoption", true, "0"},
      {"DataSource is Datasource", "[DefDataSource]\r\nDataSource=1\r\n", "DefDataSource", "Datasource", true,
       "1"},
      {"blanks around names and value", "  [ Startup ]  \r\n\t Menuoption\t= 0 \t\r\n", "Startup", "Menuoption",
       true, "0"},
      {"present and empty", "[DefDestDir]\r\nPathname=\r\n", "DefDestDir", "Pathname", true, ""},
      {"an equals sign inside the value", "[AirpFile]\r\nPathname=C:\\a=b\r\n", "AirpFile", "Pathname", true,
       "C:\\a=b"},
      {"line feeds only and no final line end", "[A]\nk=v", "A", "k", true, "v"},
      {"a byte-order mark before the first section", "\xEF\xBB\xBF[A]\r\nk=v\r\n", "A", "k", true, "v"},
      {"missing file text", "", "A", "k", false, ""},
      {"missing section", "[B]\r\nk=v\r\n", "A", "k", false, ""},
      {"missing key", "[A]\r\nother=v\r\n", "A", "k", false, ""},
      {"key only in a later section", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n", "A", "k", false, ""},
      {"key before any section", "k=v\r\n[A]\r\n", "A", "k", false, ""},
      {"key in a comment", "[A]\r\n;k=v\r\n", "A", "k", false, ""},
      {"line without equals sign", "[A]\r\nk\r\n", "A", "k", false, ""},
      {"first of two sections of one name", "[A]\r\nx=1\r\n[a]\r\nk=v\r\n", "A", "k", false, ""},
      {"first of two keys of one name", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", true, "1"},
      {"broken section header keeps the section before", "[A]\r\n[B\r\nk=v\r\n", "A", "k", true, "v"},
      {"name is not a prefix", "[A]\r\nkey=v\r\n", "A", "k", false, ""},
      {"after a five-megabyte line", "[A]\n" + longLine + "\nk=v", "A", "k", true, "v"},
      {"after a five-megabyte key", "[A]\n" + longLine + "=1\nk=v", "A", "k", true, "v"},
      {"NUL bytes elsewhere", std::string("[A]\r\nx=\0\0\r\nk=v\r\n", 16), "A", "k", true, "v"},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string_view value = "untouched";
    EXPECT_EQ(c.found, FindProfileValue(c.text, c.section, c.key, value));
    if (c.found) {
      EXPECT_EQ(c.value, value);
    }
  }
}

struct IntegerCase {
  const char* stored;
  int32_t expected;
};

TEST(ProfileTextTest, ReadsIntegersFromTheirLeadingDecimalDigits) {
  const IntegerCase cases[] = {
      {"7", 7},
      {"12abc", 12},
      {"abc", 0},
      {"0x10", 0},
      {"1 2", 1},
      {" 3 ", 3},
      {"+3", 3},
      {"-5", -5},
      {"-", 0},
      {"- 5", 0},
      {"007", 7},
      {"2147483647", std::numeric_limits<int32_t>::max()},
      {"2147483648", std::numeric_limits<int32_t>::max()},
      {"99999999999999999999999", std::numeric_limits<int32_t>::max()},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"-99999999999999999999999", std::numeric_limits<int32_t>::min()},
  };
  for (const IntegerCase& c : cases) {
    SCOPED_TRACE(c.stored);
    std::string text = std::string("[DefRouteType]\r\nRoutetype=") + c.stored + "\r\n";
    EXPECT_EQ(c.expected, ReadProfileInt(text, "DefRouteType", "Routetype", 1));
  }
}

TEST(ProfileTextTest, IntegerIsTheDefaultWhenMissingOrEmpty) {
  EXPECT_EQ(1, ReadProfileInt("", "DefRouteType", "Routetype", 1));
  EXPECT_EQ(1, ReadProfileInt("[DefRouteType]\r\n", "DefRouteType", "Routetype", 1));
  EXPECT_EQ(1, ReadProfileInt("[DefRouteType]\r\nRoutetype=\r\n", "DefRouteType", "Routetype", 1));
  EXPECT_EQ(1, ReadProfileInt("[DefRouteType]\r\nRoutetype=  \r\n", "DefRouteType", "Routetype", 1));
}

TEST(ProfileTextTest, TextIsTheValueEvenWhenEmptyAndTheDefaultOnlyWhenMissing) {
  char out[260];
  ReadProfileText("[DefDestDir]\r\nPathname=\r\n", "DefDestDir", "Pathname", "default", out, sizeof out);
  EXPECT_STREQ("", out);
  ReadProfileText("[DefDestDir]\r\n", "DefDestDir", "Pathname", "default", out, sizeof out);
  EXPECT_STREQ("default", out);
}

TEST(ProfileTextTest, TextIsCutToTheBufferLessItsTerminator) {
  const std::string value300(300, 'p');
  const std::string text = "[AirpFile]\r\nPathname=" + value300 + "\r\n";
  char out[261];
  std::memset(out, '#', sizeof out);
  ReadProfileText(text, "AirpFile", "Pathname", "", out, 260);
  EXPECT_EQ(std::string(259, 'p'), out);
  EXPECT_EQ('#', out[260]) << "wrote past the buffer";

  ReadProfileText("", "AirpFile", "Pathname", value300.c_str(), out, 260);
  EXPECT_EQ(std::string(259, 'p'), out) << "the default is cut too";

  ReadProfileText(text, "AirpFile", "Pathname", "", out, 1);
  EXPECT_STREQ("", out);
}

struct SetCase {
  const char* name;
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

TEST(ProfileTextTest, SetsOneValueAndKeepsEveryOtherByte) {
  const SetCase cases[] = {
      {"new file", "", "Startup", "FilterIndex", "3", "[Startup]\r\nFilterIndex=3\r\n"},
      {"replaced in place with the key's own spelling", "[DefDataSource]\r\nDatasource = 0 \r\nx=1\r\n",
       "DefDataSource", "DataSource", "1", "[DefDataSource]\r\nDatasource = 1\r\nx=1\r\n"},
      {"replaced with an empty value", "[A]\r\nk=old\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
      {"new key after the section's last line, before its blank lines", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "a",
       "z", "3", "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
      {"new key after a comment that ends the section", "[A]\r\nx=1\r\n; note\r\n[B]\r\n", "A", "z", "3",
       "[A]\r\nx=1\r\n; note\r\nz=3\r\n[B]\r\n"},
      {"new key under a header at the very end", "[A]", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {"new key after a last line without line end", "[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
      {"new section after a blank line", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
      {"line feeds stay line feeds", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
      {"only the first of two sections of one name", "[A]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k", "9",
       "[A]\r\nk=9\r\n[A]\r\nk=2\r\n"},
      {"key in a comment is not the key", "[A]\r\n;k=1\r\n", "A", "k", "2", "[A]\r\n;k=1\r\nk=2\r\n"},
      {"byte-order mark stays", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "2", "\xEF\xBB\xBF[A]\r\nk=2\r\n"},
      {"keys before any section stay there", "k=1\r\n", "A", "k", "2", "k=1\r\n\r\n[A]\r\nk=2\r\n"},
  };
  for (const SetCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string updated;
    ASSERT_TRUE(SetProfileValue(c.before, c.section, c.key, c.value, updated));
    EXPECT_EQ(c.after, updated);
    std::string_view readBack;
    EXPECT_TRUE(FindProfileValue(updated, c.section, c.key, readBack));
    EXPECT_EQ(c.value, readBack);
  }
}

struct RefusedCase {
  const char* name;
  const char* section;
  const char* key;
  const char* value;
};

TEST(ProfileTextTest, RefusesNamesAndValuesThatWouldNotReadBack) {
  const RefusedCase cases[] = {
      {"empty section", "", "k", "v"},
      {"empty key", "A", "", "v"},
      {"section with a bracket", "A]", "k", "v"},
      {"section with a line break", "A\r\nB", "k", "v"},
      {"section with a blank at its end", "A ", "k", "v"},
      {"key with an equals sign", "A", "k=x", "v"},
      {"key with a line break", "A", "k\n", "v"},
      {"key with a blank at its start", "A", " k", "v"},
      {"key that reads as a comment", "A", ";k", "v"},
      {"key that reads as a section", "A", "[k", "v"},
      {"value with a line feed", "A", "k", "v\n[B]"},
      {"value with a carriage return", "A", "k", "v\rw"},
  };
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string updated = "unchanged";
    EXPECT_FALSE(CanWriteProfileValue(c.section, c.key, c.value));
    EXPECT_FALSE(SetProfileValue("[A]\r\nk=1\r\n", c.section, c.key, c.value, updated));
    EXPECT_EQ("unchanged", updated);
  }
}

}  // namespace
