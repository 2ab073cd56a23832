// The open dialog for the data file: what it asks the platform for, and what it
// does with the answer.
#include <cstring>

#include <gtest/gtest.h>

#include "route/AirportFileDialog.h"
#include "support/TestApp.h"

namespace {

TEST(AirportFileDialog, AsksForAnExistingTextFileProposingFsbApts) {
  TestApp t;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  t.dialogs.Cancel();
  OpenAirportFileDialog(t.app, path, name);
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  const RecordedDialog& dialog = t.dialogs.Dialogs()[0];
  EXPECT_FALSE(dialog.isSave);
  EXPECT_EQ("Open Airport/Runway data file", dialog.title);
  EXPECT_EQ((std::vector<std::string>{"Airport/Runway files (*.TXT)", "All files (*.*)"}),
            dialog.filterDescriptions);
  EXPECT_EQ((std::vector<std::string>{"*.TXT", "*.*"}), dialog.filterPatterns);
  EXPECT_EQ(1, dialog.filterIndex);
  EXPECT_EQ("", dialog.initialFolder);
  EXPECT_EQ("txt", dialog.defaultExtension);
  EXPECT_TRUE(dialog.fileMustExist);
  EXPECT_EQ("Fsb_apts.txt", dialog.startPath);
  EXPECT_EQ("Fsb_apts.txt", dialog.startName);
}

TEST(AirportFileDialog, OkSetsPathAndNameAndAnswersTrue) {
  TestApp t;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  t.dialogs.Choose("D:\\Data\\apts.txt", "apts.txt");
  EXPECT_TRUE(OpenAirportFileDialog(t.app, path, name));
  EXPECT_STREQ("D:\\Data\\apts.txt", path);
  EXPECT_STREQ("apts.txt", name);
}

TEST(AirportFileDialog, CancelLeavesBothBuffersAndAnswersFalse) {
  TestApp t;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  t.dialogs.Cancel();
  EXPECT_FALSE(OpenAirportFileDialog(t.app, path, name));
  EXPECT_STREQ("C:\\old\\x.txt", path);
  EXPECT_STREQ("x.txt", name);
}

}  // namespace
