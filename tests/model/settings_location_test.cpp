// Where the window keeps its settings file, in a temporary current folder and
// configuration folder.
#include "model/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/model.h"
#include "model/sequence.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

// The configuration folder unless the current folder has a file (or a link) of that
// name; the folder is made only when the file is first written.
TEST(SettingsLocation, TheConfigurationFolderUnlessTheCurrentFolderHasAFile) {
  testing::TempDir work, config;
  struct Back {
    std::filesystem::path to = std::filesystem::current_path();
    ~Back() { std::filesystem::current_path(to); }
  } back;
  std::filesystem::current_path(work.path());
  const std::string home = "/home/someone/.config/zova/dadidedo.dat";
  const std::string deeper = (config.path() / "deeper").string();
  const std::pair<SettingsPlaceEnvironment, std::string> cases[] = {
      {{deeper.c_str(), "/home/someone"}, deeper + "/zova/dadidedo.dat"},
      {{nullptr, "/home/someone"}, home},
      {{"", "/home/someone"}, home},
      {{"relative/config", "/home/someone"}, home},
  };
  for (const auto& [env, expected] : cases) EXPECT_EQ(windowSettingsPath(env), expected);
  EXPECT_TRUE(config.entries().empty());  // choosing the place makes nothing
  const std::string path = cases[0].second;
  HeadlessToolkit tk;
  {
    Model model(tk, {});
    model.setSettingsFile(path);
    model.startUp();  // reading a missing file makes nothing either
    EXPECT_TRUE(config.entries().empty());
    ASSERT_TRUE(makeSettingsFolder(path));
    ASSERT_FALSE(runSequence(model, "8,Kin").has_value());
    model.unload();
  }
  struct stat st {};
  ASSERT_EQ(::stat((deeper + "/zova").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_TRUE(work.entries().empty());  // nothing left in the current folder
  Model again(tk, {});
  again.setSettingsFile(path);
  again.startUp();
  EXPECT_EQ(again.calc().state().kRegister.text({}), "8");
  EXPECT_TRUE(makeSettingsFolder(path));                   // an existing folder is fine
  EXPECT_FALSE(makeSettingsFolder(path + "/inside.dat"));  // a file where the folder goes
  std::filesystem::create_symlink("/nonexistent/zova", kSettingsFileName);
  for (const auto& [env, expected] : cases) EXPECT_EQ(windowSettingsPath(env), kSettingsFileName);
}

}  // namespace
}  // namespace zova
