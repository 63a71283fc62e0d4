// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace kav {

class SecretStore;

// Value names of Klickwerk's settings key "\SOFTWARE\Velmor\Klickwerk\Settings".
namespace klickwerk {
inline constexpr const char* Path = "Path"; // Klickwerk's folder; read, never written
inline constexpr const char* Script = "KavantoScript";
inline constexpr const char* Zahl1 = "KavantoZahl1";
inline constexpr const char* Text1 = "KavantoText1";
inline constexpr const char* Zahl2 = "KavantoZahl2";
inline constexpr const char* Text2 = "KavantoText2"; // the broker password
// The program Klickwerk is started as, in its folder.
inline constexpr const char* Executable = "Klickstart";
} // namespace klickwerk

// Klickwerk's settings key: text values in a typed store file of its own (beside the
// program's settings), created readable by the user alone. The broker password TEXT2 is
// never written to that file: it goes to the desktop's secret store, or, when there is
// none, it is kept in memory for this run of the program only. A missing value reads as
// empty text.
class KlickwerkSettings {
public:
    KlickwerkSettings(std::filesystem::path storeFile, SecretStore& secrets);

    const std::filesystem::path& storeFile() const { return storeFile_; }

    std::string read(const std::string& name);
    // Stores `values` by name in one write of the store file (created readable by the user
    // alone when it is missing); the password goes to the secret store instead. Throws
    // IoError when the store file cannot be read or written; it then stays as it was.
    void write(const std::map<std::string, std::string>& values);
    // `value` stands for the stored one in this run (the command line's "--klickwerk");
    // it is read in its place and never written.
    void standIn(const std::string& name, std::string value);

    // True once per run, after a non-empty password could be kept for this session only:
    // the user is told then.
    bool takeSessionOnlyNotice();

private:
    std::string readFromFile(const std::string& name) const;
    // The password to the secret store, or for this session only; true when the file still
    // holds one an earlier version kept there.
    bool keepPassword(const std::string& value);

    std::filesystem::path storeFile_;
    SecretStore& secrets_;
    std::map<std::string, std::string> standIns_;
    std::optional<std::string> sessionPassword_;
    bool noticeDue_ = false;
    bool noticeGiven_ = false;
};

// A value of Klickwerk's key as read from the text of its store file: the text of `name`,
// empty when it is missing or not a text.
std::string klickwerkStoreText(const std::string& storeText, const std::string& name);

// The message for `takeSessionOnlyNotice`.
inline constexpr const char* kSessionOnlyPasswordNotice =
    "Es steht kein Schlüsselbund des Desktops zur Verfügung. Das Passwort (TEXT2) wird "
    "deshalb nicht gespeichert, sondern nur bis zum Ende des Programms behalten.";

} // namespace kav
