// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

#include <algorithm>
#include <filesystem>

namespace kav::bench {

// Answers every question with Yes and every input box with its default text.
class SilentInteraction final : public Interaction {
public:
    void showMessage(const std::string&, const std::string&) override {}
    void showError(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& text) override {
        return answer ? answer : text;
    }
    void processPendingInput() override {}
    void repaint() override {}
    void setBusy(bool) override {}
    void playSound(const std::string&) override {}
    void openDocument(const std::string&) override {}
    std::optional<DrawRecord> editDraw(const DrawRecord& preset) override { return preset; }
    std::optional<std::filesystem::path> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }

    std::optional<std::string> answer; // for every input box, when set
};

inline constexpr int kHistory = 1100;

// `count` weekly draws from the pickers' first date on, with numbers from the program's
// own generator: a history that looks like the real one.
inline std::vector<DrawRecord> randomWeeklyDraws(int count) {
    Random random(20240601);
    std::vector<DrawRecord> draws;
    for (int i = 0; i < count; ++i) {
        std::array<int, 5> numbers{};
        for (std::size_t n = 0; n < 5;) {
            const int v = static_cast<int>(random.next(54)) + 1;
            if (std::find(numbers.begin(), numbers.end(), v) == numbers.end())
                numbers[n++] = v;
        }
        std::sort(numbers.begin(), numbers.end());
        draws.push_back(DrawRecord::make(kMinimumPickerDate + 7.0 * i, numbers,
                                         static_cast<int>(random.next(10))));
    }
    return draws;
}

// The 1,100-draw history, written into a program folder of its own for each part of the
// benchmark program.
inline std::filesystem::path writeHistory(const char* folderName) {
    auto path = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(path);
    DrawFile(path).replace(randomWeeklyDraws(kHistory));
    return path;
}

// The history of the generator benchmarks, written once.
inline const std::filesystem::path& historyFolder() {
    static const std::filesystem::path folder = writeHistory("kavanto-bench-generator");
    return folder;
}

inline DayCount newestDrawDay() {
    return kMinimumPickerDate + 7 * (kHistory - 1);
}

// A workspace after start-up on the newest draw, with the design defaults; today is the
// day after the newest draw.
struct BenchWorkspace {
    explicit BenchWorkspace(const std::filesystem::path& folder = historyFolder())
        : ws(folder, ui) {
        ws.ticket.evaluationSwitch = true;
        ws.drawWindow.endPicker.set(newestDrawDay());
        ws.program.todayProvider = [] { return newestDrawDay() + 1; };
    }
    SilentInteraction ui;
    Workspace ws;
};

} // namespace kav::bench
