// The Alt+letter shortcuts of the buttons: lower-case letters only.
#include <gtest/gtest.h>

#include "commands/ButtonShortcuts.h"

namespace {

TEST(ButtonShortcuts, LowerCaseLettersNameTheirButtons) {
  struct Case {
    char character;
    int command;
  };
  const Case cases[] = {{'b', 1019}, {'c', 2}, {'d', 1033}, {'h', 9}, {'s', 1030}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.character);
    EXPECT_EQ(ButtonForShortcut(static_cast<unsigned char>(c.character)), c.command);
    // The high word carries the menu type, which does not matter.
    EXPECT_EQ(ButtonForShortcut(0x00100000ul | static_cast<unsigned char>(c.character)), c.command);
  }
}

TEST(ButtonShortcuts, UpperCaseOtherLettersAndMenuMnemonicsPostNothing) {
  for (char character : {'B', 'C', 'D', 'H', 'S', 'o', 'a', 'x', '1', ' '}) {
    SCOPED_TRACE(character);
    EXPECT_EQ(ButtonForShortcut(static_cast<unsigned char>(character)), 0);
  }
}

TEST(ButtonShortcuts, OnlyTheLowByteOfTheCharacterCounts) {
  // 0x162 is not "b": its low byte is, and the character is taken as 8 bits.
  EXPECT_EQ(ButtonForShortcut(0x162), 1019);
  EXPECT_EQ(ButtonForShortcut(0xE2), 0);
}

}  // namespace
