// Runway entries from runway fields, and the order the lists keep them in.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/RunwayEntry.h"
#include "route/RunwayOrder.h"

namespace {

std::vector<std::string> EntriesOf(const std::string& field) {
  std::vector<std::string> entries;
  char entry[kRunwayEntrySize];
  for (const char* cursor = NextRunwayEntry(field.c_str(), entry); cursor != nullptr;
       cursor = NextRunwayEntry(cursor, entry)) {
    entries.push_back(entry);
  }
  return entries;
}

TEST(RunwayEntry, BuildsOneEntryPerPartWithABlankAfterEachPiece) {
  struct EntryCase {
    std::string field;
    std::vector<std::string> entries;
  } cases[] = {
      {"16_900", {"16 900 "}},
      {"09", {"09 "}},
      {"---", {}},
      {"-", {}},
      {"09-27", {"09 ", "27 "}},
      {"-09-", {"09 "}},
      {"09--27", {"09 ", "27 "}},
      {"_16__900_", {"16 900 "}},
      {"___", {}},
      {"___-09", {"09 "}},
      {"16L_12139_ASPH-34R_12139_ASPH", {"16L 12139 ASPH ", "34R 12139 ASPH "}},
      {"", {}},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE("field " + c.field);
    EXPECT_EQ(c.entries, EntriesOf(c.field));
  }
}

TEST(RunwayEntry, AFieldOfFiftyCharactersFitsWholeAndALongerTextIsCut) {
  std::string fifty = "a_b_c_d_e_f_g_h_i_j_k_l_m_n_o_p_q_r_s_t_u_v_w_x_yz";
  ASSERT_EQ(50u, fifty.size());
  std::vector<std::string> entries = EntriesOf(fifty);
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ("a b c d e f g h i j k l m n o p q r s t u v w x yz ", entries[0]);

  std::string longText;
  for (int i = 0; i < 200; ++i) longText += "ab_";
  entries = EntriesOf(longText);
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(kRunwayEntrySize - 1, entries[0].size());
}

TEST(RunwayOrder, SortsAsASortedComboBoxSortsRunwayTexts) {
  std::vector<std::string> entries = {"27 ", "09 ", "34R 12139 ", "09l ", "16 900 ", "09L ", "1 ", "A "};
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return CompareListEntries(a.c_str(), b.c_str()) < 0;
  });
  std::vector<std::string> expected = {"09 ", "09l ", "09L ", "1 ", "16 900 ", "27 ", "34R 12139 ", "A "};
  EXPECT_EQ(expected, entries);
}

TEST(RunwayOrder, ComparesWithoutRegardToCaseAndPutsAPrefixFirst) {
  EXPECT_EQ(0, CompareListEntries("09L ", "09l "));
  EXPECT_LT(CompareListEntries("09", "09 "), 0);
  EXPECT_LT(CompareListEntries("09 ", "09L"), 0);
  EXPECT_LT(CompareListEntries("9", "a"), 0);
  EXPECT_GT(CompareListEntries("Z", "a_"), 0);
  EXPECT_GT(CompareListEntries("b", "A"), 0);
}

}  // namespace
