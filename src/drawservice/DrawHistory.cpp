// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawHistory.h"

#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kav::drawservice {
namespace {

constexpr std::uint64_t kDemoSeed = 0x4B6176616E746FULL; // fixed: the demo is reproducible

// SplitMix64: a small, well-mixed generator; one stream per date.
std::uint64_t nextRandom(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int below(std::uint64_t& state, int bound) {
    return static_cast<int>(nextRandom(state) % static_cast<std::uint64_t>(bound));
}

} // namespace

DrawRecord DrawHistory::demoDraw(DayCount sunday) {
    if (sunday == kMinimumPickerDate)
        return DrawRecord::seed();
    std::uint64_t state = kDemoSeed ^ static_cast<std::uint64_t>(sunday);
    std::array<int, kNumbersPerDraw> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        int n = 0;
        do
            n = 1 + below(state, kHighestNumber);
        while (std::find(numbers.begin(), numbers.begin() + static_cast<long>(i), n) !=
               numbers.begin() + static_cast<long>(i));
        numbers[i] = n;
    }
    return DrawRecord::make(static_cast<double>(sunday), numbers, below(state, kHighestKey + 1));
}

DrawHistory DrawHistory::fromRecords(const std::vector<DrawRecord>& records, std::string source) {
    DrawHistory history;
    history.source_ = std::move(source);
    for (const DrawRecord& record : records)
        history.byDate_[roundToDay(record.date)].push_back(record);
    return history;
}

DrawHistory DrawHistory::fromCsvFile(const std::filesystem::path& path, DayCount today) {
    return fromRecords(readDrawCsvFile(path, today), path.string());
}

DrawHistory DrawHistory::fromDrawFile(const std::filesystem::path& path) {
    std::vector<DrawRecord> good;
    for (const DrawRecord& record : readDrawRecords(path).records)
        if (record.isValid() && std::isfinite(record.date))
            good.push_back(record);
    return fromRecords(good, path.string());
}

DrawHistory DrawHistory::demo() {
    DrawHistory history;
    history.demo_ = true;
    return history;
}

std::vector<DrawRecord> DrawHistory::drawsOn(DayCount date, DayCount today) const {
    if (demo_) {
        if (date < kMinimumPickerDate || date > today || weekdayOf(date) != 0)
            return {};
        return {demoDraw(date)};
    }
    const auto found = byDate_.find(date);
    return found == byDate_.end() ? std::vector<DrawRecord>{} : found->second;
}

std::string DrawHistory::description(DayCount today) const {
    if (demo_) {
        const int sundays = today < kMinimumPickerDate ? 0 : (today - kMinimumPickerDate) / 7 + 1;
        return "DEMO: " + std::to_string(sundays) +
               " erfundene Ziehungen, jeden Sonntag ab 06.02.2005 (keine echten Ergebnisse)";
    }
    std::size_t count = 0;
    for (const auto& [date, draws] : byDate_)
        count += draws.size();
    return std::to_string(count) + " Ziehungen aus " + source_;
}

} // namespace kav::drawservice
