// The file system side of the settings file: POSIX calls only, so that the
// type of what is at the path is known before anything is read or replaced.
#include "model/settings_storage.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "engine/text.h"

namespace zova {

namespace {

const Text kNotRegular = Text::phrase(ZOVA_TEXT("Messages", "it is not a regular file"));
const Text kTooLarge = Text::phrase(ZOVA_TEXT("Messages", "it is larger than 256 MB"));
const Text kReadOnly = Text::phrase(ZOVA_TEXT("Messages", "the file is read-only"));
// Temporary files are named ".zova-PID-N.tmp": short whatever the settings
// file is called, and recognisable as this program's when a killed run left one.
constexpr std::string_view kTempPrefix = ".zova-";
constexpr std::string_view kTempSuffix = ".tmp";

Text errorText(int error) { return Text::asWritten(std::strerror(error)); }

bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

/// Whether the user may change the file: a write bit is set (root may write
/// anything, but a file nobody may write is meant to stay) and access agrees.
bool mayWrite(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

/// The process a temporary file's name belongs to, or 0 for other names.
pid_t tempOwner(std::string_view name) {
  if (name.size() <= kTempPrefix.size() + kTempSuffix.size() || !name.starts_with(kTempPrefix) ||
      !name.ends_with(kTempSuffix))
    return 0;
  name.remove_prefix(kTempPrefix.size());
  pid_t pid = 0;
  const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
  return ec == std::errc() && end < name.data() + name.size() && *end == '-' ? pid : 0;
}

/// Removes the temporary files that runs of this program killed during a
/// save left in folder.
void removeStaleTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const pid_t pid = tempOwner(entry->d_name);
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to judge
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

}  // namespace

FileRead readSettingsBytes(const std::string& path) {
  FileRead r;
  // O_NONBLOCK: opening a FIFO with no writer would otherwise wait forever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return r;
    r.outcome = ReadOutcome::kUnreadable;
    r.reason = errorText(error);
    return r;
  }
  r.outcome = ReadOutcome::kUnreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    r.reason = errorText(errno);
  } else if (!S_ISREG(st.st_mode)) {
    r.reason = kNotRegular;
  } else if (static_cast<std::size_t>(st.st_size) > kMaxSettingsBytes) {
    r.reason = kTooLarge;
  } else {
    r.text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
      // One byte more than the file had: a file that grew meanwhile is read to its end.
      if (got == r.text.size()) r.text.resize(got + 4096);
      const ssize_t n = ::read(fd, r.text.data() + got, r.text.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        r.reason = errorText(errno);
        break;
      }
      if (n == 0) {
        r.outcome = ReadOutcome::kRead;
        break;
      }
      got += static_cast<std::size_t>(n);
      if (got > kMaxSettingsBytes) {
        r.reason = kTooLarge;
        break;
      }
    }
    r.text.resize(got);
  }
  ::close(fd);
  if (r.outcome != ReadOutcome::kRead) r.text.clear();
  return r;
}

WriteOutcome replaceSettingsFile(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  if (content.size() > kMaxSettingsBytes)
    return {false, Text::phrase(ZOVA_TEXT("Messages", "the settings are larger than 256 MB"))};
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISLNK(st.st_mode)) {
      // Someone else's link could point the write anywhere.
      if (st.st_uid != ::geteuid())
        return {false,
                Text::phrase(ZOVA_TEXT("Messages", "it is a link that belongs to another user"))};
      std::error_code ec;
      target = fs::weakly_canonical(fs::path(path), ec).string();
      if (ec) return {false, Text::asWritten(ec.message())};
    } else if (!S_ISREG(st.st_mode)) {
      return {false, kNotRegular};
    }
  } else if (errno != ENOENT) {
    return {false, errorText(errno)};
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return {false, kNotRegular};
  if (exists && !mayWrite(target, old)) return {false, kReadOnly};

  std::string folder = fs::path(target).parent_path().string();
  if (folder.empty()) folder = ".";
  removeStaleTemporaries(folder);
  int fd = -1;
  std::string temp;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folder + "/" + std::string(kTempPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(attempt) + std::string(kTempSuffix);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return {false, errorText(errno)};
  }
  if (fd < 0) return {false, errorText(EEXIST)};
  if (exists) {
    ::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // the file then belongs to root; its content is what matters
    }
  }
  bool ok = writeAll(fd, content) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return {false, errorText(error)};
  }
  // The rename itself reaches the disk with the folder.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {true, {}};
}

WriteOutcome appendToFile(const std::string& path, std::string_view content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {false, errorText(errno)};
  struct stat st {};
  WriteOutcome out;
  if (::fstat(fd, &st) != 0) {
    out.reason = errorText(errno);
  } else if (!S_ISREG(st.st_mode)) {
    out.reason = kNotRegular;
  } else if (!mayWrite(path, st)) {
    out.reason = kReadOnly;
  } else if (writeAll(fd, content) && ::fdatasync(fd) == 0) {
    out.written = true;
  } else {
    out.reason = errorText(errno);
    // A line cut short by a full disk would join the next one; should this fail too,
    // the caller's whole rewrite, which follows a failed append, replaces the file.
    (void)::ftruncate(fd, st.st_size);
  }
  ::close(fd);
  return out;
}

bool keepAsBackup(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (::access(path.c_str(), R_OK) != 0 || !mayWrite(path, st)) return false;
  return ::rename(path.c_str(), (path + ".bak").c_str()) == 0;
}

}  // namespace zova
