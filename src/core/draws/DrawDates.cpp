// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawDates.h"

#include <cmath>

namespace kav {
namespace {

bool isRealDrawDate(double date, DayCount today) {
    return std::isfinite(date) && date >= kMinimumPickerDate && date <= today;
}

// "06.02.2005", or what a date that is no day is.
std::string dateText(double date) {
    if (std::isnan(date))
        return "keinem Datum (NaN)";
    if (std::isinf(date))
        return "keinem Datum (unendlich)";
    return formatShortDate(wholeDayOf(date));
}

} // namespace

DrawDates examineDrawDates(const DrawSnapshot& draws, DayCount today) {
    DrawDates dates;
    std::optional<std::size_t> latest;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const double date = draws.records[i].date;
        if (!std::isfinite(date)) {
            dates.unusableRecord = dates.unusableRecord.value_or(i);
            continue;
        }
        if (i > 0 && std::isfinite(draws.records[i - 1].date) && date < draws.records[i - 1].date &&
            !dates.firstOutOfOrder)
            dates.firstOutOfOrder = i;
        if (!latest || date > draws.records[*latest].date)
            latest = i;
    }
    // A damaged date anywhere but at the end is one record the readers skip; at the end it
    // is the date the writers would go on from.
    if (dates.unusableRecord && *dates.unusableRecord != draws.size() - 1)
        dates.unusableRecord.reset();
    if (!dates.unusableRecord && latest && !isRealDrawDate(draws.records[*latest].date, today))
        dates.unusableRecord = latest;
    if (!dates.unusableRecord && latest)
        dates.newest = draws.records[*latest].date;
    return dates;
}

std::string unusableNewestText(const DrawSnapshot& draws, const DrawDates& dates,
                               const std::filesystem::path& file) {
    if (!dates.unusableRecord)
        return {};
    const double date = draws.records[*dates.unusableRecord].date;
    std::string text = "Die neueste Ziehung in " + file.string() + " (Nr. " +
                       std::to_string(*dates.unusableRecord + 1) + ") ist auf " + dateText(date) +
                       " datiert";
    if (std::isfinite(date))
        text += date < kMinimumPickerDate ? ", vor der ersten Ziehung vom 06.02.2005"
                                          : ", nach dem heutigen Tag";
    return text + ".";
}

std::string outOfOrderText(const DrawSnapshot& draws, const DrawDates& dates,
                           const std::filesystem::path& file) {
    if (!dates.firstOutOfOrder)
        return {};
    const std::size_t i = *dates.firstOutOfOrder;
    return "Die Ziehungen in " + file.string() + " stehen nicht in Datumsfolge: die Ziehung Nr. " +
           std::to_string(i + 1) + " vom " + dateText(draws.records[i].date) +
           " steht hinter der vom " + dateText(draws.records[i - 1].date) +
           ". Die Auswertungen nehmen die Ziehungen in der Reihenfolge der Datei; neue Ziehungen "
           "werden nach ihrem Datum eingeordnet. So kommt die Datei in Datumsfolge: Seite "
           "\"Datenbank\", \"CSV exportieren...\", die Ziehungsdatei umbenennen, dann \"CSV "
           "importieren...\".";
}

} // namespace kav
