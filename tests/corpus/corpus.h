// The behaviour corpus shared by its generator and its test: the golden file's
// line format, one case run through the command line in process, and the hash
// of everything the case makes visible.
#pragma once

#include <stdlib.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/cli_runner.h"

namespace zova::corpus {

/// One line of the golden file.
struct CorpusCase {
  std::uint64_t hash = 0;
  std::string locale;     ///< "en_US" or "de_DE"
  std::string startFile;  ///< a file name in the corpus folder, or "-" for none
  std::string sequence;   ///< the --keys argument
};

inline constexpr std::string_view kNoStartFile = "-";

// The top-level JSON fields the hash covers. Picked by name, so a field added
// later, or a change in field order, leaves the hash alone.
inline constexpr std::string_view kHashedFields[] = {
    "display", "indicators", "tooltips", "stack", "M",     "K",       "beeps", "messages",
    "stat",    "fin",        "conv",     "elem",  "molar", "options", "window"};

inline std::uint64_t fnv1a(std::string_view bytes, std::uint64_t h = 0xcbf29ce484222325ULL) {
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

/// The text of a top-level field's value in a JSON object, or nothing when the
/// object has no such field.
inline std::optional<std::string_view> topLevelField(std::string_view json, std::string_view key) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < json.size() &&
           (json[i] == ' ' || json[i] == '\n' || json[i] == '\t' || json[i] == '\r'))
      ++i;
  };
  // The end of the string starting at json[i] (one past its closing quote).
  const auto stringEnd = [&](std::size_t from) {
    std::size_t j = from + 1;
    while (j < json.size() && json[j] != '"') j += json[j] == '\\' ? 2 : 1;
    return j + 1;
  };
  skipBlanks();
  if (i >= json.size() || json[i] != '{') return std::nullopt;
  ++i;
  while (true) {
    skipBlanks();
    if (i >= json.size() || json[i] != '"') return std::nullopt;
    const std::size_t keyEnd = stringEnd(i);
    const std::string_view name = json.substr(i + 1, keyEnd - i - 2);
    i = keyEnd;
    skipBlanks();
    if (i >= json.size() || json[i] != ':') return std::nullopt;
    ++i;
    skipBlanks();
    const std::size_t valueStart = i;
    int depth = 0;
    while (i < json.size()) {
      const char c = json[i];
      if (c == '"') {
        i = stringEnd(i);
        continue;
      }
      if (c == '{' || c == '[') ++depth;
      if (c == '}' || c == ']') {
        if (depth == 0) break;  // the end of the whole object
        --depth;
      }
      if (c == ',' && depth == 0) break;
      ++i;
    }
    if (name == key) {
      std::string_view value = json.substr(valueStart, i - valueStart);
      while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
      return value;
    }
    if (i >= json.size() || json[i] != ',') return std::nullopt;
    ++i;
  }
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// A scratch folder for the settings file every case runs with, removed at the end.
/// It is in memory when /dev/shm is there: the settings file is written with
/// fsync, which costs milliseconds on a disk, times two for every case.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::is_directory("/dev/shm", ec)
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    std::string t = (parent / "zova-corpus-XXXXXX").string();
    if (::mkdtemp(t.data()) != nullptr) path_ = t;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::uint64_t hashFields(std::string_view json, std::uint64_t h) {
  for (std::string_view field : kHashedFields) {
    h = fnv1a(field, h);
    const std::optional<std::string_view> value = topLevelField(json, field);
    h = fnv1a(value ? "=" + std::string(*value) + "\n" : std::string(" absent\n"), h);
  }
  return h;
}

/// The settings file a run starts from: a copy of the case's start file, or
/// none at all (which starts the calculator exactly as no --settings does).
inline std::filesystem::path freshSettings(const CorpusCase& c,
                                           const std::filesystem::path& corpusFolder,
                                           const std::filesystem::path& scratch) {
  const std::filesystem::path settings = scratch / "zova.dat";
  std::error_code ec;
  std::filesystem::remove(settings, ec);
  if (c.startFile != kNoStartFile) writeFile(settings, readFile(corpusFolder / c.startFile));
  return settings;
}

struct Outcome {
  std::uint64_t hash;
  int status;
};

/// Runs one case and hashes what it shows, in two runs:
///  - `--keys SEQUENCE --json --settings FILE`: the exit status, the JSON
///    fields, the settings file written at exit (always: FILE is a copy of the
///    start file or a path where no file exists yet) and, for a rejected
///    sequence (exit 2), standard error, which names the token. Other errors
///    would name the scratch path and are left out.
///  - `--repl --settings FILE` fed the tokens one per line: the display after
///    every token, so that the numbers passed through count too, not only the
///    last one. (The whole JSON after every token would cost five times the
///    time of the rest.)
inline Outcome runAndHash(const CorpusCase& c, const std::filesystem::path& corpusFolder,
                          const std::filesystem::path& scratch) {
  std::filesystem::path settings = freshSettings(c, corpusFolder, scratch);
  const testing::CliResult r = testing::runCli(
      {"--keys", c.sequence, "--json", "--locale", c.locale, "--settings", settings.string()});
  std::uint64_t h = fnv1a("status=" + std::to_string(r.status) + "\n");
  h = hashFields(r.out, h);
  h = fnv1a(std::filesystem::exists(settings) ? "settings=" + readFile(settings) + "\n"
                                              : std::string("settings absent\n"),
            h);
  if (r.status == 2) h = fnv1a("stderr=" + r.err, h);

  std::string lines = c.sequence;
  for (char& ch : lines)
    if (ch == ',') ch = '\n';
  settings = freshSettings(c, corpusFolder, scratch);
  const testing::CliResult steps = testing::runCli(
      {"--repl", "--locale", c.locale, "--settings", settings.string()}, lines + "\n");
  h = fnv1a("displays=" + steps.out, h);
  return {h, r.status};
}

inline std::string hexHash(std::uint64_t h) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

/// `<hash>\t<locale>\t<start file or ->\t<sequence>`; no column holds a tab or a line end.
inline std::string formatLine(const CorpusCase& c) {
  return hexHash(c.hash) + "\t" + c.locale + "\t" + c.startFile + "\t" + c.sequence;
}

/// A case from a golden line; nothing for comment lines (#) and blank lines,
/// and for lines that do not have the four columns.
inline std::optional<CorpusCase> parseLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return std::nullopt;
  std::vector<std::string_view> columns;
  for (int i = 0; i < 3; ++i) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    columns.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  columns.push_back(line);
  CorpusCase c;
  const std::string_view hex = columns[0];
  const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), c.hash, 16);
  if (hex.size() != 16 || ec != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
  c.locale = columns[1];
  c.startFile = columns[2];
  c.sequence = columns[3];
  return c;
}

}  // namespace zova::corpus
