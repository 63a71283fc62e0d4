// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draws/DrawServiceProtocol.h"
#include "output/ScriptUpdate.h"

#include <array>
#include <string>
#include <vector>

namespace kav {

// A spin field of the option pages: the spin button `UpDownN`, the number field that shows
// its position (`EditM`), its design range and default.
struct UpDownSpec {
    int number;
    int editNumber;
    int minimum;
    int maximum;
    int defaultPosition;
};

inline constexpr int kUpDownCount = 19;
inline constexpr int kCheckBoxCount = 31;

const std::array<UpDownSpec, kUpDownCount>& upDownSpecs();
const UpDownSpec& upDownSpec(int number);

// The generator's options, kept by the design names of their controls (`CheckBox1`..
// `CheckBox31`, `UpDown1`..`UpDown19`, `RadioGroup1`), plus the proxy fields and the
// draw-data service's address.
class Options {
public:
    Options(); // design defaults

    // Check boxes 17 and 21 do not exist.
    static bool hasCheckBox(int number);
    bool checkBox(int number) const;
    // Switching `CheckBox31` moves `UpDown6`'s maximum between 5 and 7 (and clamps).
    void setCheckBox(int number, bool checked);

    int upDown(int number) const;
    // Sets a position as the spin button does: clamped to its current bounds.
    void setUpDown(int number, int position);
    // Sets a position without clamping: the generator's late-run changes do this.
    void forceUpDown(int number, int position);
    int upDownMinimum(int number) const;
    int upDownMaximum(int number) const;
    // Moves the bounds (linked spin buttons, `UpDown6` following `CheckBox31`); the
    // position is clamped into the new bounds.
    void setUpDownBounds(int number, int minimum, int maximum);

    int radioGroup1() const { return radioGroup1_; }
    void setRadioGroup1(int item);
    const std::vector<std::string>& radioItems() const { return radioItems_; }
    void setRadioItems(std::vector<std::string> items);

    std::string proxyHost;
    std::string proxyPort = "80";
    // The draw-data service's address (scheme, host, port), setting "DrawServiceUrl".
    std::string drawServiceUrl = kDefaultDrawServiceUrl;
    // The maker's script server, for the click-script templates' update check.
    std::string scriptServer = kDefaultScriptServer;

private:
    struct SpinState {
        int minimum;
        int maximum;
        int position;
    };
    std::array<bool, kCheckBoxCount + 1> checkBoxes_{};
    std::array<SpinState, kUpDownCount + 1> spins_{};
    int radioGroup1_ = 2;
    std::vector<std::string> radioItems_;
};

} // namespace kav
