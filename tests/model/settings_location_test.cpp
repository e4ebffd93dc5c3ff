// Where the window keeps its settings file, in a temporary current folder and
// configuration folder.
#include "model/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "model/model.h"
#include "model/sequence.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::slurp;
using testing::spit;
using testing::TempDir;

// Runs the test inside a fresh current folder, and back where it was after.
class SettingsLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = std::filesystem::current_path();
    std::filesystem::current_path(work_.path());
  }
  void TearDown() override { std::filesystem::current_path(before_); }
  TempDir work_, config_;
  std::filesystem::path before_;
};

TEST_F(SettingsLocation, TheConfigurationFolderUnlessTheCurrentFolderHasAFile) {
  const std::string config = config_.path().string();
  struct Case {
    SettingsPlaceEnvironment env;
    std::string expected;
  };
  const Case cases[] = {
      {{config.c_str(), "/home/someone"}, config + "/zova/dadidedo.dat"},
      {{nullptr, "/home/someone"}, "/home/someone/.config/zova/dadidedo.dat"},
      {{"", "/home/someone"}, "/home/someone/.config/zova/dadidedo.dat"},
      {{"relative/config", "/home/someone"}, "/home/someone/.config/zova/dadidedo.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(windowSettingsPath(c.env), c.expected);

  spit(work_.file(kSettingsFileName), "");
  for (const Case& c : cases) EXPECT_EQ(windowSettingsPath(c.env), kSettingsFileName);
}

TEST_F(SettingsLocation, ALinkInTheCurrentFolderStaysInUse) {
  std::filesystem::create_symlink("/nonexistent/zova", kSettingsFileName);
  EXPECT_EQ(windowSettingsPath({config_.path().c_str(), "/home/someone"}), kSettingsFileName);
}

TEST_F(SettingsLocation, TheFolderIsMadeWhenTheFileIsFirstWrittenAndTheModelUsesIt) {
  const std::string path =
      windowSettingsPath({(config_.path() / "deeper").c_str(), "/home/someone"});
  EXPECT_TRUE(config_.entries().empty());  // choosing the place makes nothing

  HeadlessToolkit tk;
  {
    Model model(tk, {});
    model.setSettingsFile(path);
    model.startUp();  // reading a missing file makes nothing either
    EXPECT_TRUE(config_.entries().empty());
    ASSERT_TRUE(makeSettingsFolder(path));
    ASSERT_FALSE(runSequence(model, "8,Kin").has_value());
    model.unload();
  }
  struct stat st {};
  ASSERT_EQ(::stat((config_.path() / "deeper" / "zova").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(slurp(path).substr(0, 3), "8\r\n");
  EXPECT_TRUE(work_.entries().empty());  // nothing left in the current folder

  Model again(tk, {});
  again.setSettingsFile(path);
  again.startUp();
  EXPECT_EQ(again.calc().state().kRegister.text({}), "8");
  EXPECT_TRUE(makeSettingsFolder(path));  // an existing folder is fine
}

}  // namespace
}  // namespace zova
