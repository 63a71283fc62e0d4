// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ClickScriptFields.h"
#include "model/DrawRecord.h"
#include "model/NumberListQuestions.h"
#include "model/Random.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kav {

struct FileDialogRequest {
    std::filesystem::path initialFolder;
    std::string proposedName;     // file name the dialog proposes
    std::string filter;           // "Tippdatei|*.hlt"
    std::string defaultExtension; // "hlt", added when the user types a name without one
};

// Everything the core needs from the person in front of the program. The window answers
// with dialogs, the command-line tool as its contract says, tests with a scripted fake.
class Interaction {
public:
    virtual ~Interaction() = default;

    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    // A command ended with an error (an input/output failure, a conversion error).
    virtual void showError(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // nullopt when the user cancelled.
    virtual std::optional<std::string> askText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& defaultText) = 0;

    // Long commands call this often; the window processes pending input on a time budget
    // (a stop button press is seen here) and shows the Workspace's current state.
    virtual void processPendingInput() = 0;
    // Show the Workspace's state now (after a row was written, a statistic was drawn).
    virtual void repaint() = 0;
    virtual void setBusy(bool busy) = 0;

    // Asynchronous; a missing file or audio device stays silent.
    virtual void playSound(const std::string& fileName) = 0;
    // "Open" with the program associated to the file or address; the result is ignored.
    virtual void openDocument(const std::string& pathOrUrl) = 0;

    // The draw entry dialog `TForm3`, preset with `preset`; nullopt unless OK.
    virtual std::optional<DrawRecord> editDraw(const DrawRecord& preset) = 0;
    virtual std::optional<std::filesystem::path>
    chooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path>
    chooseOpenFile(const FileDialogRequest& request) = 0;

    // The number list dialog `TForm6` (modal). For a generator run: "&Rechnen" with the
    // dialog's boxes, OK or Abort. For the row editor: the dialog's boxes when it ended
    // with OK, nullopt otherwise; `random` drives its random animation. Front ends without
    // the dialog keep the pool and leave the row as it is.
    virtual PoolListChoice choosePoolList(const PoolListQuestion&) { return {}; }
    virtual std::optional<NumberBoxes> editTipRow(const TipRowQuestion&, Random&) {
        return std::nullopt;
    }
    // The click-script dialog `TVKSForm`, opened with the request's list and fields; on OK
    // it runs `request.beforeOk` before it closes. nullopt unless OK. (A front end without
    // the online submission answers Cancel.)
    virtual std::optional<ClickScriptFields>
    chooseClickScript([[maybe_unused]] const ClickScriptDialogRequest& request) {
        return std::nullopt;
    }
    // Starts another program with exactly these arguments, without a shell and without
    // waiting for it. False when it could not be started (or the front end starts nothing).
    virtual bool startProgram([[maybe_unused]] const std::filesystem::path& program,
                              [[maybe_unused]] const std::vector<std::string>& arguments) {
        return false;
    }
};

} // namespace kav
