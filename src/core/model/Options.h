// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Controls.h"
#include "model/ServiceAddresses.h"

#include <array>
#include <string>
#include <vector>

namespace kav {

// The generator's options as their controls hold them (see Controls.h for what each one
// means), plus the proxy fields and the addresses of the services.
class Options {
public:
    Options(); // design defaults

    bool checked(CheckBox box) const;
    // Switching `CheckBox31` moves `UpDown6`'s maximum between 5 and 7 (and clamps).
    void setChecked(CheckBox box, bool checked);

    int value(UpDown spin) const;
    // Sets a position as the spin button does: clamped to its current bounds.
    void setValue(UpDown spin, int position);
    // Sets a position without clamping: the generator's late-run changes do this.
    void forceValue(UpDown spin, int position);
    int minimum(UpDown spin) const;
    int maximum(UpDown spin) const;
    // Moves the bounds (linked spin buttons, `UpDown6` following `CheckBox31`); the
    // position is clamped into the new bounds.
    void setBounds(UpDown spin, int minimum, int maximum);

    // `RadioGroup1`: the item index, kept within the items the language's option file has.
    int keyModeItem() const { return keyModeItem_; }
    KeyMode keyMode() const { return static_cast<KeyMode>(keyModeItem_); }
    void setKeyModeItem(int item);
    const std::vector<std::string>& keyModeItems() const { return keyModeItems_; }
    void setKeyModeItems(std::vector<std::string> items);

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
    SpinState& spin(UpDown id);
    const SpinState& spin(UpDown id) const;

    std::array<bool, kCheckBoxCount + 1> checkBoxes_{};
    std::array<SpinState, kUpDownCount + 1> spins_{};
    int keyModeItem_;
    std::vector<std::string> keyModeItems_;
};

} // namespace kav
