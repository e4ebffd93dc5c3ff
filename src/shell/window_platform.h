// Whether the window can open at all, asked before the application object is
// made: Qt ends the process when no platform plugin starts, so the plugin and
// its display connection are looked for first, and a fatal message that still
// comes is turned into one line and status 1.
#pragma once

#include <string>

namespace zova {

/// Picks the window platform for the application object about to be made: the
/// first of the platforms Qt would try whose plugin is installed and whose
/// display answers; where that is not the one Qt picks by itself (and the user
/// named none), QT_QPA_PLATFORM is set to it. Returns "" when one is usable, otherwise why the
/// window cannot open.
std::string chooseWindowPlatform(int argc, char** argv);
/// From now on a fatal message from Qt prints one line and ends with status 1;
/// Qt's other messages are held until releaseHeldMessages().
void endOnFatalMessage();
/// Called once the application object is made: the held messages go out.
void releaseHeldMessages();

}  // namespace zova
