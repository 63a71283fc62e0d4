

Brak gwarancji poprawności liczb!
Czy na pewno usunąć wszystkie dane losowań i pobrać je ponownie z Internetu od 
 do dziś?
Usunąć dane losowań?
Rozkład liczb
Losowań: 
Suma: 
Ile razy wylosowano każdą liczbę kluczową?
Przy ilu zgodnych liczbach zatrzymać?
Test kuponu
Losowanie z dnia  
 pasuje do kuponu. Kontynuować?
Znaleziono losowanie
Znalezione pary:  
Znalezione trójki:  
Proszę najpierw wczytać dane losowań.
Rozkład sum
Znalezione czwórki:  
Zatrzymaj
Obliczanie par
Obliczanie trójek
Obliczanie czwórek
Obliczanie rozkładu liczb
Obliczanie liczb zaległych
Obliczanie liczb sąsiednich ostatniego losowania
Rozpoczęcie obliczania zakładów
Zakład
Proszę zmienić parametry, aby obliczyć 12 zakładów
Zakłady zostały obliczone na nowo

Zakłady Lotto Velmors na losowanie z dnia 
Liczba kluczowa
Które liczby są zaległe, tzn. od ilu losowań nie zostały wylosowane?
Szczęśliwa liczba (1-99999999)?
Proszę podać szczęśliwą liczbę dla generatora liczb losowych.
Szczęśliwa liczba
ustawiona
Rozkład liczb na kuponie
Czy przeprowadzić teraz analizę ustawień dla losowań od 
do ostatniego?
Bieżące zakłady zostaną usunięte
Wyniki przy bieżących ustawieniach:
Zakłady bez liczby kluczowej
 zakładów
Błąd przy wprowadzaniu szczęśliwej liczby



Wybór liczb do obliczeń
 zakład – edycja
Losowo
Stop
Która liczba kluczowa najdłużej nie była losowana?
Czy przeprowadzić teraz analizę bazy danych dla losowań od
do ostatniego?
Bieżące zakłady zostaną usunięte
Przy ilu zgodnych liczbach zatrzymać?
Porównanie wyników losowań
Znaleziono trafienie, data losowania
Kontynuować?
Znaleziono losowanie
Trafienia wśród losowań w bazie danych
Jak często w następnym losowaniu padły podobne liczby?
