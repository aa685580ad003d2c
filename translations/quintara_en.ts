<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>DrawDownload</name>
    <message>
        <source>Loading</source>
        <translation>Loading…</translation>
    </message>
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
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source> Die Ziehungen in &quot;%1&quot; bleiben unverändert.</source>
        <translation> The draws in &quot;%1&quot; remain unchanged.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht durch &quot;%2&quot; ersetzt werden. %3. Die bisherigen Ziehungen bleiben erhalten.</source>
        <translation>The file &quot;%1&quot; cannot be replaced by &quot;%2&quot;. %3. The draws stored so far are kept.</translation>
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
        <source>Die Einstellungen können nicht in &quot;%1&quot; geschrieben werden. %2.</source>
        <translation>The settings cannot be written to &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Einstellungen in &quot;%1&quot;. %2. Die bisherigen Einstellungen bleiben erhalten.</source>
        <translation>Error writing the settings to &quot;%1&quot;. %2. The previous settings are kept.</translation>
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
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quersumme: %1</source>
        <translation>Sum: %1</translation>
    </message>
    <message>
        <source>Die Adresse des Ziehungsservers &quot;%1&quot; ist ungültig. Erwartet wird zum Beispiel %2.</source>
        <translation>The address of the draw server &quot;%1&quot; is invalid. Expected is, for example, %2.</translation>
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
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geschrieben werden. %2.</source>
        <translation>The file &quot;%1&quot; cannot be written. %2.</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht vollständig geschrieben werden</source>
        <translation>The data could not be written completely</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei &quot;%1&quot;. %2. Der bisherige Inhalt bleibt erhalten.</source>
        <translation>Error writing the file &quot;%1&quot;. %2. Its previous content is kept.</translation>
    </message>
</context>
<context>
    <name>TipFiles</name>
    <message>
        <source>Tippdatei|*.hlt</source>
        <translation>Tip file|*.hlt</translation>
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
</context>
</TS>
