// What the settings file's reading and replacing do with each kind of thing that
// can stand at its path, each in a fresh temporary folder.
#include "model/settings_storage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "support/temp_dir.h"

namespace zova {
namespace {

using testing::slurp;
using testing::spit;

/// A folder holding one of each kind of thing: a plain file, a read-only one, a FIFO,
/// links to it and to nowhere, a folder, a device node (when mknod is permitted), a
/// file one byte over the size limit (sparse: it costs no disk) and an unreadable one.
struct Kinds : testing::TempDir {
  Kinds() {
    spit(file("plain"), "K\r\nM\r\n");
    spit(file("readonly"), "old");
    ::chmod(file("readonly").c_str(), 0444);
    ::mkfifo(file("fifo").c_str(), 0600);
    ::symlink(file("fifo").c_str(), file("link-to-fifo").c_str());
    ::symlink(file("nowhere").c_str(), file("dangling").c_str());
    std::filesystem::create_directory(file("folder"));
    ::mknod(file("device").c_str(), S_IFCHR | 0666, makedev(1, 3));
    const int big = ::open(file("big").c_str(), O_CREAT | O_WRONLY, 0600);
    EXPECT_EQ(::ftruncate(big, static_cast<off_t>(kMaxSettingsBytes) + 1), 0);
    ::close(big);
    spit(file("secret"), "x");
    ::chmod(file("secret").c_str(), 0);
  }
  bool is(const std::string& name, mode_t type) const {
    struct stat st {};
    return ::lstat(file(name).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
  }
};

bool isRoot() { return ::geteuid() == 0; }

TEST(SettingsStorage, ReadsOnlyRegularFiles) {
  Kinds dir;
  const std::pair<std::string, ReadOutcome> cases[] = {
      {"plain", ReadOutcome::kRead},
      {"missing", ReadOutcome::kMissing},
      {"dangling", ReadOutcome::kMissing},
      {"fifo", ReadOutcome::kUnreadable},
      {"link-to-fifo", ReadOutcome::kUnreadable},
      {"folder", ReadOutcome::kUnreadable},
      {"big", ReadOutcome::kUnreadable},
      {"device", ReadOutcome::kUnreadable},
      {"secret", isRoot() ? ReadOutcome::kRead : ReadOutcome::kUnreadable},
  };
  for (const auto& [name, outcome] : cases) {
    if (name == "device" && !dir.is(name, S_IFCHR)) continue;
    const FileRead r = readSettingsBytes(dir.file(name));
    EXPECT_EQ(r.outcome, outcome) << name;
    EXPECT_EQ(r.outcome == ReadOutcome::kUnreadable, !english(r.reason).empty()) << name;
  }
  EXPECT_EQ(readSettingsBytes(dir.file("plain")).text, "K\r\nM\r\n");
}

// A regular file is replaced keeping its mode, also under the longest name the file
// system allows; anything else is refused and left as it was.
TEST(SettingsStorage, ReplacesOnlyTheUsersRegularFiles) {
  Kinds dir;
  ::chmod(dir.file("plain").c_str(), 0640);
  ASSERT_TRUE(replaceSettingsFile(dir.file("plain"), "new").written);
  EXPECT_EQ(slurp(dir.file("plain")), "new");
  struct stat st {};
  ::stat(dir.file("plain").c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  const std::size_t files = dir.entries().size();
  EXPECT_TRUE(replaceSettingsFile(dir.file(std::string(250, 'n') + ".dat"), "x").written);
  EXPECT_EQ(dir.entries().size(), files + 1);  // no temporary file left
  const std::pair<const char*, const char*> cases[] = {
      {"readonly", "the file is read-only"},        {"fifo", "it is not a regular file"},
      {"link-to-fifo", "it is not a regular file"}, {"folder", "it is not a regular file"},
      {"device", "it is not a regular file"},
  };
  for (const auto& [name, reason] : cases) {
    if (std::string(name) == "device" && !dir.is(name, S_IFCHR)) continue;
    const WriteOutcome w = replaceSettingsFile(dir.file(name), "new");
    EXPECT_EQ(std::make_tuple(w.written, w.reason), std::make_tuple(false, Text::phrase(reason)))
        << name;
  }
  EXPECT_EQ(slurp(dir.file("readonly")), "old");
  EXPECT_TRUE(dir.is("fifo", S_IFIFO));
  if (!isRoot()) {
    ::chmod(dir.file("folder").c_str(), 0555);
    const WriteOutcome w = replaceSettingsFile(dir.file("folder") + "/x.dat", "new");
    EXPECT_EQ(std::make_tuple(w.written, w.reason),
              std::make_tuple(false, Text::asWritten("Permission denied")));
  }
}

// The user's own link stays a link and its target is replaced; another user's link is
// never followed by a write.
TEST(SettingsStorage, OwnLinkKeepsTheLinkAndReplacesItsTarget) {
  testing::TempDir dir;
  spit(dir.file("real.dat"), "old");
  ASSERT_EQ(::symlink("real.dat", dir.file("link.dat").c_str()), 0);
  ASSERT_TRUE(replaceSettingsFile(dir.file("link.dat"), "new").written);
  EXPECT_EQ(slurp(dir.file("real.dat")), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
  if (isRoot()) {
    ASSERT_EQ(::lchown(dir.file("link.dat").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(replaceSettingsFile(dir.file("link.dat"), "evil").written);
    EXPECT_EQ(slurp(dir.file("real.dat")), "new");
  }
}

TEST(SettingsStorage, StaleTemporariesOfDeadRunsAreRemoved) {
  testing::TempDir dir;
  const pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ::waitpid(dead, nullptr, 0);
  const std::string live = ".zova-" + std::to_string(::getppid()) + "-0.tmp";
  spit(dir.file(".zova-" + std::to_string(dead) + "-0.tmp"), "half");
  spit(dir.file(live), "busy");
  spit(dir.file(".zova-notes.tmp"), "someone's");
  spit(dir.file("dadidedo.dat"), "old");
  errno = ESRCH;  // left over from an earlier call: a live owner must still be asked
  ASSERT_TRUE(replaceSettingsFile(dir.file("dadidedo.dat"), "x").written);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{live, ".zova-notes.tmp", "dadidedo.dat"}));
}

TEST(SettingsStorage, BackupOnlyOfReadableWritableRegularFiles) {
  Kinds dir;
  spit(dir.file("plain.bak"), "older");
  EXPECT_TRUE(keepAsBackup(dir.file("plain")));
  EXPECT_EQ(slurp(dir.file("plain.bak")), "K\r\nM\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("plain")));
  for (const char* name : {"readonly", "fifo", "missing"}) {
    EXPECT_FALSE(keepAsBackup(dir.file(name))) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.file(name) + ".bak")) << name;
  }
  EXPECT_TRUE(dir.is("fifo", S_IFIFO));
}

}  // namespace
}  // namespace zova
