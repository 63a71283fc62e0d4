// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/MessageTable.h"

namespace kav {

MessageTable::MessageTable() : lines_(germanLines()) {}

const std::string& MessageTable::line(std::size_t number) const {
    static const std::string empty;
    return number < lines_.size() ? lines_[number] : empty;
}

std::vector<std::string> MessageTable::germanLines() {
    // Lines 0, 1, 31 and 47..49 are unused; they keep their places for the numbering.
    return {
        "",                                                                              // 0
        "",                                                                              // 1
        "Keine Gewähr für die Richtigkeit der Zahlen!",                                  // 2
        "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ",               // 3
        " aus dem Internet neu aufbauen??",                                              // 4
        "Ziehungsdaten löschen?",                                                        // 5
        "Zahlenverteilung",                                                              // 6
        "Ziehungen : ",                                                                  // 7
        "Quersumme: ",                                                                   // 8
        "Wie oft wurden die einzelnen Sternenzahlen gezogen?",                           // 9
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                 // 10
        "Tipp-Test",                                                                     // 11
        "Ein Treffer am  ",                                                              // 12
        " gefunden. Weiter?",                                                            // 13
        "Ziehung gefunden",                                                              // 14
        "Paare gefunden :  ",                                                            // 15
        "Dreier gefunden :  ",                                                           // 16
        "Lesen Sie zuerst die Daten der Ziehungen ein",                                  // 17
        "Quersummenverteilung",                                                          // 18
        "Vierer gefunden!",                                                              // 19
        "Stoppen",                                                                       // 20
        "Berechnung der Paarbildung",                                                    // 21
        "Berechnung der Dreiergruppenbildung",                                           // 22
        "Berechnung der Vierergruppenbildung",                                           // 23
        "Berechnung der Zahlenverteilung",                                               // 24
        "Berechnung der aussehenden Zahlen",                                             // 25
        "Berechnung der Nachbarzahlen der letzten Ziehung",                              // 26
        "Beginn der Tippberechnung",                                                     // 27
        "Tipp",                                                                          // 28
        "Ändern Sie die Parameter um 12 Tipps zuberechnen",                              // 29
        "Tipps wurden neu berechnet",                                                    // 30
        "",                                                                              // 31
        "Velmors Lotto-Tipp für ",                                                       // 32
        "Sterne",                                                                        // 33
        "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?", // 34
        "Ihre Glückszahl (1-99999999)?",                                                 // 35
        "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!",                       // 36
        "Glückszahl",                                                                    // 37
        "gesetzt",                                                                       // 38
        "Zahlenverteilung des Tippes",                                                   // 39
        "Soll die Analyse der Einstellungen jetzt ab dem ",                              // 40
        "durchgeführt werden??",                                                         // 41
        "aktuellen Tipps werden dabei gelöscht?",                                        // 42
        "Aktuelle Einstellung brachten",                                                 // 43
        "Anzahl ohne Sterne",                                                            // 44
        "Reihen",                                                                        // 45
        "Fehler bei Eingabe der Zufallszahl",                                            // 46
        "",                                                                              // 47
        "",                                                                              // 48
        "",                                                                              // 49
        "Zahlen für Berechnung wählen",                                                  // 50
        "Tipp bearbeiten",                                                               // 51
        "Zufall",                                                                        // 52
        "Stopp",                                                                         // 53
        "Welche Sternenzahl wurde am längsten nicht gezogen?",                           // 54
        "Soll die Analyse der Datenbank jetzt ab dem",                                   // 55
        "durchgeführt werden??",                                                         // 56
        "aktuellen Tipps werden dabei gelöscht?",                                        // 57
        "Bei wievielen Zahlen Übereinstellung stoppen?",                                 // 58
        "Ziehungsergebnis vergleichen",                                                  // 59
        "Ein Treffer gefunden am",                                                       // 60
        "Weiter?",                                                                       // 61
        "Ziehung gefunden",                                                              // 62
        "Treffer von Ziehungen in der Datenbank",                                        // 63
        "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",                       // 64
    };
}

} // namespace kav
