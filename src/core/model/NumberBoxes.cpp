// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberBoxes.h"

namespace kav {

std::vector<int> NumberBoxes::checkedNumbers() const {
    std::vector<int> numbers;
    for (int k = 1; k <= kListNumbers; ++k)
        if ((*this)[k].checked)
            numbers.push_back(k);
    return numbers;
}

} // namespace kav
