// Where the window keeps its settings file: dadidedo.dat in the current folder
// when one is there (as earlier versions kept it), otherwise in the user's
// configuration folder, $XDG_CONFIG_HOME/zova/ or ~/.config/zova/.
#pragma once

#include <string>

namespace zova {

/// The environment that decides the place (null when unset).
struct SettingsPlaceEnvironment {
  const char* configHome = nullptr;  ///< XDG_CONFIG_HOME
  const char* home = nullptr;        ///< HOME
};

/// The user's configuration folder: XDG_CONFIG_HOME when it is an absolute path
/// (a relative one is ignored), else ~/.config. The settings and the start-up
/// entry both live under it.
std::string configFolder(const SettingsPlaceEnvironment& env);
/// The same from the process's environment.
std::string configFolder();

/// The settings file's path for the window: kSettingsFileName when a file of
/// that name exists in the current folder, else configFolder/zova/kSettingsFileName.
std::string windowSettingsPath(const SettingsPlaceEnvironment& env);
/// The same from the process's environment.
std::string windowSettingsPath();

/// Makes the folder the settings file at path goes into, and the folders above
/// it, readable only by the user, as the configuration folder's rules ask.
/// True when the folder is there afterwards.
bool makeSettingsFolder(const std::string& path);

}  // namespace zova
