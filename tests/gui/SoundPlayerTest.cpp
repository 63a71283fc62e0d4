// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundPlayer.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace kav;

class SoundPlayerTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void bareNamesAreLookedForInTheProgramFolder();
    void aMissingFileStaysSilent();
    void theShippedSoundIsAShortPcmWave();
};

void SoundPlayerTest::bareNamesAreLookedForInTheProgramFolder() {
    const platform::SoundPlayer player("/opt/kavanto");
    QCOMPARE(player.resolve("yippee.wav"), std::filesystem::path("/opt/kavanto/yippee.wav"));
    QCOMPARE(player.resolve("/tmp/other.wav"), std::filesystem::path("/tmp/other.wav"));
}

void SoundPlayerTest::aMissingFileStaysSilent() {
    QTemporaryDir dir;
    platform::SoundPlayer player(dir.path().toStdString());
    QVERIFY(!player.play("yippee.wav"));
    QVERIFY(!player.play(""));
    // With the file present the sound is played when the machine has an audio output;
    // without one it stays silent. Either way nothing fails and nothing blocks.
    QVERIFY(QFile::copy(KAVANTO_SOURCE_DIR "/data/yippee.wav", dir.filePath("yippee.wav")));
    player.play("yippee.wav");
    player.play("yippee.wav");
}

void SoundPlayerTest::theShippedSoundIsAShortPcmWave() {
    QFile wav(KAVANTO_SOURCE_DIR "/data/yippee.wav");
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray bytes = wav.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    QCOMPARE(qFromLittleEndian<quint16>(header + 20), quint16{1}); // PCM
    const auto byteRate = qFromLittleEndian<quint32>(header + 28);
    const double seconds = static_cast<double>(bytes.size() - 44) / byteRate;
    QVERIFY(seconds > 0.2 && seconds < 2.0);
}

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
