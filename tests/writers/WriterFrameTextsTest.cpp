// Every format runs the save frame with its own extension and its own four texts,
// each shown with its kind and buttons at its step: looped over the registry.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TestPorts.h"
#include "writers/FormatRegistry.h"
#include "writers/SaveFrame.h"
#include "writers/WriterTestSupport.h"

namespace {

constexpr const char* kOldPlan = "the plan that was there\r\n";

// A text of the registry with the file name in place of its "%s".
std::string Named(const char* text, const std::string& name) {
  std::string named = text;
  std::size_t at = named.find("%s");
  if (at != std::string::npos) named.replace(at, 2, name);
  return named;
}

// Fresh fake ports and the Zurich-Geneva plan, ready for one save of "out/plan.txt".
struct Scenario {
  SavedPlan Save(const ExportType& type, const char* path = "out/plan.txt") {
    return SavePlan(type, plan.Input(), path, "plan.txt", t.Save());
  }

  TestPorts t;
  TestPlan plan = ZurichGenevaPlan();
};

// The one message shown, as "kind/buttons: text".
std::string OnlyMessage(const Scenario& s) {
  const std::vector<RecordedMessage>& messages = s.t.messages.Messages();
  if (messages.size() != 1) return std::to_string(messages.size()) + " messages";
  const RecordedMessage& m = messages[0];
  return DescribeKind(m.kind) + "/" + DescribeButtons(m.buttons) + ": " + m.text;
}

TEST(WriterFrameTexts, EveryFormatShowsItsOwnTextsWithTheirKindsAndTheNewExtension) {
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.name);
    ASSERT_NE(nullptr, type.writer);
    const std::string name = std::string("plan") + type.extension;
    const std::string path = "out/" + name;
    const std::string question = Named(type.texts.exists, name) + "Do you want to overwrite it?";
    {
      SCOPED_TRACE("empty name");
      Scenario s;
      EXPECT_EQ(SaveOutcome::NoName, s.Save(type, "").outcome);
      EXPECT_EQ(std::string("error/OK: ") + type.texts.emptyName, OnlyMessage(s));
      EXPECT_TRUE(s.t.files.files.empty());
    }
    {
      SCOPED_TRACE("overwrite refused");
      Scenario s;
      s.t.files.files[path] = kOldPlan;
      s.t.messages.Answer(MessageAnswer::No);
      EXPECT_EQ(SaveOutcome::Declined, s.Save(type).outcome);
      EXPECT_EQ("warning/Yes/No: " + question, OnlyMessage(s));
      EXPECT_EQ(kOldPlan, s.t.files.files[path]);
    }
    {
      SCOPED_TRACE("overwrite accepted");
      Scenario s;
      s.t.files.files[path] = kOldPlan;
      s.t.messages.Answer(MessageAnswer::Yes);
      SavedPlan saved = s.Save(type);
      EXPECT_EQ(SaveOutcome::Written, saved.outcome);
      EXPECT_EQ("warning/Yes/No: " + question, OnlyMessage(s));
      EXPECT_NE(kOldPlan, s.t.files.files[path]);
      EXPECT_EQ(path, saved.path);
      EXPECT_EQ(name, saved.name);
    }
    {
      SCOPED_TRACE("create failure");
      Scenario s;
      s.t.files.uncreatable.insert(path);
      EXPECT_EQ(SaveOutcome::NotCreated, s.Save(type).outcome);
      EXPECT_EQ("warning/OK: " + Named(type.texts.createFailure, name), OnlyMessage(s));
    }
    {
      SCOPED_TRACE("write error");
      Scenario s;
      s.t.files.FailWrite(1);
      SavedPlan saved = s.Save(type);
      EXPECT_EQ(SaveOutcome::NotWritten, saved.outcome);
      EXPECT_EQ("error/OK: " + Named(type.texts.writeError, name), OnlyMessage(s));
      EXPECT_EQ(path, saved.path);
      EXPECT_EQ(0u, s.t.files.files.count(path));
      EXPECT_EQ(0, s.t.files.openReplacements);
    }
  }
}

}  // namespace
