// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the draw file: the parser takes every whole record and leaves out a
// trailing fragment, and every statistic copes with damaged records (numbers outside
// 1..54, keys outside 0..9, NaN or huge dates). The first byte picks the statistic and its
// window, so each input stays quick; DrawCommandsFuzz runs the commands over such files.
#include "FuzzWorkspace.h"

#include "stats/Statistics.h"

namespace {

void runStatistic(unsigned pick, const kav::DrawSnapshot& draws, kav::AnalysisWindow window,
                  const kav::MessageTable& messages) {
    switch (pick % 8) {
    case 0:
        kav::numberDistribution(draws, window, messages);
        break;
    case 1:
        kav::overdueNumbers(draws, window, messages);
        break;
    case 2:
        kav::crossSums(draws, window, messages);
        break;
    case 3:
        kav::pairStatistic(draws, window, messages);
        break;
    case 4:
        kav::tripleStatistic(draws, window, messages);
        break;
    case 5:
        kav::quadStatistic(draws, window, messages);
        break;
    case 6:
        kav::keyFrequency(draws, window, messages);
        break;
    default:
        kav::keyOverdue(draws, window, messages);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    if (size == 0)
        return 0;
    const unsigned pick = data[0];
    const kav::DrawSnapshot draws = kav::parseDrawRecords({data + 1, size - 1});
    require(draws.size() == (size - 1) / kav::kRecordSize);
    int damaged = 0;
    for (const kav::DrawRecord& record : draws.records)
        damaged += record.isValid() ? 0 : 1;
    require(damaged == draws.damagedRecords);

    static const kav::MessageTable messages;
    const kav::AnalysisWindow window =
        pick & 8 ? kav::AnalysisWindow{38389.0, 46000.0} : kav::AnalysisWindow{0.0, 1e9};
    runStatistic(pick, draws, window, messages);
    return 0;
}
