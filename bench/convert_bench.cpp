// Per-call cost of the conversions the display runs through on every key: number to text,
// the whole-text reader and pattern formatting, each over a small mix of inputs.
#include <benchmark/benchmark.h>

#include <string_view>

#include "engine/convert.h"

namespace {

const zova::NumberLocale kLocale{".", ","};
using zova::operator""_dec;
const zova::Decimal kValues[] = {zova::Decimal(1) / 3,   0.3_dec,  123456789012345_dec,
                                 1234567890123456_dec,   1e-5_dec, -2.5_dec,
                                 7.257415615308e306_dec, 14};
constexpr std::string_view kTexts[] = {"0.333333333333333",    "14",     "-2.5",  "1E-05",
                                       "1.23456789012346E+15", "&HFFFF", " 3/ 4", "ERROR"};
constexpr std::string_view kPatterns[] = {
    "0.00", "0", "0.00E+000", "##,0.00", "##,0.00%", "0.000000000000000", "0E+000", ""};

void BM_NumberToText(benchmark::State& state) {
  for (std::size_t i = 0; auto _ : state)
    benchmark::DoNotOptimize(zova::numberToText(kValues[i++ % 8], kLocale));
}
BENCHMARK(BM_NumberToText);

void BM_TextToNumber(benchmark::State& state) {
  for (std::size_t i = 0; auto _ : state)
    benchmark::DoNotOptimize(zova::textToNumber(kTexts[i++ % 8], kLocale));
}
BENCHMARK(BM_TextToNumber);

void BM_FormatNumber(benchmark::State& state) {
  for (std::size_t i = 0; auto _ : state) {
    benchmark::DoNotOptimize(zova::formatNumber(kValues[i % 8], kPatterns[i / 8 % 8], kLocale));
    ++i;
  }
}
BENCHMARK(BM_FormatNumber);

}  // namespace
