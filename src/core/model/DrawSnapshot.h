// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DrawRecord.h"

#include <vector>

namespace kav {

// The draw file as read by one command: all whole records in file order. A command reads
// the file once into a snapshot and works on that, so it always sees the file as on disk.
struct DrawSnapshot {
    std::vector<DrawRecord> records;
    int damagedRecords = 0; // records whose numbers or key are out of range

    std::size_t size() const { return records.size(); }
    bool empty() const { return records.empty(); }
};

} // namespace kav
