// The calendar's serial arithmetic and date text beside Hinnant's
// civil-from-days and days-from-civil, over the same pseudo-random dates.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "calendar/CalendarDate.h"
#include "calendar/CivilReference.h"
#include "calendar/DateText.h"

namespace {

constexpr std::size_t kCount = 4096; // a power of two, for cheap wrapping

const std::vector<std::int32_t>& Serials()
{
    static const std::vector<std::int32_t> serials = [] {
        std::mt19937 random(20251211);
        std::uniform_int_distribution<std::int32_t> pick(0, CalendarDate::kLastSerial);
        std::vector<std::int32_t> values(kCount);
        for (std::int32_t& value : values)
            value = pick(random);
        return values;
    }();
    return serials;
}

const std::vector<CalendarDate>& Dates()
{
    static const std::vector<CalendarDate> dates = [] {
        std::vector<CalendarDate> values;
        for (std::int32_t serial : Serials())
            values.emplace_back(serial);
        return values;
    }();
    return dates;
}

void BM_SplitSerial(benchmark::State& state)
{
    const auto& serials = Serials();
    CalendarDate date(0);
    std::size_t index = 0;
    for (auto _ : state) {
        date.serial = serials[index++ & (kCount - 1)];
        benchmark::DoNotOptimize(date.serial);
        date.SplitSerial();
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_SplitSerial);

void BM_HinnantCivilFromDays(benchmark::State& state)
{
    const auto& serials = Serials();
    std::size_t index = 0;
    for (auto _ : state) {
        std::int64_t serial = serials[index++ & (kCount - 1)];
        benchmark::DoNotOptimize(serial);
        civil::Ymd ymd = civil::DateOfSerial(serial);
        benchmark::DoNotOptimize(ymd);
    }
}
BENCHMARK(BM_HinnantCivilFromDays);

void BM_SetDate(benchmark::State& state)
{
    const auto& dates = Dates();
    CalendarDate date(0);
    std::size_t index = 0;
    for (auto _ : state) {
        const CalendarDate& source = dates[index++ & (kCount - 1)];
        std::int32_t y = source.year, m = source.month, d = source.day;
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
        date.SetDate(y, m, d);
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_SetDate);

void BM_HinnantDaysFromCivil(benchmark::State& state)
{
    const auto& dates = Dates();
    std::size_t index = 0;
    for (auto _ : state) {
        const CalendarDate& source = dates[index++ & (kCount - 1)];
        std::int64_t y = source.year;
        unsigned m = static_cast<unsigned>(source.month), d = static_cast<unsigned>(source.day);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
        std::int64_t serial = civil::SerialOf(y, m, d);
        benchmark::DoNotOptimize(serial);
    }
}
BENCHMARK(BM_HinnantDaysFromCivil);

void BM_FormatDateText_0x70(benchmark::State& state)
{
    const auto& dates = Dates();
    std::string text;
    std::size_t index = 0;
    for (auto _ : state) {
        const std::int32_t length = FormatDateText(dates[index++ & (kCount - 1)], 0x70, text);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormatDateText_0x70);

} // namespace

BENCHMARK_MAIN();
