// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawRecord.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kav::drawservice {

// The draws the service answers from: a CSV file, the program's own draw file, or the
// demo history. Read-only once built, so the server's threads share it freely.
class DrawHistory {
public:
    // A CSV file as the program imports it; throws DrawCsvError or IoError.
    static DrawHistory fromCsvFile(const std::filesystem::path& path, DayCount today);
    // A draw file ("ZahlenKav.dat"); damaged records are left out. Throws IoError.
    static DrawHistory fromDrawFile(const std::filesystem::path& path);
    // A synthetic history, clearly labelled as such: one draw every Sunday from
    // 06.02.2005 (the program's seed draw) up to today, the same on every run.
    static DrawHistory demo();
    static DrawHistory fromRecords(const std::vector<DrawRecord>& records, std::string source);

    // The draws of one date, in the source's order; the demo knows no draw after `today`.
    std::vector<DrawRecord> drawsOn(DayCount date, DayCount today) const;

    bool isDemo() const { return demo_; }
    // For the start-up line: where the draws come from and how many there are.
    std::string description(DayCount today) const;

    // The demo draw of a Sunday (the seed draw on 06.02.2005).
    static DrawRecord demoDraw(DayCount sunday);

private:
    bool demo_ = false;
    std::string source_;
    std::map<DayCount, std::vector<DrawRecord>> byDate_;
};

} // namespace kav::drawservice
