// Start-up reading and shutdown writing of a settings file at the statistics
// register's limit (1,000,000 items): the largest file the program makes.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/model.h"

namespace zova {
namespace {

/// A folder of its own holding a settings file with kMaxStatItems items.
struct FullFile {
  FullFile() {
    std::string made = (std::filesystem::temp_directory_path() / "zova-bench-XXXXXX").string();
    if (::mkdtemp(made.data()) == nullptr) std::abort();
    folder = made;
    path = folder + "/dadidedo.dat";
    HeadlessToolkit tk;
    Model m(tk, {".", ","});
    m.startUp();
    std::vector<std::string> items;
    items.reserve(kMaxStatItems);
    for (std::size_t i = 0; i < kMaxStatItems; ++i)
      items.push_back(std::to_string(static_cast<double>(i) / 7));
    m.stats().restore(items);
    m.setSettingsFile(path);
    if (!m.writeSettings()) std::abort();
  }
  ~FullFile() { std::filesystem::remove_all(folder); }
  std::string folder, path;
};

const FullFile& fullFile() {
  static const FullFile file;
  return file;
}

void BM_StartUpReadsFullFile(benchmark::State& state) {
  const std::string& path = fullFile().path;
  for (auto _ : state) {
    HeadlessToolkit tk;
    Model m(tk, {".", ","});
    m.setSettingsFile(path);
    m.startUp();
    if (m.stats().count() != kMaxStatItems) state.SkipWithError("items lost");
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMaxStatItems));
}
BENCHMARK(BM_StartUpReadsFullFile)->Unit(benchmark::kMillisecond);

void BM_ShutdownWritesFullFile(benchmark::State& state) {
  const std::string& path = fullFile().path;
  HeadlessToolkit tk;
  Model m(tk, {".", ","});
  m.setSettingsFile(path);
  m.startUp();
  for (auto _ : state)
    if (!m.writeSettings()) state.SkipWithError("not written");
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMaxStatItems));
}
BENCHMARK(BM_ShutdownWritesFullFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zova
