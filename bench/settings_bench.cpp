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

/// A model started on a settings file with kMaxStatItems items, made once in a
/// folder of its own (left for the system's temporary folder cleaning).
void startOnFullFile(Model& m) {
  static const std::string path = [] {
    std::string folder = (std::filesystem::temp_directory_path() / "zova-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) std::abort();
    HeadlessToolkit tk;
    Model full(tk, {".", ","});
    std::vector<std::string> items;
    for (std::size_t i = 0; i < kMaxStatItems; ++i) items.push_back(std::to_string(i / 7.0));
    full.stats().restore(items);
    full.setSettingsFile(folder + "/dadidedo.dat");
    if (!full.writeSettings()) std::abort();
    return folder + "/dadidedo.dat";
  }();
  m.setSettingsFile(path);
  m.startUp();
  if (m.stats().count() != kMaxStatItems) std::abort();
}

void BM_StartUpReadsFullFile(benchmark::State& state) {
  for (auto _ : state) {
    HeadlessToolkit tk;
    Model m(tk, {".", ","});
    startOnFullFile(m);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMaxStatItems));
}
BENCHMARK(BM_StartUpReadsFullFile)->Unit(benchmark::kMillisecond);

void BM_ShutdownWritesFullFile(benchmark::State& state) {
  HeadlessToolkit tk;
  Model m(tk, {".", ","});
  startOnFullFile(m);
  for (auto _ : state)
    if (!m.writeSettings()) state.SkipWithError("not written");
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMaxStatItems));
}
BENCHMARK(BM_ShutdownWritesFullFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zova
