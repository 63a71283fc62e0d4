Velmors Quotenfuchs dla Kavanto

&Pobierz losowania

&Oblicz

Język/&Language

Niemiecki

Angielski

Francuski

Hiszpański

Włoski

Rosyjski

Turecki

Niderlandzki

Polski

Czeski

Słowacki

Węgierski

Grecki

Szwedzki

Norweski

Fiński

Duński

&Wyślij

&Zamknij

Kupon

◀
Pokaż poprzednie losowanie
▶
Pokaż następne losowanie
⟳
Pobierz dane losowań
Zakład 1
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 2
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 3
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 4
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 5
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład 1 w formularzu zakładu lub utworzyć go za pomocą generatora liczb losowych
Zakład 6
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład 1 w formularzu zakładu lub utworzyć go za pomocą generatora liczb losowych
Zakład 7
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład 1 w formularzu zakładu lub utworzyć go za pomocą generatora liczb losowych
Zakład 8
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład 1 w formularzu zakładu lub utworzyć go za pomocą generatora liczb losowych
Zakład 9
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 10
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 11
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
Zakład 12
Gdy napis „Zakład” jest czerwony, ten zakład nie jest obliczany ponownie.
…
Tutaj można zmienić zakład lub utworzyć go za pomocą generatora liczb losowych
✕
Usuń wszystkie zakłady

Zapisz kupon

Wczytaj kupon z pliku
Szukaj w bazie
Tutaj można sprawdzić, czy te zakłady zostały już kiedyś wylosowane
Liczby na kuponie
Wykres pokazuje, jak często poszczególne liczby występują w zakładach na kuponie
Drukuj zakłady
Wydruk obliczonych zakładów
Podgląd wydruku…
Pokazuje kupon jako stronę wydruku, którą można wydrukować lub zapisać jako PDF
Oblicz zakłady
Tutaj można uruchomić obliczanie zakładów.
☘
Tutaj można nieco pomóc losowi: szczęśliwa liczba dla generatora sprawi, że zakłady będą naprawdę własne
Wyślij &kupon
Tutaj można wysłać zakłady online
Obliczenia

Statystyka

Wybór liczb do zakładów na podstawie statystyki

Preferuj liczby, które często tworzyły pary

najrzadsze

▁▃▅

Preferuj liczby, które często tworzyły trójki

najrzadsze

▁▃▅

Preferuj liczby, które często tworzyły czwórki

najrzadsze

▁▃▅

Preferuj liczby losowane szczególnie często


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
▁▃▅

Preferuj liczby losowane szczególnie rzadko


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Preferuj liczby najdłużej zaległe


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
▁▃▅

Preferuj liczby sąsiednie z ostatniego losowania

Do obliczania zakładów używane jest pierwsze x% każdej statystyki (np. do 30% maksimum).

Na karcie „Ogólne” można ustawić, aby do obliczania zakładów używać tylko tych liczb.

Optymalizacja

Optymalizacja zakładów kuponu względem siebie 

Maksimum zgodnych liczb z innymi zakładami

Minimum zgodnych liczb z innymi zakładami

Stosuj min./maks. do każdej pary zakładów

Optymalizacja zakładów względem poprzednich losowań

Maksimum liczb z ostatniego losowania
Zgodność z liczbami poprzedniego losowania
Maksimum liczb z przedostatniego losowania
Zgodność z liczbami poprzedniego losowania
Maksimum liczb z trzeciego od końca losowania
Zgodność z liczbami poprzedniego losowania
Zakład nie może mieć              liczb wspólnych z żadnym losowaniem z bazy danych
Zakład nie może mieć X liczb wspólnych z żadnym losowaniem z bazy danych, licząc od daty na karcie „Wykres”

Przy użyciu całej bazy danych warto ustawić wartość 5 lub 6
Zakład nie może mieć              liczb wspólnych z żadnym z ostatnich              losowań
Zakład nie może mieć X liczb wspólnych z żadnym losowaniem z bazy danych, licząc od daty na karcie „Wykres”

Przy bardzo dużej liczbie losowań warto ustawić wartość 4 lub 5

Tutaj można dodatkowo wykluczyć zgodność z ok. 3 lub 4 ostatnimi losowaniami
Uwzględniaj Nº Clave przy liczeniu zgodnych liczb

Unikaj liczb 1-12 (miesiące, często typowane przez graczy obstawiających daty) 

Zmniejsz wagę liczb 1-31 (daty) – rzadziej trafiają do zakładu

Matematyka

Te warunki obowiązują w każdym zakładzie

Dopuszczaj sumy od              do              w zakładzie

Ograniczając sumę, można uniknąć zakładów takich jak 1-2-3-4-5-6 lub 39-41-43-46-47-49

Aby grać o wyższe wygrane, warto wybrać sumy powyżej 130 (gracze typujący daty wybierają niskie liczby)

Rozkład sum poprzednich losowań można zobaczyć na wykresie pod przyciskiem „Suma”  

Wymuś jedną parę w każdym zakładzie

Pary zwykle powstają same, ale tutaj można je wymusić.

Bez trójek, czwórek itd.

Trójki, 

czwórki ... (3-4-5 lub 28-29-30-31) występują dość rzadko i można je tutaj całkowicie wykluczyć

Wymuś minimum liczb parzystych w każdym zakładzie

Wymuś minimum liczb nieparzystych w każdym zakładzie

Wymuś minimum liczb pierwszych w każdym zakładzie

Nº Clave

Opcje obliczania dla Nº Clave

Opcja Nº Clave

▁▃▅

▁▃▅

Nie używaj Nº Clave z ostatnich losowań

Ogólne

Maks. liczba prób

tys.

Jeśli przy bieżących ustawieniach nie udało się obliczyć wszystkich zakładów, można spróbować zwiększyć liczbę prób. 

Używaj w zakładach tylko preferowanych liczb

Pokaż / edytuj listę liczb do tworzenia zakładów

Wykres

▁▃▅
Rozkład wylosowanych liczb
Zaległe

Suma

Pary

Trójki

Czwórki

Nº Clave

Zaległe Nº Clave
Od ilu losowań poszczególne liczby kluczowe nie zostały wylosowane
Baza danych

Stop
Zatrzymuje pobieranie

Ta data jest datą końcową obliczeń; późniejsze losowania nie są uwzględniane
✓
Ocena kuponu dla losowania z wybranej daty
Dane losowań

&Aktualizuj bazę danych

Utwórz bazę od nowa

Dodaj losowanie
Ręczne wprowadzanie danych losowania.
Usuń
Usuń wyświetlane losowanie
&Import z CSV...
Wczytaj losowania z pliku CSV
&Eksport do CSV...
Zapisz wszystkie losowania do pliku CSV
Statystyka

Szukaj par
Tworzy wykres par liczb
Szukaj trójek
Tworzy wykres trójek liczb
Szukaj czwórek
Tworzy wykres czwórek liczb
Liczby zaległe
Tworzy wykres liczb zaległych
Zaległa liczba kluczowa
Która liczba kluczowa najdłużej nie była losowana
Analizy historyczne

Zakłady są obliczane i oceniane według bieżących ustawień

Analiza historyczna ustawień od daty wybranej powyżej
Obliczenia i wyniki od daty wybranej powyżej
Czy któreś losowanie miało kiedyś 4 lub 5 liczb wspólnych z wcześniejszym?

Analiza historyczna losowań od daty wybranej powyżej
Obliczenia i wyniki od daty wybranej powyżej
Internet

Dane losowań

Serwis danych losowań:


Adres serwisu danych losowań (schemat, host, port), np. http://127.0.0.1:8754 dla kavanto-drawservice na tym komputerze
Proxy

Serwer proxy:

Port:

Skrypty kliknięć

Serwer skryptów:


Stąd moduł wysyłania zakładów pobiera nowsze wersje szablonów skryptów kliknięć
Aktualizacje i najnowsza wersja są dostępne pod adresem:

Aktualne wyniki losowań i wygrane można znaleźć pod adresem:

Przerwij
Przerwij analizę; raport nie zostanie zapisany (Esc)
Których liczb użyć do obliczeń


Zapisz listę

Wczytaj listę
&Losowo

OK

&Oblicz

&Anuluj

Wybór skryptu do przekazania liczb

Plik skryptu kliknięć Velmors


Wybierz skrypt kliknięć
Parametry 


Liczba dla skryptu kliknięć

Liczba dla skryptu kliknięć

Nazwa użytkownika w portalu loteryjnym

Hasło w portalu loteryjnym
Anuluj

OK

