// What the settings file's reading and replacing do with each kind of thing
// that can stand at its path. Every file lives in a fresh temporary folder;
// devices are nodes the test makes there itself.
#include "model/settings_storage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::slurp;
using testing::spit;
using testing::TempDir;

bool isRoot() { return ::geteuid() == 0; }

/// A character device node like /dev/null's, made in dir; "" where mknod is not permitted.
std::string makeDevice(const TempDir& dir) {
  const std::string path = dir.file("device");
  return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? path : "";
}

bool isFifo(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST(SettingsStorage, ReadsOnlyRegularFiles) {
  TempDir dir;
  spit(dir.file("plain"), "K\r\nM\r\n");
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  ::symlink(dir.file("fifo").c_str(), dir.file("link-to-fifo").c_str());
  ::symlink(dir.file("nowhere").c_str(), dir.file("dangling").c_str());
  std::filesystem::create_directory(dir.file("folder"));
  // A sparse file one byte over the limit costs no disk.
  const int big = ::open(dir.file("big").c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_EQ(::ftruncate(big, static_cast<off_t>(kMaxSettingsBytes) + 1), 0);
  ::close(big);
  const std::pair<std::string, ReadOutcome> cases[] = {
      {"plain", ReadOutcome::kRead},
      {"missing", ReadOutcome::kMissing},
      {"dangling", ReadOutcome::kMissing},
      {"fifo", ReadOutcome::kUnreadable},
      {"link-to-fifo", ReadOutcome::kUnreadable},
      {"folder", ReadOutcome::kUnreadable},
      {"big", ReadOutcome::kUnreadable},
  };
  for (const auto& [name, outcome] : cases) {
    const FileRead r = readSettingsBytes(dir.file(name));
    EXPECT_EQ(r.outcome, outcome) << name;
    EXPECT_EQ(r.outcome == ReadOutcome::kUnreadable, !r.reason.empty()) << name;
  }
  EXPECT_EQ(readSettingsBytes(dir.file("plain")).text, "K\r\nM\r\n");
  if (const std::string device = makeDevice(dir); !device.empty()) {
    EXPECT_EQ(readSettingsBytes(device).outcome, ReadOutcome::kUnreadable);
  }
  if (!isRoot()) {
    spit(dir.file("secret"), "x");
    ::chmod(dir.file("secret").c_str(), 0);
    EXPECT_EQ(readSettingsBytes(dir.file("secret")).outcome, ReadOutcome::kUnreadable);
  }
}

TEST(SettingsStorage, ReplacesRegularFilesAndKeepsTheirMode) {
  TempDir dir;
  const std::string file = dir.file("dadidedo.dat");
  ASSERT_TRUE(replaceSettingsFile(file, "new").written);
  EXPECT_EQ(slurp(file), "new");
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(replaceSettingsFile(file, "newer").written);
  EXPECT_EQ(slurp(file), "newer");
  struct stat st {};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A name as long as the file system allows is written too: the temporary name is short.
  const std::string longName = dir.file(std::string(250, 'n') + ".dat");
  EXPECT_TRUE(replaceSettingsFile(longName, "x").written);
  EXPECT_EQ(dir.entries().size(), 2u);  // no temporary file left
}

TEST(SettingsStorage, RefusesWhatIsNotTheUsersRegularFile) {
  TempDir dir;
  spit(dir.file("readonly"), "old");
  ::chmod(dir.file("readonly").c_str(), 0444);
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  ::symlink(dir.file("fifo").c_str(), dir.file("link-to-fifo").c_str());
  std::filesystem::create_directory(dir.file("folder"));
  const std::pair<const char*, const char*> cases[] = {
      {"readonly", "the file is read-only"},
      {"fifo", "it is not a regular file"},
      {"link-to-fifo", "it is not a regular file"},
      {"folder", "it is not a regular file"},
  };
  for (const auto& [name, reason] : cases) {
    const WriteOutcome w = replaceSettingsFile(dir.file(name), "new");
    EXPECT_FALSE(w.written) << name;
    EXPECT_EQ(w.reason, reason) << name;
  }
  EXPECT_EQ(slurp(dir.file("readonly")), "old");
  EXPECT_TRUE(isFifo(dir.file("fifo")));
  if (const std::string device = makeDevice(dir); !device.empty()) {
    EXPECT_FALSE(replaceSettingsFile(device, "new").written);
    struct stat st {};
    ASSERT_EQ(::lstat(device.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
  }
  if (!isRoot()) {
    std::filesystem::create_directory(dir.file("closed"));
    ::chmod(dir.file("closed").c_str(), 0555);
    const WriteOutcome w = replaceSettingsFile(dir.file("closed") + "/x.dat", "new");
    EXPECT_FALSE(w.written);
    EXPECT_EQ(w.reason, "Permission denied");
  }
}

TEST(SettingsStorage, OwnLinkKeepsTheLinkAndReplacesItsTarget) {
  TempDir dir;
  spit(dir.file("real.dat"), "old");
  ASSERT_EQ(::symlink("real.dat", dir.file("link.dat").c_str()), 0);
  ASSERT_TRUE(replaceSettingsFile(dir.file("link.dat"), "new").written);
  EXPECT_EQ(slurp(dir.file("real.dat")), "new");
  struct stat st {};
  ASSERT_EQ(::lstat(dir.file("link.dat").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  if (isRoot()) {
    // A link of another user is never followed by a write.
    ASSERT_EQ(::lchown(dir.file("link.dat").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(replaceSettingsFile(dir.file("link.dat"), "evil").written);
    EXPECT_EQ(slurp(dir.file("real.dat")), "new");
  }
}

TEST(SettingsStorage, StaleTemporariesOfDeadRunsAreRemoved) {
  TempDir dir;
  const pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ::waitpid(dead, nullptr, 0);
  const std::string stale = ".zova-" + std::to_string(dead) + "-0.tmp";
  const std::string live = ".zova-" + std::to_string(::getppid()) + "-0.tmp";
  spit(dir.file(stale), "half");
  spit(dir.file(live), "busy");
  spit(dir.file(".zova-notes.tmp"), "someone's");
  ASSERT_TRUE(replaceSettingsFile(dir.file("dadidedo.dat"), "x").written);
  EXPECT_EQ(dir.entries(),
            (std::vector<std::string>{".zova-" + std::to_string(::getppid()) + "-0.tmp",
                                      ".zova-notes.tmp", "dadidedo.dat"}));
}

TEST(SettingsStorage, BackupOnlyOfReadableWritableRegularFiles) {
  TempDir dir;
  spit(dir.file("a.dat"), "damaged");
  spit(dir.file("a.dat.bak"), "older");
  EXPECT_TRUE(keepAsBackup(dir.file("a.dat")));
  EXPECT_EQ(slurp(dir.file("a.dat.bak")), "damaged");
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.dat")));

  spit(dir.file("ro.dat"), "keep");
  ::chmod(dir.file("ro.dat").c_str(), 0444);
  ASSERT_EQ(::mkfifo(dir.file("fifo.dat").c_str(), 0600), 0);
  for (const char* name : {"ro.dat", "fifo.dat", "missing.dat"}) {
    EXPECT_FALSE(keepAsBackup(dir.file(name))) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.file(name) + ".bak")) << name;
  }
  EXPECT_TRUE(isFifo(dir.file("fifo.dat")));
}

}  // namespace
}  // namespace zova
