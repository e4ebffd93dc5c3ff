// The settings file never loses what the user had: files start-up could not
// read are kept, special and read-only files are left alone, every failure to
// save is told, and odd but harmless line forms read. Every file lives in a
// temporary folder; device nodes are made there, never borrowed from /dev.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "model/model.h"
#include "model/sequence.h"
#include "support/key_runner.h"
#include "support/temp_dir.h"

namespace zova {
namespace {

namespace fs = std::filesystem;
using testing::kEnglish;
using testing::kGerman;
using testing::slurp;
using testing::spit;
using testing::Started;
using testing::TempDir;

/// A complete file as the program writes it, with K 7 and one statistics item.
std::string goodFile() {
  HeadlessToolkit tk;
  Model m(tk, kEnglish);
  m.startUp();
  m.calc().state().kRegister = "7";
  m.stats().enterItem("3");
  return m.settingsText();
}

/// goodFile with line `n` replaced.
std::string withLine(std::size_t n, const std::string& text) {
  std::string file = goodFile(), out;
  std::size_t line = 1, start = 0;
  for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
    out += (line++ == n ? text : file.substr(start, end - start)) + "\r\n";
  return out;
}

// A file that is there but falls back is renamed to NAME.bak before
// the first write, and the user is told once.
TEST(SettingsKeep, AFileThatFellBackIsKeptAsBackup) {
  const std::pair<const char*, std::string> cases[] = {
      {"a bad line", withLine(4, "maybe")},
      {"cut short", goodFile().substr(0, 40)},
      {"binary", std::string("\x01\x02\xff\r\n", 5)},
  };
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.file("dadidedo.dat");
    spit(path, text);
    Started r(path);
    EXPECT_EQ(slurp(path), text);  // reading changes nothing
    r.model.calc().state().kRegister = "5";
    ASSERT_TRUE(r.model.writeSettings());
    EXPECT_EQ(slurp(path + ".bak"), text);
    EXPECT_EQ(slurp(path).substr(0, 3), "5\r\n");
    ASSERT_EQ(r.tk.messages.size(), 1u);
    EXPECT_EQ(r.tk.messages[0].text, "The settings file " + path +
                                         " could not be read. It has been kept as " + path +
                                         ".bak, and the settings are saved anew.");
    ASSERT_TRUE(r.model.writeSettings());  // told once; the backup stays
    EXPECT_EQ(r.tk.messages.size(), 1u);
    EXPECT_EQ(slurp(path + ".bak"), text);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"dadidedo.dat", "dadidedo.dat.bak"}));
  }
  // A good file, a missing one and an empty one leave no backup.
  for (const std::string& text : {goodFile(), std::string()}) {
    TempDir dir;
    spit(dir.file("a.dat"), text);
    Started good(dir.file("a.dat")), missing(dir.file("b.dat"));
    ASSERT_TRUE(good.model.writeSettings() && missing.model.writeSettings());
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.dat", "b.dat"}));
    EXPECT_TRUE(good.tk.messages.empty() && missing.tk.messages.empty());
  }
}

// Items 1, 2, 3 and 4: what is not a regular file the user may read and write
// is never renamed, replaced or written; it is reported.
TEST(SettingsKeep, SpecialAndReadOnlyFilesAreLeftAlone) {
  enum class Kind { kFifo, kDevice, kFolder, kReadOnlyGood, kReadOnlyBad };
  const std::pair<Kind, const char*> cases[] = {
      {Kind::kFifo, "could not be read, and it is not a file"},
      {Kind::kDevice, "could not be read, and it is not a file"},
      {Kind::kFolder, "could not be read, and it is not a file"},
      {Kind::kReadOnlyGood, "could not be saved to PATH: the file is read-only."},
      {Kind::kReadOnlyBad, "could not be read, and it is not a file"},
  };
  for (const auto& [kind, message] : cases) {
    SCOPED_TRACE(static_cast<int>(kind));
    TempDir dir;
    const std::string path = dir.file("dadidedo.dat");
    if (kind == Kind::kFifo) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    if (kind == Kind::kDevice && ::mknod(path.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) != 0) {
      continue;  // making device nodes is not permitted here
    }
    if (kind == Kind::kFolder) fs::create_directory(path);
    if (kind == Kind::kReadOnlyGood || kind == Kind::kReadOnlyBad) {
      spit(path, kind == Kind::kReadOnlyGood ? goodFile() : withLine(12, "9"));
      fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    const auto type = fs::symlink_status(path).type();
    const std::string before = fs::is_regular_file(path) ? slurp(path) : "";
    Started r(path);
    r.model.calc().state().kRegister = "5";
    EXPECT_FALSE(r.model.writeSettings());
    EXPECT_EQ(fs::symlink_status(path).type(), type);
    if (fs::is_regular_file(path)) {
      EXPECT_EQ(slurp(path), before);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"dadidedo.dat"});
    ASSERT_EQ(r.tk.messages.size(), 1u);
    std::string expected = message;
    if (const auto at = expected.find("PATH"); at != std::string::npos)
      expected.replace(at, 4, path);
    EXPECT_NE(r.tk.messages[0].text.find(expected), std::string::npos) << r.tk.messages[0].text;
    EXPECT_NE(r.tk.messages[0].text.find(path), std::string::npos);
  }
}

// On the command line, a refused file is reported on standard error
// with exit status 1 and stays what it was.
TEST(SettingsKeep, TheCommandLineReportsARefusedFile) {
  TempDir dir;
  const std::string fifo = dir.file("fifo.dat");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  HeadlessToolkit tk;
  Model m(tk, kEnglish);
  std::string said;
  m.setSettingsReport([&said](const std::string& text) { said += text + "\n"; });
  m.setSettingsFile(fifo);
  ::alarm(20);
  m.startUp();
  ::alarm(0);
  EXPECT_FALSE(m.writeSettings());
  EXPECT_TRUE(tk.messages.empty());
  EXPECT_NE(said.find(fifo), std::string::npos);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// Save Settings into a folder that cannot take the file says so.
TEST(SettingsSave, AFailedCopyIsReported) {
  TempDir home, other;
  std::vector<std::string> targets = {other.file("missing/copy.dat")};
  if (::geteuid() != 0) {
    fs::create_directory(other.file("locked"));
    fs::permissions(other.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    targets.push_back(other.file("locked/copy.dat"));
  }
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    Started r(home.file("dadidedo.dat"));
    r.tk.fileAnswers.push_back({target, "copy.dat"});
    r.model.saveSettingsAs();
    ASSERT_EQ(r.tk.messages.size(), 1u);
    EXPECT_EQ(r.tk.messages[0].title, "Save Settings");
    EXPECT_EQ(r.tk.messages[0].text.rfind("The settings could not be saved to " + target + ": ", 0),
              0u)
        << r.tk.messages[0].text;
    EXPECT_FALSE(fs::exists(target));
  }
}

// Through the window's key path: a full register beeps and refuses.
TEST(SettingsLimit, EnterDataBeepsWhenTheRegisterIsFull) {
  Started r;
  Model& m = r.model;
  m.stats().restore(std::vector<std::string>(kMaxStatItems, "1"));
  ASSERT_FALSE(runSequence(m, "7,stat:enter"));
  EXPECT_EQ(r.tk.beeps, 1);
  EXPECT_EQ(m.stats().count(), kMaxStatItems);
  EXPECT_EQ(m.stats().items().front(), "1");
  EXPECT_EQ(m.calc().display(), "7");
}

// A long file name saves (the temporary name stays short).
TEST(SettingsSave, ALongFileNameSaves) {
  TempDir dir;
  const std::string path = dir.file(std::string(250, 'n') + ".dat");
  Started r(path);
  ASSERT_TRUE(r.model.writeSettings());
  EXPECT_EQ(slurp(path), r.model.settingsText());
  EXPECT_EQ(dir.entries().size(), 1u);
}

// M is written with "." in every locale and read in both forms; a byte
// order mark and LF CR line ends read as well.
TEST(SettingsLines, MemoryAndLineEndsInEveryForm) {
  TempDir dir;
  const std::string path = dir.file("dadidedo.dat");
  {
    Started de(path, kGerman);
    ASSERT_FALSE(runSequence(de.model, "2,.,5,M+"));
    ASSERT_TRUE(de.model.writeSettings());
  }
  const std::string written = slurp(path);
  EXPECT_EQ(written.substr(0, 8), "0\r\n2.5\r\n");
  for (const char* m : {"2.5", "2,5"}) {
    SCOPED_TRACE(m);
    spit(path, withLine(2, m));
    Started de(path, kGerman);
    ASSERT_FALSE(runSequence(de.model, "MR,+,1,="));
    EXPECT_EQ(de.model.calc().display(), "3,5");
  }
  std::string lfcr = goodFile();
  for (std::size_t at = 0; (at = lfcr.find("\r\n", at)) != std::string::npos; at += 2)
    lfcr.replace(at, 2, "\n\r");
  for (const std::string& text : {"\xEF\xBB\xBF" + goodFile(), lfcr}) {
    spit(path, text);
    Started r(path);
    EXPECT_EQ(r.model.settingsText(), goodFile());
    EXPECT_TRUE(r.model.writeSettings());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"dadidedo.dat"});
  }
}

}  // namespace
}  // namespace zova
