// The autostart entry's Exec and Path lines for program paths a shell or a
// desktop entry reader would otherwise split or expand.
#include "model/desktop_entry.h"

#include <gtest/gtest.h>

namespace zova {
namespace {

TEST(DesktopEntry, ExecQuotesAndEscapesTheProgramPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"/usr/bin/zova", R"("/usr/bin/zova")"},
      {"/opt/my apps/zova", R"("/opt/my apps/zova")"},
      {R"(/tmp/a"b/zova)", R"("/tmp/a\\"b/zova")"},
      {"/tmp/$HOME/zova", R"("/tmp/\\$HOME/zova")"},
      {"/tmp/`id`/zova", R"("/tmp/\\`id\\`/zova")"},
      {R"(/tmp/back\slash/zova)", R"("/tmp/back\\\\slash/zova")"},
      {"/tmp/100%/zova", R"("/tmp/100%%/zova")"},
  };
  for (const auto& [program, exec] : cases) EXPECT_EQ(execArgument(program), exec) << program;
}

TEST(DesktopEntry, EntryStartsTheProgramInItsFolder) {
  const std::string entry = autostartEntry("/opt/z ova/zova", "/home/u/my\\calc");
  EXPECT_NE(entry.find("\nExec=\"/opt/z ova/zova\"\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nPath=/home/u/my\\\\calc\n"), std::string::npos) << entry;
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
}

}  // namespace
}  // namespace zova
