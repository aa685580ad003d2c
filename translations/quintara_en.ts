<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Einsatz %1; Gewinne: unbekannt – für %2 Gewinnreihen ist keine Quote gespeichert.</source>
        <translation>Stake %1; winnings: unknown – no payout is stored for %2 winning lines.</translation>
    </message>
    <message>
        <source>Einsatz %1, Gewinn %2, Saldo %3</source>
        <translation>Stake %1, winnings %2, net %3</translation>
    </message>
    <message>
        <source> (ohne %1 Gewinnreihen, deren Quote nicht bekannt ist)</source>
        <translation> (excluding %1 winning lines whose payout is unknown)</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Noch kein Vergleich: starten Sie die historische Analyse oder den Tipp-Test.</source>
        <translation>No comparison yet: start the historical analysis or the tip test.</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Zufall erwartet</source>
        <translation>Expected by chance</translation>
    </message>
    <message>
        <source>Zufall Median</source>
        <translation>Chance median</translation>
    </message>
    <message>
        <source>5 %</source>
        <translation>5%</translation>
    </message>
    <message>
        <source>95 %</source>
        <translation>95%</translation>
    </message>
    <message>
        <source>Bewertung</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Als CSV kopieren</source>
        <translation>Copy as CSV</translation>
    </message>
    <message>
        <source>Als CSV speichern …</source>
        <translation>Save as CSV …</translation>
    </message>
    <message>
        <source>Zufallsvergleich</source>
        <translation>Comparison with chance</translation>
    </message>
    <message>
        <source>Noch kein Lauf des Generators.</source>
        <translation>The generator has not run yet.</translation>
    </message>
    <message>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>verwarf Kandidaten</source>
        <translation>rejected candidates</translation>
    </message>
    <message>
        <source>verwarf echte Ziehungen</source>
        <translation>rejected real draws</translation>
    </message>
    <message>
        <source>Anteil der Ziehungen</source>
        <translation>Share of draws</translation>
    </message>
    <message>
        <source>Regeln an echten Ziehungen prüfen</source>
        <translation>Check rules against real draws</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Bericht anzeigen</source>
        <translation>Show report</translation>
    </message>
    <message>
        <source>Eigene Tabelle prüfen …</source>
        <translation>Check your own table …</translation>
    </message>
    <message>
        <source>VEW-System:</source>
        <translation>Reduced system:</translation>
    </message>
    <message>
        <source>VEW-Systeme</source>
        <translation>Reduced systems</translation>
    </message>
    <message>
        <source>Ziehungen als CSV exportieren …</source>
        <translation>Export draws as CSV …</translation>
    </message>
    <message>
        <source>Ziehungen aus CSV importieren …</source>
        <translation>Import draws from CSV …</translation>
    </message>
    <message>
        <source>Tippliste als CSV exportieren …</source>
        <translation>Export tip list as CSV …</translation>
    </message>
    <message>
        <source>CSV-Format der Ziehungen: date,n1,n2,n3,n4,n5,n6,additional (Datum JJJJ-MM-TT, Zusatzzahl leer, wenn es keine gab). Beim Import wird jede Zeile wie beim Aktualisieren geprüft; Ziehungen gleichen Datums werden ersetzt.</source>
        <translation>CSV format of the draws: date,n1,n2,n3,n4,n5,n6,additional (date as YYYY-MM-DD, bonus number empty if there was none). On import every line is checked just as when updating; draws with the same date are replaced.</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zufallsspieler %v von %m</source>
        <translation>Random player %v of %m</translation>
    </message>
    <message>
        <source>Der Zufallsvergleich wurde angehalten.</source>
        <translation>The comparison with chance was stopped.</translation>
    </message>
    <message>
        <source>nur simuliert</source>
        <translation>simulated only</translation>
    </message>
    <message>
        <source>im Bereich des Zufalls</source>
        <translation>within the range of chance</translation>
    </message>
    <message>
        <source>besser als der Zufall</source>
        <translation>better than chance</translation>
    </message>
    <message>
        <source>schlechter als der Zufall</source>
        <translation>worse than chance</translation>
    </message>
    <message>
        <source>Insgesamt: Das Ergebnis liegt bei jeder Gewinnklasse im Bereich, den 90 % der Zufallsspieler erreichen – es ist nicht besser als zufällige Tipps.</source>
        <translation>Overall: in every prize tier the result lies within the range reached by 90% of the random players – it is no better than random tips.</translation>
    </message>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) besser als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Overall: better than 95% of the random players in %n prize tier.</numerusform>
            <numerusform>Overall: better than 95% of the random players in %n prize tiers.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) schlechter als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Overall: worse than 95% of the random players in %n prize tier.</numerusform>
            <numerusform>Overall: worse than 95% of the random players in %n prize tiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Insgesamt: teils besser, teils schlechter als der Zufall.</source>
        <translation>Overall: partly better, partly worse than chance.</translation>
    </message>
    <message>
        <source>Geld der Tipps: %1</source>
        <translation>Money (tips): %1</translation>
    </message>
    <message>
        <source>Saldo der Zufallsspieler: Median %1, 90 % zwischen %2 und %3</source>
        <translation>Net result of the random players: median %1, 90% between %2 and %3</translation>
    </message>
    <message>
        <source>Geld der Zufallsspieler: Einsatz %1 je Spieler; Gewinne unbekannt, weil Quoten fehlen.</source>
        <translation>Money (random players): stake %1 per player; winnings unknown because payouts are missing.</translation>
    </message>
    <message>
        <source>%1 Ziehungen, %2 Zufallsspieler, Startwert (Seed) %3 – mit demselben Startwert wiederholbar.</source>
        <translation>%1 draws, %2 random players, seed %3 – repeatable with the same seed.</translation>
    </message>
    <message>
        <source>%1 Kandidaten gezogen, %2 angenommen.</source>
        <translation>%1 candidates drawn, %2 accepted.</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Die Regel vergleicht die Tipps eines Laufs untereinander.</source>
        <translation>This rule compares the tips of one run with each other.</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>CSV file|*.csv</translation>
    </message>
    <message>
        <source>VEW-Tabelle|*.txt</source>
        <translation>Reduced system table|*.txt</translation>
    </message>
    <message>
        <source>%1: Tabelle fehlerhaft. %2</source>
        <translation>%1: faulty table. %2</translation>
    </message>
    <message>
        <source>VEW %1 (%2)</source>
        <translation>Reduced system %1 (%2)</translation>
    </message>
    <message>
        <source>Reihen:</source>
        <translation>Lines:</translation>
    </message>
    <message>
        <source>VEW %1: Tabelle fehlerhaft. %2</source>
        <translation>Reduced system %1: faulty table. %2</translation>
    </message>
</context>
<context>
    <name>BarChartView</name>
    <message>
        <source>1 und Primzahlen (gestreift)</source>
        <translation>1 and prime numbers (striped)</translation>
    </message>
    <message>
        <source>übrige Zahlen</source>
        <translation>other numbers</translation>
    </message>
    <message>
        <source>Quintara GR Diagramm</source>
        <translation>Quintara GR chart</translation>
    </message>
</context>
<context>
    <name>Chance</name>
    <message>
        <source>3er</source>
        <translation>3 hits</translation>
    </message>
    <message>
        <source>4er</source>
        <translation>4 hits</translation>
    </message>
    <message>
        <source>5er</source>
        <translation>5 hits</translation>
    </message>
    <message>
        <source>5er + ZZ</source>
        <translation>5 + bonus</translation>
    </message>
    <message>
        <source>6er</source>
        <translation>6 hits</translation>
    </message>
    <message>
        <source>schlechter als 95 % der Zufallsspieler.</source>
        <translation>worse than 95% of the random players.</translation>
    </message>
    <message>
        <source>besser als 95 % der Zufallsspieler.</source>
        <translation>better than 95% of the random players.</translation>
    </message>
    <message>
        <source>im Bereich des Zufalls.</source>
        <translation>within the range of chance.</translation>
    </message>
    <message>
        <source>nur simuliert</source>
        <translation>simulated only</translation>
    </message>
    <message>
        <source>%1: %2 Treffer, Zufall erwartet %3 (Median %4, 90 % der Zufallsspieler %5 bis %6): %7</source>
        <translation>%1: %2 hits, expected by chance %3 (median %4, 90% of the random players %5 to %6): %7</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quintara GR – Tipps für das griechische Lotto 6 aus 49</source>
        <translation>Quintara GR – tips for the Greek lottery 6 of 49</translation>
    </message>
    <message>
        <source>Adresse des Ziehungsservers für diesen Programmlauf, z. B. %1</source>
        <translation>Address of the draw server for this run of the program, e.g. %1</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>address</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Schließt das Fenster und verwendet den vorgeschlagenen Wert „%1“.</source>
        <translation>Closes the window and uses the suggested value “%1”.</translation>
    </message>
</context>
<context>
    <name>DrawCsv</name>
    <message>
        <source>acht Felder erwartet, %1 gefunden</source>
        <translation>eight fields expected, %1 found</translation>
    </message>
    <message>
        <source>„%1“ ist kein Datum (JJJJ-MM-TT)</source>
        <translation>“%1” is not a date (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>die Zusatzzahl „%1“ ist keine Zahl</source>
        <translation>the bonus number “%1” is not a number</translation>
    </message>
    <message>
        <source>das Datum steht schon in Zeile %1</source>
        <translation>the date already appears in line %1</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1 Ziehungen hinzugefügt, %2 ersetzt, %3 unverändert, %4 Zeilen abgelehnt.</source>
        <translation>%1 draws added, %2 replaced, %3 unchanged, %4 lines rejected.</translation>
    </message>
    <message>
        <source>… und %1 weitere.</source>
        <translation>… and %1 more.</translation>
    </message>
    <message>
        <source>das Datum %1 liegt nicht zwischen %2 und %3</source>
        <translation>the date %1 is not between %2 and %3</translation>
    </message>
</context>
<context>
    <name>DrawDownload</name>
    <message>
        <source>Keine Gewähr für die Richtigkeit der Zahlen!</source>
        <translation>Numbers given without guarantee!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>das %1. Feld ist keine Zahl</source>
        <translation>field %1 is not a number</translation>
    </message>
    <message>
        <source>die %1. Zahl %2 liegt nicht zwischen 1 und 49</source>
        <translation>number %1 (%2) is not between 1 and 49</translation>
    </message>
    <message>
        <source>die Zahl %1 kommt mehrfach vor</source>
        <translation>the number %1 occurs more than once</translation>
    </message>
    <message>
        <source>die Zusatzzahl %1 liegt nicht zwischen 1 und 49</source>
        <translation>the bonus number %1 is not between 1 and 49</translation>
    </message>
    <message>
        <source>die Zusatzzahl %1 ist schon eine der Gewinnzahlen</source>
        <translation>the bonus number %1 is already one of the winning numbers</translation>
    </message>
    <message>
        <source>Der Proxy-Port %1 liegt nicht zwischen 1 und 65535</source>
        <translation>The proxy port %1 is not between 1 and 65535</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Received %1 bytes</translation>
    </message>
    <message>
        <source>Antwort für den %1 verworfen: %2</source>
        <translation>Answer for %1 discarded: %2</translation>
    </message>
    <message>
        <source>Quersumme: %1</source>
        <translation>Sum: %1</translation>
    </message>
    <message>
        <source>der Server antwortete mit HTTP-Status %1</source>
        <translation>the server answered with HTTP status %1</translation>
    </message>
    <message>
        <source>Keine neue Ziehung gespeichert.</source>
        <translation>No new draw saved.</translation>
    </message>
    <message>
        <source>1 neue Ziehung gespeichert, vom %1.</source>
        <translation>1 new draw saved, dated %1.</translation>
    </message>
    <message>
        <source>%1 neue Ziehungen gespeichert, die neueste vom %2.</source>
        <translation>%1 new draws saved, the latest dated %2.</translation>
    </message>
    <message>
        <source>Abgebrochen: %1</source>
        <translation>Cancelled: %1</translation>
    </message>
    <message>
        <source>Die Aktualisierung wurde angehalten.</source>
        <translation>The update was stopped.</translation>
    </message>
    <message>
        <source>Grund: %1.</source>
        <translation>Reason: %1.</translation>
    </message>
    <message>
        <source>1 Anfrage fehlgeschlagen: %1.</source>
        <translation>1 request failed: %1.</translation>
    </message>
    <message>
        <source>%1 Anfragen fehlgeschlagen, zuletzt: %2.</source>
        <translation>%1 requests failed, the last one: %2.</translation>
    </message>
    <message>
        <source>%1 unbrauchbare Antworten verworfen.</source>
        <translation>%1 unusable answers discarded.</translation>
    </message>
    <message>
        <source>Die Ziehungsdaten sind auf dem neuesten Stand.</source>
        <translation>The draw results are up to date.</translation>
    </message>
    <message>
        <source>Der Server ist ausgelastet (%1); neuer Versuch in %2 s …</source>
        <translation>The server is busy (%1); trying again in %2 s …</translation>
    </message>
    <message>
        <source>die Ziehungen ab dem %1 kamen nicht an: %2</source>
        <translation>the draws from %1 onwards did not arrive: %2</translation>
    </message>
    <message>
        <source>die Antwort für die Ziehungen ab dem %1 ist unbrauchbar: %2</source>
        <translation>the answer for the draws from %1 onwards is unusable: %2</translation>
    </message>
    <message>
        <source>der Server liefert immer weitere Seiten für die Ziehungen ab dem %1</source>
        <translation>the server keeps sending more pages for the draws from %1 onwards</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 ist noch nicht vollständig</source>
        <translation>The draw of %1 is not complete yet</translation>
    </message>
    <message>
        <source>%1 Gewinnzahlen und %2 Zusatzzahlen statt 6 und höchstens 1</source>
        <translation>%1 winning numbers and %2 bonus numbers instead of 6 and at most 1</translation>
    </message>
    <message>
        <source>%1 Anfragen hintereinander blieben ohne Antwort, zuletzt: %2</source>
        <translation>%1 requests in a row got no answer, the last: %2</translation>
    </message>
    <message>
        <source>Lade die nächste Ziehung …</source>
        <translation>Loading the next draw …</translation>
    </message>
    <message>
        <source>die Ziehung vom %1 ist unbrauchbar: %2</source>
        <translation>the draw of %1 is unusable: %2</translation>
    </message>
    <message>
        <source>der Dienst lieferte die Ziehung %1 mehrfach (Ziehungen ab dem %2)</source>
        <translation>the service sent the draw %1 more than once (draws from %2)</translation>
    </message>
    <message>
        <source>der Dienst lieferte mehr Ziehungen, als die Tage vom %1 bis %2 haben können</source>
        <translation>the service sent more draws than the days from %1 to %2 can hold</translation>
    </message>
    <message>
        <source>der Dienst nannte %1 Ziehungen ab dem %2, lieferte aber %3</source>
        <translation>the service named %1 draws from %2 but sent %3</translation>
    </message>
    <message>
        <source>1 fehlende Ziehung nachgetragen.</source>
        <translation>1 missing draw filled in.</translation>
    </message>
    <message>
        <source>%1 fehlende Ziehungen nachgetragen.</source>
        <translation>%1 missing draws filled in.</translation>
    </message>
    <message>
        <source>Die Quoten von 1 gespeicherten Ziehung nachgeholt.</source>
        <translation>Fetched the prizes of 1 stored draw.</translation>
    </message>
    <message>
        <source>Die Quoten von %1 gespeicherten Ziehungen nachgeholt.</source>
        <translation>Fetched the prizes of %1 stored draws.</translation>
    </message>
    <message>
        <source>Die Quoten konnten nicht gespeichert werden: %1 Die nächste Aktualisierung holt sie nach.</source>
        <translation>The prizes could not be saved: %1 The next update fetches them again.</translation>
    </message>
    <message>
        <source>Stand %1: noch keine neue Ziehung gespeichert</source>
        <translation>As of %1: no new draw stored yet</translation>
    </message>
    <message>
        <source>Stand %1: 1 neue Ziehung gespeichert</source>
        <translation>As of %1: 1 new draw stored</translation>
    </message>
    <message>
        <source>Stand %1: %2 neue Ziehungen gespeichert</source>
        <translation>As of %1: %2 new draws stored</translation>
    </message>
</context>
<context>
    <name>DrawEntry</name>
    <message>
        <source>Die %1. Zahl fehlt. Tragen Sie eine Zahl von 1 bis 49 ein.</source>
        <translation>Number %1 is missing. Enter a number from 1 to 49.</translation>
    </message>
    <message>
        <source>Die %1. Zahl (%2) liegt nicht zwischen 1 und 49.</source>
        <translation>Number %1 (%2) is not between 1 and 49.</translation>
    </message>
    <message>
        <source>Die %1. Zahl (%2) steht schon als %3. Zahl da. Eine Ziehung hat sechs verschiedene Zahlen.</source>
        <translation>Number %1 (%2) is already entered as number %3. A draw has six different numbers.</translation>
    </message>
    <message>
        <source>Die Zusatzzahl (%1) liegt nicht zwischen 0 und 49.</source>
        <translation>The bonus number (%1) is not between 0 and 49.</translation>
    </message>
    <message>
        <source>Die Zusatzzahl (%1) steht schon als %2. Zahl da. Zusatzzahl und Gewinnzahlen sind verschieden.</source>
        <translation>The bonus number (%1) is already entered as number %2. The bonus number and the winning numbers are different.</translation>
    </message>
    <message>
        <source>%1 (Zusatzzahl %2)</source>
        <translation>%1 (bonus number %2)</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 liegt nach dem heutigen Tag (%2) und kann noch nicht eingegeben werden.</source>
        <translation>The draw of %1 lies after today (%2) and cannot be entered yet.</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Die Ziehungen in &quot;%1&quot; bleiben unverändert.</source>
        <translation>The draws in &quot;%1&quot; remain unchanged.</translation>
    </message>
</context>
<context>
    <name>DrawServer</name>
    <message>
        <source>Nur GET wird beantwortet</source>
        <translation>Only GET is answered</translation>
    </message>
    <message>
        <source>Nicht gefunden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Datum als yyyymmdd erwartet</source>
        <translation>Date expected as yyyymmdd</translation>
    </message>
    <message>
        <source>Anfrage zu groß</source>
        <translation>Request too large</translation>
    </message>
    <message>
        <source>Ungültige Anfrage</source>
        <translation>Invalid request</translation>
    </message>
</context>
<context>
    <name>DrawServerCommandLine</name>
    <message>
        <source>Zeigt Versionsinformation an.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <source>Die Ziehungen, die beantwortet werden: eine Ergebnis-CSV oder eine ZahlenGR.dat.</source>
        <translation>Draws to serve: a results CSV or a ZahlenGR.dat.</translation>
    </message>
    <message>
        <source>Pfad</source>
        <translation>path</translation>
    </message>
    <message>
        <source>TCP-Port; 0 wählt einen freien (Vorgabe 8049).</source>
        <translation>TCP port; 0 picks a free one (default 8049).</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>Adresse, an der der Server lauscht (Vorgabe 127.0.0.1).</source>
        <translation>Address to listen on (default 127.0.0.1).</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>address</translation>
    </message>
    <message>
        <source>Jede Anfrage ausgeben.</source>
        <translation>Print every request.</translation>
    </message>
    <message>
        <source>Spiegel: die Datei (eine ZahlenGR.dat, wird angelegt, wenn sie fehlt) aus dieser Quelle aktuell halten: dem Ergebnisdienst des Lotteriebetreibers, z. B. %1, oder einem anderen Ziehungsserver, z. B. %2.</source>
        <translation>Mirror: keep the file (a ZahlenGR.dat, created when missing) up to date from this source: the operator&apos;s results service, e.g. %1, or another draw server, e.g. %2.</translation>
    </message>
    <message>
        <source>Spiegel: Minuten zwischen den Aktualisierungen (Vorgabe 60).</source>
        <translation>Mirror: minutes between updates (default 60).</translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Spiegel: womit eine leere Datei beginnt (Vorgabe 1990-12-01).</source>
        <translation>Mirror: where an empty file starts (default 1990-12-01).</translation>
    </message>
    <message>
        <source>jjjj-mm-tt</source>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>Beantwortet die Ziehungsanfragen von Quintara GR über HTTP.</source>
        <translation>Answers draw requests of Quintara GR over HTTP.</translation>
    </message>
    <message>
        <source>--file muss angegeben werden</source>
        <translation>--file is required</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: „%2“</source>
        <translation>invalid value for --%1: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ein Spiegel hält eine ZahlenGR.dat aktuell, keine CSV-Datei</source>
        <translation>a mirror keeps a ZahlenGR.dat up to date, not a CSV file</translation>
    </message>
    <message>
        <source>kann nicht an %1:%2 lauschen: %3</source>
        <translation>cannot listen on %1:%2: %3</translation>
    </message>
    <message>
        <source>%1 wird schon von einem anderen Spiegel fortgeschrieben (Prozess %2); zwei Spiegel einer Datei verlören Ziehungen</source>
        <translation>%1 is already kept up to date by another mirror (process %2); two mirrors of one file would lose draws</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Nicht genügend Speicherplatz auf dem Datenträger</source>
        <translation>Not enough space on the disk</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Das Dateisystem ist schreibgeschützt</source>
        <translation>The file system is read-only</translation>
    </message>
    <message>
        <source>Ein Verzeichnis steht an Stelle der Datei</source>
        <translation>A folder stands where the file should be</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Verzeichnis</source>
        <translation>Part of the path is not a folder</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Die Datei ist bereits vorhanden</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2.</source>
        <translation>The file &quot;%1&quot; cannot be opened. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei &quot;%1&quot;. %2.</source>
        <translation>Error reading the file &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei &quot;%1&quot;. %2.</source>
        <translation>Error writing the file &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>Die Datei würde größer als erlaubt</source>
        <translation>The file would grow beyond the size allowed</translation>
    </message>
    <message>
        <source>Zu viele symbolische Verknüpfungen hintereinander</source>
        <translation>Too many symbolic links in a row</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die eben gelöschten Tipps wiederherstellen (Rückgängig)</source>
        <translation>Restore the tips just deleted (Undo)</translation>
    </message>
    <message>
        <source>Druckvorschau des Tipps als Seite: drucken oder als PDF speichern</source>
        <translation>Print preview of the tip as a page: print it or save it as PDF</translation>
    </message>
    <message>
        <source>Das Diagramm als Bild (PNG) speichern</source>
        <translation>Save the chart as an image (PNG)</translation>
    </message>
    <message>
        <source>Das Diagramm als Zeichnung (SVG) speichern</source>
        <translation>Save the chart as a drawing (SVG)</translation>
    </message>
    <message>
        <source>Auswertung: Zufallsvergleich, Regeln, VEW-Systeme, CSV …</source>
        <translation>Evaluation: comparison with chance, rules, reduced systems, CSV …</translation>
    </message>
    <message>
        <source>Meine Scheine</source>
        <translation>My slips</translation>
    </message>
    <message>
        <source>Meine &amp;Scheine</source>
        <translation>My &amp;slips</translation>
    </message>
    <message>
        <source>Die gespielten Scheine: Treffer, Gewinne und Saldo jeder geprüften Ziehung</source>
        <translation>The slips played: hits, winnings and net of every draw checked</translation>
    </message>
    <message>
        <source>Treffer und Gewinn</source>
        <translation>Hits and winnings</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Statistik ab:</source>
        <translation>Statistics from:</translation>
    </message>
    <message>
        <source>Die Statistiken zählen die Ziehungen ab diesem Tag bis zum Datum der Auswertung</source>
        <translation>The statistics count the draws from this day up to the evaluation date</translation>
    </message>
    <message>
        <source>Ausschnitt vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Die Werteachse beginnt knapp unter dem kleinsten Balken statt bei 0: kleine Unterschiede werden sichtbar, wirken aber größer, als sie sind</source>
        <translation>The value axis starts just below the lowest bar instead of at 0: small differences become visible but look larger than they are</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Handbuch</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Ü&amp;ber Quintara GR</source>
        <translation>&amp;About Quintara GR</translation>
    </message>
</context>
<context>
    <name>HistoricAnalysis</name>
    <message>
        <source>GlücksZahl %1 gesetzt</source>
        <translation>Lucky number %1 set</translation>
    </message>
    <message>
        <source>Aktuelle Einstellung brachten für Sa. bzw. Mi.</source>
        <translation>The current settings won on Sat. / Wed.</translation>
    </message>
    <message>
        <source>%1er         =&gt; %2        =&gt; %3</source>
        <translation>%1 hits       =&gt; %2        =&gt; %3</translation>
    </message>
    <message>
        <source>%1er + ZZ=&gt; %2        =&gt; %3</source>
        <translation>%1 + bonus =&gt; %2        =&gt; %3</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen</source>
        <translation>Over %1 draws</translation>
    </message>
    <message>
        <source>Ihre GlücksZahl (1-99999999)?</source>
        <translation>Your lucky number (1-99999999)?</translation>
    </message>
    <message>
        <source>Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!</source>
        <translation>Enter your lucky number for the random generator!</translation>
    </message>
    <message>
        <source>Fehler bei Eingabe der ZufallsZahl</source>
        <translation>Error in the lucky number entered</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl. Geben Sie als Glückszahl eine ganze Zahl von %2 bis %3 ein.</source>
        <translation>“%1” is not a number. Enter a whole number from %2 to %3 as your lucky number.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Verbindung zu %1 abgelehnt</source>
        <translation>Connection to %1 refused</translation>
    </message>
    <message>
        <source>%1 hat die Verbindung vorzeitig getrennt</source>
        <translation>%1 closed the connection early</translation>
    </message>
    <message>
        <source>Server %1 nicht gefunden</source>
        <translation>Server %1 not found</translation>
    </message>
    <message>
        <source>Zeitüberschreitung bei der Verbindung zu %1</source>
        <translation>Connection to %1 timed out</translation>
    </message>
    <message>
        <source>Verbindung zum Proxy %1 abgelehnt</source>
        <translation>Connection to the proxy %1 refused</translation>
    </message>
    <message>
        <source>Der Proxy %1 hat die Verbindung vorzeitig getrennt</source>
        <translation>The proxy %1 closed the connection early</translation>
    </message>
    <message>
        <source>Proxy %1 nicht gefunden</source>
        <translation>Proxy %1 not found</translation>
    </message>
    <message>
        <source>Zeitüberschreitung bei der Verbindung zum Proxy %1</source>
        <translation>Connection to the proxy %1 timed out</translation>
    </message>
    <message>
        <source>Der Proxy %1 verlangt eine Anmeldung</source>
        <translation>The proxy %1 requires a login</translation>
    </message>
    <message>
        <source>Netzwerkfehler bei %1: %2</source>
        <translation>Network error with %1: %2</translation>
    </message>
    <message>
        <source>Es läuft bereits eine Anfrage</source>
        <translation>A request is already running</translation>
    </message>
    <message>
        <source>Ungültige Serveradresse &quot;%1&quot;</source>
        <translation>Invalid server address &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Anfrage wurde abgebrochen</source>
        <translation>The request was cancelled</translation>
    </message>
    <message>
        <source>Zeitüberschreitung: %1 hat nicht innerhalb von %2 geantwortet</source>
        <translation>Timed out: %1 did not answer within %2</translation>
    </message>
    <message>
        <source>Die Antwort von %1 ist zu groß (mehr als %2 Bytes)</source>
        <translation>The answer from %1 is too large (more than %2 bytes)</translation>
    </message>
    <message>
        <source>das Zertifikat ist nicht vertrauenswürdig</source>
        <translation>the certificate is not trusted</translation>
    </message>
    <message>
        <source>das Zertifikat ist abgelaufen</source>
        <translation>the certificate has expired</translation>
    </message>
    <message>
        <source>das Zertifikat ist noch nicht gültig</source>
        <translation>the certificate is not valid yet</translation>
    </message>
    <message>
        <source>das Zertifikat gilt nicht für %1</source>
        <translation>the certificate is not valid for %1</translation>
    </message>
    <message>
        <source>das Zertifikat wurde widerrufen</source>
        <translation>the certificate has been revoked</translation>
    </message>
    <message>
        <source>Kein TLS-Modul für Qt gefunden (Paket libqt6network6 unvollständig)</source>
        <translation>No TLS plugin for Qt found (package libqt6network6 is incomplete)</translation>
    </message>
    <message>
        <source>HTTPS ist nicht möglich: die OpenSSL-Bibliothek fehlt (Paket libssl3)</source>
        <translation>HTTPS is not possible: the OpenSSL library is missing (package libssl3)</translation>
    </message>
    <message>
        <source>TLS-Verbindung zu %1 fehlgeschlagen: %2</source>
        <translation>TLS connection to %1 failed: %2</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>5 + Z</source>
        <translation>5 + B</translation>
    </message>
    <message>
        <source>Max-Gewinn %1er</source>
        <translation>Best win: %1 hits</translation>
    </message>
    <message>
        <source>Tabelle %1 fehlt</source>
        <translation>Table %1 missing</translation>
    </message>
</context>
<context>
    <name>OperatorResults</name>
    <message>
        <source>keine gültige JSON-Antwort (%1 an Stelle %2)</source>
        <translation>not a valid JSON answer (%1 at position %2)</translation>
    </message>
    <message>
        <source>die Antwort enthält keine Liste von Ziehungen (&quot;content&quot;)</source>
        <translation>the answer contains no list of draws (&quot;content&quot;)</translation>
    </message>
    <message>
        <source>eine Ziehung ohne gültige Nummer oder Zeit (&quot;drawId&quot;, &quot;drawTime&quot;)</source>
        <translation>a draw without a valid number or time (&quot;drawId&quot;, &quot;drawTime&quot;)</translation>
    </message>
    <message>
        <source>die Gewinnzahlen der Ziehung %1 sind unlesbar</source>
        <translation>the winning numbers of draw %1 cannot be read</translation>
    </message>
    <message>
        <source>der Dienst meldet Fehler %1</source>
        <translation>the service reports error %1</translation>
    </message>
    <message>
        <source>der Dienst meldet: %1</source>
        <translation>the service reports: %1</translation>
    </message>
    <message>
        <source>der Dienst meldet Fehler %1: %2</source>
        <translation>the service reports error %1: %2</translation>
    </message>
    <message>
        <source>die Antwort nennt keine kommende Ziehung (&quot;active&quot;)</source>
        <translation>the answer names no coming draw (&quot;active&quot;)</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>Der Ordner für Ihre Daten kann nicht angelegt werden: %1</source>
        <translation>The folder for your data cannot be created: %1</translation>
    </message>
    <message>
        <source>Die mitgelieferte Ziehungsdatei %1 wurde nicht nach %2 kopiert.</source>
        <translation>The supplied draw file %1 was not copied to %2.</translation>
    </message>
</context>
<context>
    <name>PreferencePool</name>
    <message>
        <source>Berechnung der Paarbildung</source>
        <translation>Calculating pairs</translation>
    </message>
    <message>
        <source>Berechnung der Dreiergruppenbildung</source>
        <translation>Calculating runs of three</translation>
    </message>
    <message>
        <source>Berechnung der Vierergruppenbildung</source>
        <translation>Calculating runs of four</translation>
    </message>
    <message>
        <source>Berechnung der Zahlenverteilung</source>
        <translation>Calculating number frequencies</translation>
    </message>
    <message>
        <source>Berechnung der der Ausstehenden Zahlen</source>
        <translation>Calculating overdue numbers</translation>
    </message>
    <message>
        <source>Berechnung der benachbarten Zahlen der letzten Ziehung</source>
        <translation>Calculating the neighbours of the last draw</translation>
    </message>
    <message>
        <source>Es stehen zu wenig Zahlen für eine Berechnung zu Verfügung. Ändern Sie die Einstellungen unter Optionen=&gt;Statistisch</source>
        <translation>Too few numbers are left for a calculation. Change the settings under Options=&gt;Statistical</translation>
    </message>
    <message>
        <source>Min: %1 Max: %2  %3</source>
        <translation>Min: %1 Max: %2  %3</translation>
    </message>
    <message>
        <source>Min: %1  Max: %2  %3</source>
        <translation>Min: %1  Max: %2  %3</translation>
    </message>
</context>
<context>
    <name>PrizeTable</name>
    <message>
        <source>Die Quotendatei &quot;%1&quot; hat %2 unlesbare Zeilen, die erste ist Zeile %3; sie bleiben unverändert am Ende der Datei erhalten.</source>
        <translation>The prize file &quot;%1&quot; has %2 unreadable lines, the first is line %3; they are kept unchanged at the end of the file.</translation>
    </message>
    <message>
        <source>Die Quotendatei lässt sich weder lesen noch beiseitelegen (%1), die Quoten dieser Aktualisierung werden nicht gespeichert: %2</source>
        <translation>The prize file can be neither read nor set aside (%1), the prizes of this update are not saved: %2</translation>
    </message>
    <message>
        <source>Die Quotendatei war unbrauchbar und liegt jetzt unter &quot;%1&quot;, die Quoten beginnen neu: %2</source>
        <translation>The prize file was unusable and is now at &quot;%1&quot;, the prize tables start afresh: %2</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 kam mit %2 Gewinnklassen, gespeichert sind die ersten %3.</source>
        <translation>The draw of %1 came with %2 prize categories; the first %3 are saved.</translation>
    </message>
</context>
<context>
    <name>RuleReport</name>
    <message>
        <source>Übereinstimmungen zwischen den Tipps</source>
        <translation>Matches between the tips</translation>
    </message>
    <message>
        <source>Zahlenpaar erzwingen</source>
        <translation>Force a number pair</translation>
    </message>
    <message>
        <source>keine drei Zahlen in Folge</source>
        <translation>no three consecutive numbers</translation>
    </message>
    <message>
        <source>Quersumme</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Zahlen der letzten Ziehung</source>
        <translation>Numbers of the last draw</translation>
    </message>
    <message>
        <source>Zahlen der vorletzten Ziehung</source>
        <translation>Numbers of the second-to-last draw</translation>
    </message>
    <message>
        <source>Zahlen der drittletzten Ziehung</source>
        <translation>Numbers of the third-to-last draw</translation>
    </message>
    <message>
        <source>gerade Zahlen</source>
        <translation>even numbers</translation>
    </message>
    <message>
        <source>ungerade Zahlen</source>
        <translation>odd numbers</translation>
    </message>
    <message>
        <source>Primzahlen</source>
        <translation>prime numbers</translation>
    </message>
    <message>
        <source>nie ein Gewinn im Analysezeitraum</source>
        <translation>never a win in the analysis period</translation>
    </message>
    <message>
        <source>kein Gewinn in den letzten Ziehungen</source>
        <translation>no win in the recent draws</translation>
    </message>
    <message>
        <source>kein Gewinn in den letzten Ziehungen (2. Regel)</source>
        <translation>no win in the recent draws (2nd rule)</translation>
    </message>
    <message>
        <source>„%1“ (Regel %2: %3 von %4 Kandidaten)</source>
        <translation>“%1” (rule %2: %3 of %4 candidates)</translation>
    </message>
    <message>
        <source>Die meisten Kandidaten verwarf die Regel %1.</source>
        <translation>Rule %1 rejected the most candidates.</translation>
    </message>
    <message>
        <source>Die meisten Kandidaten verwarfen die Regeln %1.</source>
        <translation>Rules %1 rejected the most candidates.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht durch &quot;%2&quot; ersetzt werden. %3.</source>
        <translation>The file &quot;%1&quot; cannot be replaced by &quot;%2&quot;. %3.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist zu groß: %2 Bytes, höchstens %3 Bytes werden gelesen. Sie bleibt unverändert.</source>
        <translation>The file &quot;%1&quot; is too large: %2 bytes, at most %3 bytes are read. It remains unchanged.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine gewöhnliche Datei, sondern zum Beispiel eine Pipe oder ein Gerät, und wird nicht gelesen.</source>
        <translation>&quot;%1&quot; is not a regular file but, for example, a pipe or a device, and is not read.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Der Einstellungswert &quot;%1&quot; ist nicht vorhanden.</source>
        <translation>The setting &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Der Einstellungswert &quot;%1&quot; hat nicht den Datentyp %2.</source>
        <translation>The setting &quot;%1&quot; is not of type %2.</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; für die Einstellungen kann nicht angelegt werden.</source>
        <translation>The settings folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>Die bisherigen Einstellungen bleiben erhalten.</source>
        <translation>The previous settings are kept.</translation>
    </message>
    <message>
        <source>Die Einstellungen werden nicht gespeichert, damit die Datei, die beim Start nicht gelesen werden konnte, erhalten bleibt: %1</source>
        <translation>The settings are not saved, so that the file that could not be read at start-up is kept: %1</translation>
    </message>
</context>
<context>
    <name>SlipTips</name>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message numerus="yes">
        <source>Vollsystem: %n Reihen, Einsatz %1</source>
        <translation>
            <numerusform>Full system: %n line, stake %1</numerusform>
            <numerusform>Full system: %n lines, stake %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Tabelle %1 fehlt: das System kann nicht aufgeschrieben werden</source>
        <translation>Table %1 is missing: the system cannot be written out</translation>
    </message>
    <message numerus="yes">
        <source>%n Reihen aus %1</source>
        <translation>
            <numerusform>%n line from %1</numerusform>
            <numerusform>%n lines from %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Quintara GR ist bereits geöffnet. Das geöffnete Fenster wurde nach vorn geholt.</source>
        <translation>Quintara GR is already open. The open window has been brought to the front.</translation>
    </message>
    <message>
        <source>Quintara GR ist mit den Daten in &quot;%1&quot; bereits geöffnet (Prozess %2), antwortet aber nicht. Ein zweites Fenster wird nicht geöffnet, damit keine Ziehungen und Tipps verloren gehen.</source>
        <translation>Quintara GR is already open with the data in &quot;%1&quot; (process %2) but does not answer. No second window is opened, so that no draws or tips are lost.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Zahlenverteilung     Ziehungen: %1    Quersumme: %2</source>
        <translation>Number frequencies     Draws: %1    Average sum: %2</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Paare gefunden! Häufigkeit = 1.Zahl des Paares (%3 x 5 =&gt; %3 x 5-6)</source>
        <translation>%2 pairs found in %1 draws! Frequency = first number of the pair (%3 x 5 =&gt; %3 x 5-6)</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Dreier gefunden! Häufigkeit = 1.Zahl des Dreiers (%3 x 5 =&gt; %3 x 5-6-7)</source>
        <translation>%2 runs of three found in %1 draws! Frequency = first number of the run (%3 x 5 =&gt; %3 x 5-6-7)</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Vierer gefunden! Häufigkeit = 1.Zahl des Vierers (%3x 5 =&gt; %3x 5-6-7-8)</source>
        <translation>%2 runs of four found in %1 draws! Frequency = first number of the run (%3 x 5 =&gt; %3 x 5-6-7-8)</translation>
    </message>
    <message>
        <source>Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?</source>
        <translation>Which number is overdue, i.e. for how many draws has it not come up?</translation>
    </message>
    <message>
        <source>Quersummenverteilung     Ziehungen: %1    Quersumme: %2</source>
        <translation>Distribution of sums     Draws: %1    Average sum: %2</translation>
    </message>
    <message>
        <source>Zahlenverteilung des Tippes</source>
        <translation>Numbers of the tip</translation>
    </message>
    <message>
        <source>Keine Ziehung ab dem %1: die neueste gespeicherte Ziehung ist vom %2. Wählen Sie unter „Statistik ab“ ein früheres Datum.</source>
        <translation>No draw from %1 on: the newest stored draw is of %2. Choose an earlier date under “Statistics from”.</translation>
    </message>
</context>
<context>
    <name>SystemChoice</name>
    <message>
        <source>%1Tippreihen pro Tipp!</source>
        <translation>%1 lines per tip!</translation>
    </message>
    <message>
        <source>%1 Tippreihen pro Tipp!</source>
        <translation>%1 lines per tip!</translation>
    </message>
    <message>
        <source>Die Systemtabelle &quot;%1&quot; hat mehr als %2 Zeilen; die übrigen %3 Zeilen werden nicht verwendet.</source>
        <translation>The system table &quot;%1&quot; has more than %2 lines; the remaining %3 lines are not used.</translation>
    </message>
    <message>
        <source>Wählen Sie Ihre Spielsystem</source>
        <translation>Choose your system</translation>
    </message>
    <message>
        <source>Vollsystem</source>
        <translation>Full system</translation>
    </message>
    <message numerus="yes">
        <source>%n Tippreihe(n) pro Tipp</source>
        <translation>
            <numerusform>%n line per tip</numerusform>
            <numerusform>%n lines per tip</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quersumme: %1</source>
        <translation>Sum: %1</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 wurde nicht gespeichert.
%2</source>
        <translation>The draw of %1 was not saved.
%2</translation>
    </message>
    <message>
        <source>Lesen Sie zuerst die Daten der Ziehungen ein</source>
        <translation>Load the draw results first</translation>
    </message>
    <message>
        <source>Beginn der Tippberechnung</source>
        <translation>Calculating tips…</translation>
    </message>
    <message>
        <source>Tipps wurden neu berechnet</source>
        <translation>Tips calculated</translation>
    </message>
    <message>
        <source>Ändern Sie die Parameter um alle Tipps zuberechnen</source>
        <translation>Change the settings to calculate all tips</translation>
    </message>
    <message>
        <source>Textdatei|*.txt</source>
        <translation>Text file|*.txt</translation>
    </message>
    <message>
        <source>Ihre Glückszahl (1-99999999)?</source>
        <translation>Your lucky number (1-99999999)?</translation>
    </message>
    <message>
        <source>Analyse anhalten (bei %1)</source>
        <translation>Stop the analysis (at %1)</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am häufigsten Gezogenen verwendet.</source>
        <translation>The calculation uses the first %1%, counting from the most frequently drawn number.</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am seltesten Gezogenen verwendet.</source>
        <translation>The calculation uses the first %1%, counting from the most rarely drawn number.</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am längsten Ausstehenden verwendet.</source>
        <translation>The calculation uses the first %1%, counting from the longest overdue number.</translation>
    </message>
    <message>
        <source>Wählen Sie zuerst einen Tipp aus</source>
        <translation>Select a tip first</translation>
    </message>
    <message>
        <source>Zahlen für Berechnung wählen</source>
        <translation>Choose numbers for the calculation</translation>
    </message>
    <message>
        <source>Beim Beenden konnte nicht alles gespeichert werden:

%1

Die Tippliste ist gespeichert. Trotzdem beenden?</source>
        <translation>Not everything could be saved on exit:

%1

The tip list has been saved. Exit anyway?</translation>
    </message>
    <message>
        <source>Beim Beenden konnte nicht alles gespeichert werden:

%1

Die Tippliste (%2 Tipps) ginge verloren. Möchten Sie sie an einem anderen Ort speichern?

„Ja“ wählt den Ort, „Nein“ beendet ohne die Tippliste, „Abbrechen“ lässt das Programm geöffnet.</source>
        <translation>Not everything could be saved on exit:

%1

The tip list (%2 tips) would be lost. Do you want to save it somewhere else?

“Yes” chooses the location, “No” exits without the tip list, “Cancel” keeps the program open.</translation>
    </message>
    <message>
        <source>Suche beenden</source>
        <translation>Stop search</translation>
    </message>
    <message>
        <source>Tipp-Test vom %1 bis %2: %3 Ziehungen, %4 Tipps</source>
        <translation>Tip test from %1 to %2: %3 draws, %4 tips</translation>
    </message>
    <message>
        <source>SVG-Zeichnung|*.svg</source>
        <translation>SVG drawing|*.svg</translation>
    </message>
    <message>
        <source>PNG-Bild|*.png</source>
        <translation>PNG image|*.png</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Das Diagramm konnte nicht als %1 gespeichert werden.</source>
        <translation>The chart could not be saved as %1.</translation>
    </message>
    <message>
        <source>Die Adresse des Ziehungsservers &quot;%1&quot; ist ungültig. Erwartet wird der Ergebnisdienst des Lottoveranstalters, zum Beispiel %2, oder ein Ziehungsserver wie %3.</source>
        <translation>The address of the draw server &quot;%1&quot; is invalid. Expected: the results service of the lottery operator, for example %2, or a draw server such as %3.</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 ersetzen?

Gespeichert: %2
Neu: %3</source>
        <translation>Replace the draw of %1?

Saved: %2
New: %3</translation>
    </message>
    <message>
        <source>Letzter Lauf des Generators:</source>
        <translation>Last run of the generator:</translation>
    </message>
    <message>
        <source>Nicht alle Tipps konnten berechnet werden. %1
Die Zahlen je Regel zeigt die Auswertung (Seite „Datenbank“).</source>
        <translation>Not all tips could be calculated. %1
The evaluation (“Database” page) shows the figures for each rule.</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 löschen?

%2</source>
        <translation>Delete the draw of %1?

%2</translation>
    </message>
    <message>
        <source>Die Datei der Ziehungen &quot;%1&quot; ist beschädigt: %2 von %3 Datensätzen sind keine gültigen Ziehungen oder stehen außer der Reihe, der erste an Position %4.</source>
        <translation>The draw file &quot;%1&quot; is damaged: %2 of %3 records are not valid draws or are out of order, the first one at position %4.</translation>
    </message>
    <message>
        <source>Am Ende steht ein abgeschnittener Datensatz (%1 Bytes).</source>
        <translation>At the end there is a truncated record (%1 bytes).</translation>
    </message>
    <message>
        <source>Soll die Datei repariert werden? Die %1 gültigen Ziehungen bleiben in Datumsfolge erhalten, die beschädigte Datei wird als &quot;%2&quot; aufbewahrt. Ohne Reparatur bleibt die Datei unverändert.</source>
        <translation>Should the file be repaired? The %1 valid draws are kept in date order, and the damaged file is kept as &quot;%2&quot;. Without a repair the file remains unchanged.</translation>
    </message>
    <message>
        <source>Die Datei der Ziehungen wurde repariert; die beschädigte Fassung liegt in &quot;%1&quot;.</source>
        <translation>The draw file has been repaired; the damaged version is in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Alle Läufe der historischen Analyse:</source>
        <translation>All runs of the historical analysis:</translation>
    </message>
    <message>
        <source>Historische Analyse ab %1: %2 Ziehungen, %3 Tipps je Ziehung, Glückszahl %4</source>
        <translation>Historical analysis from %1: %2 draws, %3 tips per draw, lucky number %4</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>CSV file|*.csv</translation>
    </message>
    <message>
        <source>%1 Ziehungen nach %2 exportiert.</source>
        <translation>%1 draws exported to %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n gespeicherte Ziehung(en) würden durch die Datei ersetzt. Importieren?</source>
        <translation>
            <numerusform>%n saved draw would be replaced by the file. Import?</numerusform>
            <numerusform>%n saved draws would be replaced by the file. Import?</numerusform>
        </translation>
    </message>
    <message>
        <source>Import abgebrochen; die Ziehungen bleiben unverändert.</source>
        <translation>Import cancelled; the draws remain unchanged.</translation>
    </message>
    <message>
        <source>Tippliste nach %1 exportiert.</source>
        <translation>Tip list exported to %1.</translation>
    </message>
    <message>
        <source>Der Tipp wurde in %1 gespeichert, aber das System hat kein Programm, das die Datei öffnet.
Über „Druck“ können Sie den Tipp ansehen, drucken oder als PDF speichern.</source>
        <translation>The tip was saved in %1, but the system has no program that opens the file.
With “Print” you can view the tip, print it or save it as PDF.</translation>
    </message>
    <message>
        <source>PDF-Dokument|*.pdf</source>
        <translation>PDF document|*.pdf</translation>
    </message>
    <message>
        <source>Die PDF-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The PDF file %1 could not be written.</translation>
    </message>
    <message numerus="yes">
        <source>Die eben gelöschten %n Tipps wiederherstellen (Rückgängig)</source>
        <translation>
            <numerusform>Restore the %n tip just deleted (Undo)</numerusform>
            <numerusform>Restore the %n tips just deleted (Undo)</numerusform>
        </translation>
    </message>
    <message>
        <source>Die gespeicherten Einstellungen werden nicht übernommen; es gelten die Vorgaben. %1</source>
        <translation>The stored settings are not applied; the defaults are used. %1</translation>
    </message>
    <message>
        <source>Tipp-Test anhalten (bei %1)</source>
        <translation>Stop the tip test (at %1)</translation>
    </message>
    <message>
        <source>Nächste Ziehung: unbekannt</source>
        <translation>Next draw: unknown</translation>
    </message>
    <message>
        <source>Nächste Ziehung: %1, %2, %3 Uhr (griechische Zeit)</source>
        <translation>Next draw: %1, %2, %3 (Greek time)</translation>
    </message>
    <message>
        <source>Jackpot: %1 €</source>
        <translation>Jackpot: €%1</translation>
    </message>
    <message>
        <source>Jackpot: unbekannt</source>
        <translation>Jackpot: unknown</translation>
    </message>
    <message>
        <source>(Stand: %1)</source>
        <translation>(as of %1)</translation>
    </message>
    <message>
        <source>Die Ziehungen kommen bisher vom Ziehungsserver %1 auf diesem Rechner. Sollen sie künftig direkt vom Ergebnisdienst des Lottoveranstalters (%2) kommen? Die Adresse steht auf der Seite Internet-Optionen.</source>
        <translation>The draws have come from the draw server %1 on this computer so far. Should they come straight from the operator&apos;s results service (%2) from now on? The address is on the Internet options page.</translation>
    </message>
    <message>
        <source>Die Aktualisierung der Ziehungen ist nicht ganz gelungen.
%1</source>
        <translation>The update of the draws did not fully succeed.
%1</translation>
    </message>
    <message>
        <source>Das Handbuch (README.md) liegt nicht bei diesem Programm.</source>
        <translation>The manual (README.md) is not installed with this program.</translation>
    </message>
    <message>
        <source>Das Handbuch liegt in %1, aber das System hat kein Programm, das die Datei öffnet.</source>
        <translation>The manual is in %1, but the system has no program that opens the file.</translation>
    </message>
    <message>
        <source>Quintara GR, Version %1
Ein Programm für Spieler des griechischen Lotto 6 aus 49.

Lizenz: MIT-Lizenz, Copyright (c) 2026 Brenlow. Das Programm darf frei benutzt, kopiert und verändert werden; es kommt ohne jede Gewähr.

Datenquellen:
• Neue Ziehungen und Quoten: der Ergebnisdienst des Lottoveranstalters (%2) oder der Ziehungsserver, der unter „Internet-Optionen“ eingestellt ist.
• Mitgelieferte Ziehungen vom 05.12.1990 bis 30.08.2025: die vom Lottoveranstalter veröffentlichten Jahreslisten.

Keine Gewähr für die Richtigkeit der Zahlen!</source>
        <translation>Quintara GR, version %1
A program for players of the Greek Lotto 6 of 49.

Licence: MIT licence, Copyright (c) 2026 Brenlow. The program may be used, copied and changed freely; it comes without any warranty.

Data sources:
• New draws and dividends: the lottery operator’s results service (%2) or the draw server set under “Internet options”.
• Bundled draws from 05.12.1990 to 30.08.2025: the yearly lists published by the lottery operator.

No guarantee that the numbers are correct!</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Zahlen der Ziehung eingeben</source>
        <translation>Enter the numbers of the draw</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Werteliste|*.hlw</source>
        <translation>Number list|*.hlw</translation>
    </message>
    <message>
        <source>Welche Zahlen für die Berechnung</source>
        <translation>Which numbers to use for the calculation</translation>
    </message>
    <message>
        <source>Zufall</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>%1 Stopp</source>
        <translation>%1 Stop</translation>
    </message>
    <message>
        <source>Speichern der Liste</source>
        <translation>Save the list</translation>
    </message>
    <message>
        <source>Laden der Liste</source>
        <translation>Load a list</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>&amp;Zufall</source>
        <translation>&amp;Random</translation>
    </message>
    <message>
        <source>Mit den angekreuzten Zahlen und ihren berechneten Gewichten rechnen; eine neu angekreuzte Zahl zählt einfach</source>
        <translation>Calculate with the ticked numbers and their computed weights; a newly ticked number counts once</translation>
    </message>
    <message>
        <source>Mit den angekreuzten Zahlen und den Gewichten ihrer Hinweise rechnen (etwa aus einer geladenen Liste)</source>
        <translation>Calculate with the ticked numbers and the weights in their hints (from a loaded list, say)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; hat zu viele Zeilen: %2, höchstens %3 werden gelesen. Sie bleibt unverändert.</source>
        <translation>The file &quot;%1&quot; has too many lines: %2, at most %3 are read. It remains unchanged.</translation>
    </message>
    <message>
        <source>Die Zeile %2 der Datei &quot;%1&quot; ist zu lang: %3 Zeichen, höchstens %4 werden gelesen. Die Datei bleibt unverändert.</source>
        <translation>Line %2 of the file &quot;%1&quot; is too long: %3 characters, at most %4 are read. The file remains unchanged.</translation>
    </message>
    <message>
        <source>Der bisherige Inhalt bleibt erhalten.</source>
        <translation>The previous content is kept.</translation>
    </message>
</context>
<context>
    <name>TipFiles</name>
    <message>
        <source>Tippdatei|*.hlt</source>
        <translation>Tip file|*.hlt</translation>
    </message>
    <message>
        <source>Quintara Tipp für %1</source>
        <translation>Quintara tip for %1</translation>
    </message>
    <message>
        <source>%1. Lotto-Schein</source>
        <translation>%1. Lotto slip</translation>
    </message>
    <message>
        <source>%1. Tipp:  </source>
        <translation>%1. Tip:  </translation>
    </message>
</context>
<context>
    <name>TipGenerator</name>
    <message>
        <source>%1.Tipp:  %2 QS: %3</source>
        <translation>Tip %1:  %2 Sum: %3</translation>
    </message>
    <message>
        <source>%1 Reihen getestet</source>
        <translation>%1 lines tested</translation>
    </message>
</context>
<context>
    <name>TipPrint</name>
    <message>
        <source>Druckvorschau: Tipp</source>
        <translation>Print preview: tip</translation>
    </message>
    <message>
        <source>Als PDF speichern …</source>
        <translation>Save as PDF …</translation>
    </message>
    <message>
        <source>Den Tipp als PDF-Datei speichern</source>
        <translation>Save the tip as a PDF file</translation>
    </message>
</context>
<context>
    <name>TipTest</name>
    <message>
        <source>Bei wievielen Zahlen Übereinstellung stoppen?</source>
        <translation>Stop at how many matching numbers?</translation>
    </message>
    <message>
        <source>Tipp-Test</source>
        <translation>Tip test</translation>
    </message>
    <message>
        <source>Quersummer: %1</source>
        <translation>Sum: %1</translation>
    </message>
    <message>
        <source>Ein Treffer am: %1</source>
        <translation>A hit on: %1</translation>
    </message>
    <message>
        <source>Tipp-Test der Ziehungen vom %1 bis %2</source>
        <translation>Tip test of the draws from %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>Suche abgebrochen nach %n geprüften Ziehungen.</source>
        <translation>
            <numerusform>Search cancelled after %n draw checked.</numerusform>
            <numerusform>Search cancelled after %n draws checked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche beendet: %n Ziehungen geprüft.</source>
        <translation>
            <numerusform>Search finished: %n draw checked.</numerusform>
            <numerusform>Search finished: %n draws checked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ziehungen mit mindestens %n Richtigen: %1</source>
        <translation>
            <numerusform>Draws with at least %n correct number: %1</numerusform>
            <numerusform>Draws with at least %n correct numbers: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere Tipps mit Treffern</source>
        <translation>
            <numerusform>… and %n more tip with hits</numerusform>
            <numerusform>… and %n more tips with hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weitere Tipps ohne Treffer</source>
        <translation>
            <numerusform>%n more tip without hits</numerusform>
            <numerusform>%n more tips without hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1: %2  (%n Richtige)</source>
        <translation>
            <numerusform>Tip %1: %2  (%n correct)</numerusform>
            <numerusform>Tip %1: %2  (%n correct)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1 (%2): %n Treffer</source>
        <translation>
            <numerusform>Tip %1 (%2): %n hit</numerusform>
            <numerusform>Tip %1 (%2): %n hits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelReport</name>
    <message>
        <source>Die Tabelle enthält keine Zeile.</source>
        <translation>The table contains no line.</translation>
    </message>
    <message>
        <source>Zeile %1: mehr als %2 Zeilen.</source>
        <translation>Line %1: more than %2 lines.</translation>
    </message>
    <message>
        <source>Zeile %1: ein „x“ an Stelle %2, ein Tipp hat höchstens %3 Zahlen.</source>
        <translation>Line %1: an “x” at position %2, a tip has at most %3 numbers.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 Zahlen markiert statt 6.</source>
        <translation>Line %1: %2 numbers marked instead of 6.</translation>
    </message>
    <message>
        <source>%1 Reihen aus %2 Basiszahlen.</source>
        <translation>%1 lines from %2 base numbers.</translation>
    </message>
    <message>
        <source>%1 richtige unter den Basiszahlen: mindestens %2 Treffer in einer Reihe</source>
        <translation>%1 of the base numbers drawn: at least %2 hits in one line</translation>
    </message>
    <message>
        <source>%1er in %2 %</source>
        <translation>%1 hits in %2%</translation>
    </message>
    <message>
        <source>    von %1 Fällen: %2</source>
        <translation>    of %1 cases: %2</translation>
    </message>
    <message>
        <source>    Lücke: mit den Basiszahlen %1 hat keine Reihe mehr als %2 Treffer.</source>
        <translation>    Gap: with the base numbers %1 no line has more than %2 hits.</translation>
    </message>
</context>
<context>
    <name>Winnings</name>
    <message>
        <source>Gewinn: %1 €</source>
        <translation>Winnings: €%1</translation>
    </message>
    <message>
        <source>Gewinn: Quote unbekannt</source>
        <translation>Winnings: payout unknown</translation>
    </message>
    <message numerus="yes">
        <source>Gewinn: mindestens %1 € (für %n Gewinnreihe(n) ist die Quote unbekannt)</source>
        <translation>
            <numerusform>Winnings: at least €%1 (the payout is unknown for %n winning line)</numerusform>
            <numerusform>Winnings: at least €%1 (the payout is unknown for %n winning lines)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>€%1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + unknown</translation>
    </message>
    <message numerus="yes">
        <source>Einsatz je Ziehung: %n Reihe(n) × %1 = %2</source>
        <translation>
            <numerusform>Stake per draw: %n line × %1 = %2</numerusform>
            <numerusform>Stake per draw: %n lines × %1 = %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Einsatz je Ziehung: %n Reihe(n) × Preis unbekannt</source>
        <translation>
            <numerusform>Stake per draw: %n line × price unknown</numerusform>
            <numerusform>Stake per draw: %n lines × price unknown</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Gewinn: %1</source>
        <translation>Winnings: %1</translation>
    </message>
    <message>
        <source>Gewinn: %1 (Einsatz %2)</source>
        <translation>Winnings: %1 (stake %2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Als gespielt speichern</source>
        <translation>Save as played</translation>
    </message>
    <message>
        <source>Die Tipps (oder die markierten Tipps) als gespielten Schein für die nächste Ziehung speichern</source>
        <translation>Save the tips (or the selected tips) as a slip played for the next draw</translation>
    </message>
</context>
<context>
    <name>Slips</name>
    <message>
        <source>5 + Z</source>
        <translation>5 + B</translation>
    </message>
    <message>
        <source>%1 Richtige</source>
        <translation>%1 correct</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>€%1</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>kein Gewinn</source>
        <translation>no win</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + unknown</translation>
    </message>
    <message>
        <source>1 Schein geprüft: %1</source>
        <translation>1 slip checked: %1</translation>
    </message>
    <message>
        <source>%1 Scheine geprüft: %2</source>
        <translation>%1 slips checked: %2</translation>
    </message>
</context>
<context>
    <name>SlipSaveDialog</name>
    <message>
        <source>Als gespielt speichern</source>
        <translation>Save as played</translation>
    </message>
    <message>
        <source>Erste Ziehung: %1, %2 Spalten, %3 € pro Ziehung</source>
        <translation>First draw: %1, %2 columns, €%3 per draw</translation>
    </message>
    <message>
        <source>Anzahl der Ziehungen:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Es gibt keine Tipps, die als gespielt gespeichert werden können.</source>
        <translation>There are no tips to save as played.</translation>
    </message>
    <message>
        <source>Der Schein wurde nicht gespeichert.
%1</source>
        <translation>The slip was not saved.
%1</translation>
    </message>
    <message>
        <source>Unlesbare Zeilen in der Datei %1: %2. Sie bleiben unverändert in der Datei.</source>
        <translation>Unreadable lines in the file %1: %2. They stay in the file unchanged.</translation>
    </message>
    <message>
        <source>Schein „%1“ gespeichert: ab %2, Ziehungen: %3</source>
        <translation>Slip “%1” saved: from %2, draws: %3</translation>
    </message>
    <message>
        <source>Scheine nicht geprüft: %1</source>
        <translation>Slips not checked: %1</translation>
    </message>
    <message>
        <source>(unlesbare Zeilen in %1: %2)</source>
        <translation>(unreadable lines in %1: %2)</translation>
    </message>
</context>
<context>
    <name>SlipLedger</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Schein</source>
        <translation>Slip</translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Einsatz</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Gewinnklasse</source>
        <translation>Tier</translation>
    </message>
    <message>
        <source>Gewinn</source>
        <translation>Winnings</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>€%1</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + unknown</translation>
    </message>
    <message>
        <source>Schein %1</source>
        <translation>Slip %1</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Einsatz %1, Gewinn %2, Saldo %3</source>
        <translation>Stake %1, winnings %2, net %3</translation>
    </message>
    <message numerus="yes">
        <source> (ohne %n Gewinnreihe(n) unbekannter Quote)</source>
        <translation>
            <numerusform> (excluding %n winning line of unknown payout)</numerusform>
            <numerusform> (excluding %n winning lines of unknown payout)</numerusform>
        </translation>
    </message>
    <message>
        <source>derselbe Einsatz bringt im Mittel %1</source>
        <translation>average return of the same stake: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Ziehung(en) offen, Einsatz %1</source>
        <translation>
            <numerusform>%n draw open, stake %1</numerusform>
            <numerusform>%n draws open, stake %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlipsWindow</name>
    <message>
        <source>Meine Scheine</source>
        <translation>My slips</translation>
    </message>
    <message>
        <source>&amp;Anzeigen:</source>
        <translation>&amp;Show:</translation>
    </message>
    <message>
        <source>Alle Ziehungen</source>
        <translation>All draws</translation>
    </message>
    <message>
        <source>Offene Scheine</source>
        <translation>Open slips</translation>
    </message>
    <message>
        <source>Abgeschlossene Scheine</source>
        <translation>Finished slips</translation>
    </message>
    <message>
        <source>Gewinne</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Offen: Scheine, deren Ziehungen nicht alle gezogen sind; abgeschlossen: alle Ziehungen gezogen; Gewinne: Ziehungen mit mindestens einer Gewinnreihe</source>
        <translation>Open: slips whose draws have not all been drawn; finished: every draw drawn; wins: draws with at least one winning line</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten …</source>
        <translation>&amp;Edit …</translation>
    </message>
    <message>
        <source>Name, Anzahl der Ziehungen und Preis je Spalte des gewählten Scheins ändern</source>
        <translation>Change the name, the number of draws and the price per column of the selected slip</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Den Schein der gewählten Zeile mit allen seinen Ziehungen löschen</source>
        <translation>Delete the slip of the selected row with all its draws</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern …</source>
        <translation>Save as &amp;CSV …</translation>
    </message>
    <message>
        <source>Die angezeigten Zeilen als CSV-Datei speichern</source>
        <translation>Save the rows shown as a CSV file</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print …</translation>
    </message>
    <message>
        <source>Druckvorschau der angezeigten Zeilen: drucken oder als PDF speichern</source>
        <translation>Print preview of the rows shown: print or save as PDF</translation>
    </message>
    <message>
        <source>Wählen Sie eine Zeile: hier stehen dann die Treffer jeder Spalte, die Gewinnzahlen fett.</source>
        <translation>Select a row to see the hits of every column here, the winning numbers in bold.</translation>
    </message>
    <message>
        <source>Die Scheindatei %1 konnte nicht gelesen werden: %2</source>
        <translation>The slips file %1 could not be read: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Zeile(n) der Scheindatei sind beschädigt: sie bleiben in der Datei, werden aber nicht angezeigt.</source>
        <translation>
            <numerusform>%n line of the slips file is damaged: it stays in the file but is not shown.</numerusform>
            <numerusform>%n lines of the slips file are damaged: they stay in the file but are not shown.</numerusform>
        </translation>
    </message>
    <message>
        <source>Noch keine Scheine gespeichert: „Als gespielt speichern“ neben der Tippliste speichert die Tipps als Schein für die nächste Ziehung.</source>
        <translation>No slips recorded yet: “Save as played” beside the tip list records the tips as a slip for the next draw.</translation>
    </message>
    <message>
        <source>Saldo nach jeder Ziehung (€): noch keine Ziehung geprüft</source>
        <translation>Net after each draw (€): no draw checked yet</translation>
    </message>
    <message>
        <source>Saldo nach jeder Ziehung (€), %1 bis %2</source>
        <translation>Net after each draw (€), %1 to %2</translation>
    </message>
    <message>
        <source>Ziehung %1 von %2</source>
        <translation>Draw %1 of %2</translation>
    </message>
    <message>
        <source>Die Ziehung am %1 steht noch aus.</source>
        <translation>The draw of %1 is still to come.</translation>
    </message>
    <message>
        <source>Gewinnzahlen vom %1: %2</source>
        <translation>Winning numbers of %1: %2</translation>
    </message>
    <message>
        <source>Zusatzzahl %1</source>
        <translation>additional number %1</translation>
    </message>
    <message>
        <source>Die Tabelle des Systems %1 fehlt: diese Reihe kann nicht geprüft werden.</source>
        <translation>The table of system %1 is missing: this line cannot be checked.</translation>
    </message>
    <message>
        <source>%1 Richtige</source>
        <translation>%1 correct</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Den Schein „%1“ mit allen seinen Ziehungen löschen?</source>
        <translation>Delete the slip “%1” with all its draws?</translation>
    </message>
    <message>
        <source>Schein bearbeiten</source>
        <translation>Edit slip</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Ziehungen (1 bis %1):</source>
        <translation>&amp;Draws (1 to %1):</translation>
    </message>
    <message>
        <source>&amp;Preis je Spalte und Ziehung:</source>
        <translation>&amp;Price per column and draw:</translation>
    </message>
    <message>
        <source>Die Ziehungen zählen ab dem %1; die Prüfungen werden danach neu berechnet.</source>
        <translation>The draws count from %1; the checks are computed again afterwards.</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>CSV file|*.csv</translation>
    </message>
    <message>
        <source>Meine Scheine – %1</source>
        <translation>My slips – %1</translation>
    </message>
    <message>
        <source>Druckvorschau: Meine Scheine</source>
        <translation>Print preview: my slips</translation>
    </message>
    <message>
        <source>PDF-Dokument|*.pdf</source>
        <translation>PDF document|*.pdf</translation>
    </message>
    <message>
        <source>Die PDF-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The PDF file %1 could not be written.</translation>
    </message>
</context>
</TS>
