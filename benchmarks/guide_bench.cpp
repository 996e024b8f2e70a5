// The guide is rebuilt at every dog, inside a key press or a timer tick, so
// it has to stay far below a frame's time.
#include "typing/DogTable.h"
#include "typing/Guide.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MakeGuideLongestReading(benchmark::State& state)
{
    kibbo::KeyPrefs prefs{};
    prefs.fill(static_cast<std::int16_t>(state.range(0)));
    const auto reading = kibbo::dogTable[120].dogYomi;
    for (auto _ : state)
        benchmark::DoNotOptimize(kibbo::MakeGuide(reading, prefs));
}
BENCHMARK(BM_MakeGuideLongestReading)->Arg(0)->Arg(1)->Arg(2);

void BM_MakeGuideWholeCatalogue(benchmark::State& state)
{
    const kibbo::KeyPrefs prefs{};
    for (auto _ : state)
        for (const auto& dog : kibbo::dogTable)
            benchmark::DoNotOptimize(kibbo::MakeGuide(dog.dogYomi, prefs));
}
BENCHMARK(BM_MakeGuideWholeCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
