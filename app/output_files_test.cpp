#include "app/output_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kavro_runner.h"

namespace kavro::app {
namespace {

using testing::KavroFolder;

TEST(OutputFiles, WritesEveryFileWholeAndReplacesOldOnes) {
  KavroFolder folder;
  folder.Write("b.json", "old");
  const std::string text(100000, 'x');
  WriteOutputs({{folder.Path("a.svg"), text}, {folder.Path("b.json"), "new\n"}});
  EXPECT_EQ(folder.Read("a.svg"), text);
  EXPECT_EQ(folder.Read("b.json"), "new\n");
  EXPECT_EQ(folder.Files(), (std::vector<std::string>{"a.svg", "b.json"}));
}

TEST(OutputFiles, AFileThatCannotBeWrittenLeavesTheOthersAsTheyWere) {
  KavroFolder folder;
  folder.Write("a.svg", "the user's drawing");
  EXPECT_THROW(WriteOutputs({{folder.Path("a.svg"), "new"}, {folder.Path("gone/b.json"), "new"}}),
               OutputError);
  EXPECT_EQ(folder.Read("a.svg"), "the user's drawing");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"a.svg"});
}

TEST(OutputFiles, ChecksThePlaceBeforeARun) {
  KavroFolder folder;
  EXPECT_NO_THROW(CheckOutputPath(folder.Path("new.svg")));
  std::filesystem::create_directory(folder.Path("sub"));
  try {
    CheckOutputPath(folder.Path("sub"));
    FAIL() << "accepted a folder";
  } catch (const OutputError &error) {
    EXPECT_EQ(error.what(), folder.Path("sub").string() + ": is a folder");
  }
  try {
    CheckOutputPath(folder.Path("gone/x.svg"));
    FAIL() << "accepted a missing folder";
  } catch (const OutputError &error) {
    EXPECT_EQ(error.what(), folder.Path("gone/x.svg").string() + ": the folder " +
                                folder.Path("gone").string() + " does not exist");
  }
}

}  // namespace
}  // namespace kavro::app
