// The settings file's place for the window, and its folder made on demand.
#include "model/settings_location.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "model/model.h"

namespace zova {

std::string configFolder(const SettingsPlaceEnvironment& env) {
  if (env.configHome != nullptr && env.configHome[0] == '/') return env.configHome;
  return (std::filesystem::path(env.home != nullptr ? env.home : "") / ".config").string();
}

std::string configFolder() {
  return configFolder({std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")});
}

std::string windowSettingsPath(const SettingsPlaceEnvironment& env) {
  std::error_code ec;
  // Any entry of that name counts, a dangling link included: the file's
  // reader and writer decide what to do with it, as they always have.
  if (std::filesystem::symlink_status(kSettingsFileName, ec).type() !=
      std::filesystem::file_type::not_found)
    return kSettingsFileName;
  return (std::filesystem::path(configFolder(env)) / "zova" / kSettingsFileName).string();
}

std::string windowSettingsPath() {
  return windowSettingsPath({std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")});
}

bool makeSettingsFolder(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) return true;
  std::filesystem::path made;
  for (const auto& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace zova
