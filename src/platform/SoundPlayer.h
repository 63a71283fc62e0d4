// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <memory>

class QSoundEffect;

namespace kav::platform {

// Plays a short .wav file beside the program without waiting for it: a new sound replaces
// one still playing. A missing file or a machine without an audio output stays silent.
class SoundPlayer {
public:
    explicit SoundPlayer(std::filesystem::path programFolder = {});
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void setProgramFolder(std::filesystem::path programFolder);
    // A bare file name is looked for in the program folder; a path is taken as it is.
    std::filesystem::path resolve(const std::string& fileName) const;
    // True when the sound was handed to an audio output.
    bool play(const std::string& fileName);

private:
    std::filesystem::path programFolder_;
    std::unique_ptr<QSoundEffect> effect_; // made on the first sound
};

} // namespace kav::platform
