// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiInteraction.h"

#include "LoEingab.h"
#include "ProgramStart.h"
#include "QtConversions.h"
#include "Scriptwahl.h"
#include "Zahlenwahl.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace kav::gui {
namespace {

// Input is processed at most this often during a long command.
constexpr qint64 kEventIntervalMs = 15;

// Boxes and file dialogs open over the modal dialog in front (the number list dialog's
// save and load buttons), otherwise over the main window.
QWidget* dialogParent(QWidget* window) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : window;
}

QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption.isEmpty() ? QApplication::applicationName() : caption, text,
                    buttons, dialogParent(parent));
    box.setTextFormat(Qt::PlainText); // texts from outside are never markup
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

GuiInteraction::GuiInteraction() {
    sinceEvents_.start();
    sinceInput_.start();
}

void GuiInteraction::setNumberListDialog(TForm6* dialog) {
    numberList_ = dialog;
}

PoolListChoice GuiInteraction::choosePoolList(const PoolListQuestion& question) {
    if (!numberList_)
        return Interaction::choosePoolList(question);
    return numberList_->askForPool(question);
}

std::optional<NumberBoxes> GuiInteraction::editTipRow(const TipRowQuestion& question,
                                                      Random& random) {
    if (!numberList_)
        return Interaction::editTipRow(question, random);
    return numberList_->editRow(question, random);
}

void GuiInteraction::attach(QWidget* window, std::function<void()> showWorkspace) {
    window_ = window;
    showWorkspace_ = std::move(showWorkspace);
}

void GuiInteraction::showMessage(const std::string& text, const std::string& caption) {
    showBox(window_, QMessageBox::Information, qs(caption), qs(text), QMessageBox::Ok);
}

void GuiInteraction::showError(const std::string& text) {
    showBox(window_, QMessageBox::Critical, {}, qs(text), QMessageBox::Ok);
}

bool GuiInteraction::askYesNo(const std::string& text, const std::string& caption) {
    // A question in the middle of a command (the search stops at a draw) is about what
    // the window shows now.
    if (showWorkspace_)
        showWorkspace_();
    return showBox(window_, QMessageBox::Question, qs(caption), qs(text),
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> GuiInteraction::askText(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& defaultText) {
    QInputDialog dialog(window_);
    dialog.setWindowTitle(qs(caption));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    // The prompt comes from the message table, which a language file replaces: plain text.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void GuiInteraction::processPendingInput() {
    // A generator run calls this once per attempt, millions of times a second: even the
    // clock is read only every few calls.
    // Its own clock: the repaints of a command (a statistic per week of a backtest) must
    // not keep input waiting.
    if ((++pendingInputCalls_ & 63u) != 0 || sinceInput_.elapsed() < kEventIntervalMs)
        return;
    if (showWorkspace_)
        showWorkspace_();
    QCoreApplication::processEvents();
    sinceInput_.restart();
    sinceEvents_.restart();
}

void GuiInteraction::repaint() {
    // Commands ask for a repaint after every step they show (a statistic, a row); more
    // than one frame per interval would cost more than the command itself. The end of
    // every command shows the Workspace anyway.
    if (sinceEvents_.elapsed() < kEventIntervalMs)
        return;
    if (showWorkspace_)
        showWorkspace_();
    if (window_)
        window_->repaint();
    sinceEvents_.restart();
}

void GuiInteraction::setBusy(bool busy) {
    if (busy && busyDepth_++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && busyDepth_ > 0 && --busyDepth_ == 0)
        QApplication::restoreOverrideCursor();
}

void GuiInteraction::playSound(const std::string& fileName) {
    sound_.play(fileName);
}

void GuiInteraction::openDocument(const std::string& pathOrUrl) {
    platform::openWithDefaultProgram(pathOrUrl);
}

std::optional<DrawRecord> GuiInteraction::editDraw(const DrawRecord& preset) {
    return runDrawEntry(window_, preset);
}

std::optional<std::filesystem::path>
GuiInteraction::chooseSaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(dialogParent(window_), {},
                       qs((request.initialFolder / request.proposedName).string()),
                       qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(qs(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

std::optional<std::filesystem::path>
GuiInteraction::chooseOpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(dialogParent(window_), {}, qs(request.initialFolder.string()),
                       qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(qs(request.defaultExtension));
    if (!request.proposedName.empty())
        dialog.selectFile(qs(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

std::optional<ClickScriptFields>
GuiInteraction::chooseClickScript(const ClickScriptDialogRequest& request) {
    if (auto* form = window_ ? window_->findChild<TVKSForm*>() : nullptr)
        return form->choose(request);
    TVKSForm form(*this, window_);
    return form.choose(request);
}

bool GuiInteraction::startProgram(const std::filesystem::path& program,
                                  const std::vector<std::string>& arguments) {
    return platform::startDetached(program, arguments);
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters.join(";;");
}

} // namespace kav::gui
