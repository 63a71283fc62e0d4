// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IoError.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace kav::test {

// The reasons come in German whatever the locale of the process, so an error message never
// switches language halfway.
TEST(IoErrorText, NamesTheActionTheFileAndTheReasonInGerman) {
    EXPECT_EQ(ioErrorText("Lesen", "/tmp/x.hlt", ENOENT),
              "E/A-Fehler beim Lesen von \"/tmp/x.hlt\": Datei oder Verzeichnis nicht gefunden");
    EXPECT_EQ(ioErrorText("Schreiben", "/tmp/x", ENOSPC),
              "E/A-Fehler beim Schreiben von \"/tmp/x\": Kein Speicherplatz mehr auf dem Gerät");
    EXPECT_EQ(ioErrorText("Öffnen", "d", 0), "E/A-Fehler beim Öffnen von \"d\"");
    // A rare reason keeps the system's words, behind a German lead.
    EXPECT_EQ(
        ioErrorText("Lesen", "d", EPIPE).rfind("E/A-Fehler beim Lesen von \"d\": Systemfehler ", 0),
        0u);
}

} // namespace kav::test
