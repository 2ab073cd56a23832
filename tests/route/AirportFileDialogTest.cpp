// The open dialog for the data file: what it asks the platform for, and what it
// does with the answer.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/Paths.h"
#include "route/AirportFileDialog.h"
#include "support/FakeFileDialogPort.h"

namespace {

TEST(AirportFileDialog, AsksForAnExistingTextFileProposingFsbApts) {
  FakeFileDialogPort dialogs;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  dialogs.Cancel();
  OpenAirportFileDialog(dialogs, path, name);
  ASSERT_EQ(1u, dialogs.Dialogs().size());
  const RecordedDialog& dialog = dialogs.Dialogs()[0];
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
  FakeFileDialogPort dialogs;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  dialogs.Choose("D:\\Data\\apts.txt", "apts.txt");
  EXPECT_TRUE(OpenAirportFileDialog(dialogs, path, name));
  EXPECT_STREQ("D:\\Data\\apts.txt", path);
  EXPECT_STREQ("apts.txt", name);
}

TEST(AirportFileDialog, CancelLeavesBothBuffersAndAnswersFalse) {
  FakeFileDialogPort dialogs;
  char path[kPathSize] = "C:\\old\\x.txt";
  char name[kPathSize] = "x.txt";
  dialogs.Cancel();
  EXPECT_FALSE(OpenAirportFileDialog(dialogs, path, name));
  EXPECT_STREQ("C:\\old\\x.txt", path);
  EXPECT_STREQ("x.txt", name);
}

}  // namespace
