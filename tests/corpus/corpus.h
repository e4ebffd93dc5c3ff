// The behaviour corpus shared by its generator and its test: the golden file's
// line format, one case run through the command line in process, and the hash
// of everything the case makes visible.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "support/cli_runner.h"

namespace zova::corpus {

namespace fs = std::filesystem;

/// One line of the golden file: `<hash>\t<locale>\t<start file or ->\t<sequence>`.
struct CorpusCase {
  std::uint64_t hash = 0;
  std::string locale;     ///< "en_US" or "de_DE"
  std::string startFile;  ///< a file name in the corpus folder, or "-" for none
  std::string sequence;   ///< the --keys argument
};

// The top-level JSON fields the hash covers, picked by name so that a field added
// later, or a change in field order, leaves the hash alone.
inline constexpr std::string_view kHashedFields[] = {
    "display", "indicators", "tooltips", "stack", "M",     "K",       "beeps", "messages",
    "stat",    "fin",        "conv",     "elem",  "molar", "options", "window"};

inline std::uint64_t fnv1a(std::string_view bytes, std::uint64_t h = 0xcbf29ce484222325ULL) {
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ULL;
  return h;
}

/// The text of a top-level field's value in the command line's one-line JSON object
/// (`{"name": value, ...}`), or nothing when it has no such field.
inline std::optional<std::string_view> topLevelField(std::string_view json, std::string_view key) {
  const auto stringEnd = [&](std::size_t j) {  // one past the closing quote
    for (++j; j < json.size() && json[j] != '"';) j += json[j] == '\\' ? 2 : 1;
    return j + 1;
  };
  for (std::size_t i = 1; i < json.size() && json[i] == '"';) {
    const std::size_t nameEnd = stringEnd(i), start = nameEnd + 2;  // after '": '
    std::size_t end = start;
    for (int depth = 0; end < json.size(); ++end) {
      const char c = json[end];
      if (c == '"') end = stringEnd(end) - 1;
      if (c == '{' || c == '[') ++depth;
      if ((c == '}' || c == ']') && depth-- == 0) break;
      if (c == ',' && depth == 0) break;
    }
    if (json.substr(i + 1, nameEnd - i - 2) == key) return json.substr(start, end - start);
    i = end + 2;  // after ", "
  }
  return std::nullopt;
}

inline std::string readFile(const fs::path& path) {
  std::ostringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

inline void writeFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

/// A scratch folder, removed at the end; in memory where /dev/shm is there, as the
/// settings file is written with fsync for every case.
struct ScratchFolder {
  ScratchFolder() {
    std::error_code ec;
    std::string t =
        ((fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path()) /
         "zova-corpus-XXXXXX")
            .string();
    if (::mkdtemp(t.data()) != nullptr) path = t;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path.empty()) fs::remove_all(path, ec);
  }
  fs::path path;
};

/// The settings file a run starts from: a fresh copy of the case's start file, or none.
inline fs::path freshSettings(const CorpusCase& c, const fs::path& folder,
                              const fs::path& scratch) {
  const fs::path settings = scratch / "zova.dat";
  std::error_code ec;
  fs::remove(settings, ec);
  if (c.startFile != "-") writeFile(settings, readFile(folder / c.startFile));
  return settings;
}

/// Runs `--keys SEQUENCE --json` in `locale` from the case's start file; returns the
/// result and the settings file at exit.
inline std::pair<testing::CliResult, std::string> runCase(const CorpusCase& c,
                                                          const fs::path& folder,
                                                          const fs::path& scratch,
                                                          const std::string& locale,
                                                          const std::string& sequence) {
  const fs::path settings = freshSettings(c, folder, scratch);
  testing::CliResult r = testing::runCli(
      {"--keys", sequence, "--json", "--locale", locale, "--settings", settings.string()});
  return {r, fs::exists(settings) ? "settings=" + readFile(settings) + "\n" : "settings absent\n"};
}

/// The hash of the exit status, the JSON fields, the settings file at exit and, for a
/// rejected sequence (exit 2), standard error; then of the display after every token of
/// the sequence fed to `--repl` one per line (the whole JSON after every token would
/// cost five times the rest). Returns the hash and the exit status.
inline std::pair<std::uint64_t, int> runAndHash(const CorpusCase& c, const fs::path& folder,
                                                const fs::path& scratch) {
  const auto [r, settings] = runCase(c, folder, scratch, c.locale, c.sequence);
  std::uint64_t h = fnv1a("status=" + std::to_string(r.status) + "\n");
  for (std::string_view field : kHashedFields) {
    const std::optional<std::string_view> value = topLevelField(r.out, field);
    h = fnv1a(value ? "=" + std::string(*value) + "\n" : std::string(" absent\n"), fnv1a(field, h));
  }
  h = fnv1a(settings, h);
  if (r.status == 2) h = fnv1a("stderr=" + r.err, h);
  std::string lines = c.sequence;
  std::replace(lines.begin(), lines.end(), ',', '\n');
  const testing::CliResult steps = testing::runCli(
      {"--repl", "--locale", c.locale, "--settings", freshSettings(c, folder, scratch).string()},
      lines + "\n");
  return {fnv1a("displays=" + steps.out, h), r.status};
}

inline std::string formatLine(const CorpusCase& c) {
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(c.hash));
  return std::string(hex) + "\t" + c.locale + "\t" + c.startFile + "\t" + c.sequence;
}

/// A case from a golden line; nothing for comment lines and lines without four columns.
inline std::optional<CorpusCase> parseLine(std::string_view line) {
  CorpusCase c;
  std::string* columns[] = {&c.locale, &c.startFile};
  if (line.size() < 17 || line[16] != '\t') return std::nullopt;
  const auto [end, ec] = std::from_chars(line.data(), line.data() + 16, c.hash, 16);
  if (ec != std::errc() || end != line.data() + 16) return std::nullopt;
  line.remove_prefix(17);
  for (std::string* column : columns) {
    const std::size_t next = line.find('\t');
    if (next == std::string_view::npos) return std::nullopt;
    *column = line.substr(0, next);
    line.remove_prefix(next + 1);
  }
  c.sequence = line;
  return c;
}

}  // namespace zova::corpus
