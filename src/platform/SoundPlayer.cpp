// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kav::platform {

SoundPlayer::SoundPlayer(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::setProgramFolder(std::filesystem::path programFolder) {
    programFolder_ = std::move(programFolder);
}

std::filesystem::path SoundPlayer::resolve(const std::string& fileName) const {
    const std::filesystem::path name(fileName);
    return name.has_parent_path() || name.is_absolute() ? name : programFolder_ / name;
}

bool SoundPlayer::play(const std::string& fileName) {
    const std::filesystem::path path = resolve(fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || QMediaDevices::audioOutputs().isEmpty())
        return false;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(QString::fromStdU16String(path.u16string()));
    if (effect_->source() != source)
        effect_->setSource(source);
    effect_->stop();
    effect_->play();
    return true;
}

} // namespace kav::platform
