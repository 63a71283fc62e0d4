// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LottoZahlen.h"
#include "RecordingInteraction.h"
#include "model/Controls.h"
#include "support/FakeSecretStore.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace kav::test {

// Rules no row can pass (three even and three odd numbers out of five) and the largest
// budget: without a stop a tip calculation would go on for 30 million attempts.
inline void makeTipCalculationEndless(Options& options) {
    options.setChecked(CheckBox::MinimumEven, true);
    options.setChecked(CheckBox::MinimumOdd, true);
    options.setValue(UpDown::MinimumEven, 3);
    options.setValue(UpDown::MinimumOdd, 3);
    options.setValue(UpDown::AttemptBudget, 30000);
}

// A main window over a temporary program folder and settings file, with a fixed today.
struct WindowFixture {
    explicit WindowFixture(DayCount today = dayCountFromCivil({2024, 6, 2})) : today_(today) {
        recreate();
    }

    // Builds the window afresh over the same folder and settings file.
    void recreate() {
        window.reset();
        auto recording = std::make_unique<RecordingInteraction>();
        ui = recording.get();
        gui::StartParameters start;
        start.programFolder = dir.path().toStdString();
        start.settingsFile = settingsFile();
        start.today = [today = today_] { return today; };
        start.randomSeed = 4711;
        start.interaction = std::move(recording);
        // No window test reaches the desktop's keychain; this one has no store at all.
        auto store = std::make_unique<FakeSecretStore>(false);
        secrets = store.get();
        start.secretStore = std::move(store);
        window = std::make_unique<gui::TForm1>(std::move(start));
        if (!serviceUrl.empty())
            window->workspace().options.drawServiceUrl = serviceUrl;
    }

    // A loopback address where nothing listens.
    static std::string unusedServiceUrl() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return "http://127.0.0.1:" + std::to_string(probe.serverPort());
    }

    std::filesystem::path folder() const { return dir.path().toStdString(); }
    std::filesystem::path settingsFile() const { return folder() / "settings" / "Kavanto.conf"; }

    // The language files the program ships, in the program folder as a build has them.
    void installLanguageFiles() const {
        std::filesystem::copy(std::filesystem::path(KAVANTO_SOURCE_DIR) / "data" / "land",
                              folder() / "land",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // Start-up as the program does it: before the window shows, then the first showing.
    void startAndShow() {
        window->startUp();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    DayCount today_;
    // The draw-data service the window's update asks (empty: the stored setting). By
    // default nothing listens there, so a first start never reaches a service by chance.
    std::string serviceUrl = unusedServiceUrl();
    QTemporaryDir dir;
    RecordingInteraction* ui = nullptr;
    FakeSecretStore* secrets = nullptr;
    std::unique_ptr<gui::TForm1> window;
};

} // namespace kav::test
