<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="de_DE">
<context>
    <name>DrawDownload</name>
    <message>
        <source>Loading</source>
        <translation>Φόρτωση…</translation>
    </message>
    <message>
        <source>Keine Gewähr für die Richtigkeit der Zahlen!</source>
        <translation>Χωρίς εγγύηση για την ορθότητα των αριθμών!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>das %1. Feld ist keine Zahl</source>
        <translation>το πεδίο %1 δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>die %1. Zahl %2 liegt nicht zwischen 1 und 49</source>
        <translation>ο %1ος αριθμός (%2) δεν είναι μεταξύ 1 και 49</translation>
    </message>
    <message>
        <source>die Zahl %1 kommt mehrfach vor</source>
        <translation>ο αριθμός %1 εμφανίζεται περισσότερες από μία φορές</translation>
    </message>
    <message>
        <source>die Zusatzzahl %1 liegt nicht zwischen 1 und 49</source>
        <translation>ο συμπληρωματικός αριθμός %1 δεν είναι μεταξύ 1 και 49</translation>
    </message>
    <message>
        <source>die Zusatzzahl %1 ist schon eine der Gewinnzahlen</source>
        <translation>ο συμπληρωματικός αριθμός %1 είναι ήδη ένας από τους κερδώνοντες αριθμούς</translation>
    </message>
    <message>
        <source>Der Proxy-Port %1 liegt nicht zwischen 1 und 65535</source>
        <translation>Η θύρα proxy %1 δεν είναι μεταξύ 1 και 65535</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Λήφθηκαν %1 byte</translation>
    </message>
    <message>
        <source>Antwort für den %1 verworfen: %2</source>
        <translation>Η απάντηση για τις %1 απορρίφθηκε: %2</translation>
    </message>
    <message>
        <source>Quersumme: %1</source>
        <translation>Άθροισμα: %1</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source> Die Ziehungen in &quot;%1&quot; bleiben unverändert.</source>
        <translation> Οι κληρώσεις στο &quot;%1&quot; παραμένουν αμετάβλητες.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht durch &quot;%2&quot; ersetzt werden. %3. Die bisherigen Ziehungen bleiben erhalten.</source>
        <translation>Το αρχείο &quot;%1&quot; δεν μπορεί να αντικατασταθεί από το &quot;%2&quot;. %3. Οι κληρώσεις που έχουν αποθηκευτεί διατηρούνται.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Το αρχείο δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Δεν επιτρέπεται η πρόσβαση</translation>
    </message>
    <message>
        <source>Nicht genügend Speicherplatz auf dem Datenträger</source>
        <translation>Δεν υπάρχει αρκετός χώρος στον δίσκο</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Υπέρβαση του ορίου χώρου στον δίσκο</translation>
    </message>
    <message>
        <source>Das Dateisystem ist schreibgeschützt</source>
        <translation>Το σύστημα αρχείων είναι μόνο για ανάγνωση</translation>
    </message>
    <message>
        <source>Ein Verzeichnis steht an Stelle der Datei</source>
        <translation>Στη θέση του αρχείου υπάρχει φάκελος</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Verzeichnis</source>
        <translation>Μέρος της διαδρομής δεν είναι φάκελος</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Σφάλμα εισόδου/εξόδου</translation>
    </message>
    <message>
        <source>Die Datei ist bereits vorhanden</source>
        <translation>Το αρχείο υπάρχει ήδη</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geöffnet werden. %2.</source>
        <translation>Το αρχείο &quot;%1&quot; δεν μπορεί να ανοίξει. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei &quot;%1&quot;. %2.</source>
        <translation>Σφάλμα κατά την ανάγνωση του αρχείου &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei &quot;%1&quot;. %2.</source>
        <translation>Σφάλμα κατά την εγγραφή του αρχείου &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
</context>
<context>
    <name>HistoricAnalysis</name>
    <message>
        <source>GlücksZahl %1 gesetzt</source>
        <translation>Ο τυχερός αριθμός %1 ορίστηκε</translation>
    </message>
    <message>
        <source>Aktuelle Einstellung brachten für Sa. bzw. Mi.</source>
        <translation>Οι τρέχουσες ρυθμίσεις έφεραν για Σάβ. / Τετ.</translation>
    </message>
    <message>
        <source>%1er         =&gt; %2        =&gt; %3</source>
        <translation>%1άρι         =&gt; %2        =&gt; %3</translation>
    </message>
    <message>
        <source>%1er + ZZ=&gt; %2        =&gt; %3</source>
        <translation>%1άρι + Σ  =&gt; %2        =&gt; %3</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen</source>
        <translation>Σε %1 κληρώσεις</translation>
    </message>
    <message>
        <source>Ihre GlücksZahl (1-99999999)?</source>
        <translation>Ο τυχερός σας αριθμός (1-99999999);</translation>
    </message>
    <message>
        <source>Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!</source>
        <translation>Δώστε τον τυχερό σας αριθμό για τη γεννήτρια τυχαίων αριθμών!</translation>
    </message>
    <message>
        <source>Fehler bei Eingabe der ZufallsZahl</source>
        <translation>Σφάλμα στον τυχερό αριθμό που δώσατε</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Verbindung zu %1 abgelehnt</source>
        <translation>Η σύνδεση με το %1 απορρίφθηκε</translation>
    </message>
    <message>
        <source>%1 hat die Verbindung vorzeitig getrennt</source>
        <translation>Το %1 έκλεισε πρόωρα τη σύνδεση</translation>
    </message>
    <message>
        <source>Server %1 nicht gefunden</source>
        <translation>Ο διακομιστής %1 δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Zeitüberschreitung bei der Verbindung zu %1</source>
        <translation>Λήξη χρόνου κατά τη σύνδεση με το %1</translation>
    </message>
    <message>
        <source>Verbindung zum Proxy %1 abgelehnt</source>
        <translation>Η σύνδεση με τον proxy %1 απορρίφθηκε</translation>
    </message>
    <message>
        <source>Der Proxy %1 hat die Verbindung vorzeitig getrennt</source>
        <translation>Ο proxy %1 έκλεισε πρόωρα τη σύνδεση</translation>
    </message>
    <message>
        <source>Proxy %1 nicht gefunden</source>
        <translation>Ο proxy %1 δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Zeitüberschreitung bei der Verbindung zum Proxy %1</source>
        <translation>Λήξη χρόνου κατά τη σύνδεση με τον proxy %1</translation>
    </message>
    <message>
        <source>Der Proxy %1 verlangt eine Anmeldung</source>
        <translation>Ο proxy %1 ζητά σύνδεση με όνομα χρήστη και κωδικό</translation>
    </message>
    <message>
        <source>Netzwerkfehler bei %1: %2</source>
        <translation>Σφάλμα δικτύου με το %1: %2</translation>
    </message>
    <message>
        <source>Es läuft bereits eine Anfrage</source>
        <translation>Εκτελείται ήδη ένα αίτημα</translation>
    </message>
    <message>
        <source>Ungültige Serveradresse &quot;%1&quot;</source>
        <translation>Μη έγκυρη διεύθυνση διακομιστή &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Anfrage wurde abgebrochen</source>
        <translation>Το αίτημα ακυρώθηκε</translation>
    </message>
    <message>
        <source>Zeitüberschreitung: %1 hat nicht innerhalb von %2 geantwortet</source>
        <translation>Λήξη χρόνου: το %1 δεν απάντησε μέσα σε %2</translation>
    </message>
    <message>
        <source>Die Antwort von %1 ist zu groß (mehr als %2 Bytes)</source>
        <translation>Η απάντηση του %1 είναι πολύ μεγάλη (πάνω από %2 byte)</translation>
    </message>
</context>
<context>
    <name>Matching</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>5 + Z</source>
        <translation>5 + Σ</translation>
    </message>
    <message>
        <source>Max-Gewinn %1er</source>
        <translation>Μέγιστο κέρδος: %1άρι</translation>
    </message>
</context>
<context>
    <name>PreferencePool</name>
    <message>
        <source>Berechnung der Paarbildung</source>
        <translation>Υπολογισμός ζευγαριών</translation>
    </message>
    <message>
        <source>Berechnung der Dreiergruppenbildung</source>
        <translation>Υπολογισμός τριάδων</translation>
    </message>
    <message>
        <source>Berechnung der Vierergruppenbildung</source>
        <translation>Υπολογισμός τετράδων</translation>
    </message>
    <message>
        <source>Berechnung der Zahlenverteilung</source>
        <translation>Υπολογισμός συχνότητας αριθμών</translation>
    </message>
    <message>
        <source>Berechnung der der Ausstehenden Zahlen</source>
        <translation>Υπολογισμός καθυστερούμενων αριθμών</translation>
    </message>
    <message>
        <source>Berechnung der benachbarten Zahlen der letzten Ziehung</source>
        <translation>Υπολογισμός των γειτονικών αριθμών της τελευταίας κλήρωσης</translation>
    </message>
    <message>
        <source>Es stehen zu wenig Zahlen für eine Berechnung zu Verfügung. Ändern Sie die Einstellungen unter Optionen=&gt;Statistisch</source>
        <translation>Απέμειναν πολύ λίγοι αριθμοί για υπολογισμό. Αλλάξτε τις ρυθμίσεις στο Επιλογές=&gt;Στατιστικά</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Der Einstellungswert &quot;%1&quot; ist nicht vorhanden.</source>
        <translation>Η ρύθμιση &quot;%1&quot; δεν υπάρχει.</translation>
    </message>
    <message>
        <source>Der Einstellungswert &quot;%1&quot; hat nicht den Datentyp %2.</source>
        <translation>Η ρύθμιση &quot;%1&quot; δεν είναι τύπου %2.</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; für die Einstellungen kann nicht angelegt werden.</source>
        <translation>Ο φάκελος ρυθμίσεων &quot;%1&quot; δεν μπορεί να δημιουργηθεί.</translation>
    </message>
    <message>
        <source>Die Einstellungen können nicht in &quot;%1&quot; geschrieben werden. %2.</source>
        <translation>Οι ρυθμίσεις δεν μπορούν να γραφτούν στο &quot;%1&quot;. %2.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Einstellungen in &quot;%1&quot;. %2. Die bisherigen Einstellungen bleiben erhalten.</source>
        <translation>Σφάλμα κατά την εγγραφή των ρυθμίσεων στο &quot;%1&quot;. %2. Οι προηγούμενες ρυθμίσεις διατηρούνται.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Zahlenverteilung     Ziehungen: %1    Quersumme: %2</source>
        <translation>Συχνότητα αριθμών     Κληρώσεις: %1    Μέσο άθροισμα: %2</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Paare gefunden! Häufigkeit = 1.Zahl des Paares (%3 x 5 =&gt; %3 x 5-6)</source>
        <translation>Σε %1 κληρώσεις βρέθηκαν %2 ζευγάρια! Συχνότητα = 1ος αριθμός του ζευγαριού (%3 x 5 =&gt; %3 x 5-6)</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Dreier gefunden! Häufigkeit = 1.Zahl des Dreiers (%3 x 5 =&gt; %3 x 5-6-7)</source>
        <translation>Σε %1 κληρώσεις βρέθηκαν %2 τριάδες! Συχνότητα = 1ος αριθμός της τριάδας (%3 x 5 =&gt; %3 x 5-6-7)</translation>
    </message>
    <message>
        <source>Bei %1 Ziehungen wurden %2 Vierer gefunden! Häufigkeit = 1.Zahl des Vierers (%3x 5 =&gt; %3x 5-6-7-8)</source>
        <translation>Σε %1 κληρώσεις βρέθηκαν %2 τετράδες! Συχνότητα = 1ος αριθμός της τετράδας (%3 x 5 =&gt; %3 x 5-6-7-8)</translation>
    </message>
    <message>
        <source>Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?</source>
        <translation>Ποιος αριθμός καθυστερεί, δηλαδή εδώ και πόσες κληρώσεις δεν έχει κληρωθεί;</translation>
    </message>
    <message>
        <source>Quersummenverteilung     Ziehungen: %1    Quersumme: %2</source>
        <translation>Κατανομή αθροισμάτων     Κληρώσεις: %1    Μέσο άθροισμα: %2</translation>
    </message>
    <message>
        <source>Zahlenverteilung des Tippes</source>
        <translation>Κατανομή αριθμών των στηλών</translation>
    </message>
</context>
<context>
    <name>SystemChoice</name>
    <message>
        <source>%1Tippreihen pro Tipp!</source>
        <translation>%1 στήλες ανά σύστημα!</translation>
    </message>
    <message>
        <source>%1 Tippreihen pro Tipp!</source>
        <translation>%1 στήλες ανά σύστημα!</translation>
    </message>
    <message>
        <source>Die Systemtabelle &quot;%1&quot; hat mehr als %2 Zeilen; die übrigen %3 Zeilen werden nicht verwendet.</source>
        <translation>Ο πίνακας συστήματος &quot;%1&quot; έχει περισσότερες από %2 γραμμές· οι υπόλοιπες %3 γραμμές δεν χρησιμοποιούνται.</translation>
    </message>
    <message>
        <source>Wählen Sie Ihre Spielsystem</source>
        <translation>Επιλέξτε το σύστημά σας</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quersumme: %1</source>
        <translation>Άθροισμα: %1</translation>
    </message>
    <message>
        <source>Die Adresse des Ziehungsservers &quot;%1&quot; ist ungültig. Erwartet wird zum Beispiel %2.</source>
        <translation>Η διεύθυνση του διακομιστή κληρώσεων &quot;%1&quot; δεν είναι έγκυρη. Αναμένεται, για παράδειγμα, %2.</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 wurde nicht gespeichert.
%2</source>
        <translation>Η κλήρωση της %1 δεν αποθηκεύτηκε.
%2</translation>
    </message>
    <message>
        <source>Lesen Sie zuerst die Daten der Ziehungen ein</source>
        <translation>Φορτώστε πρώτα τα αποτελέσματα των κληρώσεων</translation>
    </message>
    <message>
        <source>Beginn der Tippberechnung</source>
        <translation>Έναρξη υπολογισμού στηλών</translation>
    </message>
    <message>
        <source>Tipps wurden neu berechnet</source>
        <translation>Οι στήλες υπολογίστηκαν</translation>
    </message>
    <message>
        <source>Ändern Sie die Parameter um alle Tipps zuberechnen</source>
        <translation>Αλλάξτε τις ρυθμίσεις για να υπολογιστούν όλες οι στήλες</translation>
    </message>
    <message>
        <source>Textdatei|*.txt</source>
        <translation>Αρχείο κειμένου|*.txt</translation>
    </message>
    <message>
        <source>Ihre Glückszahl (1-99999999)?</source>
        <translation>Ο τυχερός σας αριθμός (1-99999999);</translation>
    </message>
    <message>
        <source>Analyse anhalten (bei %1)</source>
        <translation>Διακοπή ανάλυσης (στις %1)</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am häufigsten Gezogenen verwendet.</source>
        <translation>Για τον υπολογισμό των στηλών χρησιμοποιείται το %1% ξεκινώντας από τον αριθμό που κληρώθηκε συχνότερα.</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am seltesten Gezogenen verwendet.</source>
        <translation>Για τον υπολογισμό των στηλών χρησιμοποιείται το %1% ξεκινώντας από τον αριθμό που κληρώθηκε σπανιότερα.</translation>
    </message>
    <message>
        <source>Für die Tippberechnung werden die ersten %1% ausgehend von der am längsten Ausstehenden verwendet.</source>
        <translation>Για τον υπολογισμό των στηλών χρησιμοποιείται το %1% ξεκινώντας από τον αριθμό που καθυστερεί περισσότερο.</translation>
    </message>
    <message>
        <source>Wählen Sie zuerst einen Tipp aus</source>
        <translation>Επιλέξτε πρώτα μια στήλη</translation>
    </message>
    <message>
        <source>Zahlen für Berechnung wählen</source>
        <translation>Επιλογή αριθμών για τον υπολογισμό</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Zahlen der Ziehung eingeben</source>
        <translation>Καταχώριση αριθμών κλήρωσης</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Werteliste|*.hlw</source>
        <translation>Λίστα αριθμών|*.hlw</translation>
    </message>
    <message>
        <source>Welche Zahlen für die Berechnung</source>
        <translation>Ποιοι αριθμοί θα χρησιμοποιηθούν στον υπολογισμό</translation>
    </message>
    <message>
        <source>Zufall</source>
        <translation>Τυχαία</translation>
    </message>
    <message>
        <source>%1 Stopp</source>
        <translation>%1 Στοπ</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geschrieben werden. %2.</source>
        <translation>Το αρχείο &quot;%1&quot; δεν μπορεί να γραφτεί. %2.</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht vollständig geschrieben werden</source>
        <translation>Τα δεδομένα δεν γράφτηκαν ολόκληρα</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei &quot;%1&quot;. %2. Der bisherige Inhalt bleibt erhalten.</source>
        <translation>Σφάλμα κατά την εγγραφή του αρχείου &quot;%1&quot;. %2. Το προηγούμενο περιεχόμενο διατηρείται.</translation>
    </message>
</context>
<context>
    <name>TipFiles</name>
    <message>
        <source>Tippdatei|*.hlt</source>
        <translation>Αρχείο στηλών|*.hlt</translation>
    </message>
</context>
<context>
    <name>TipGenerator</name>
    <message>
        <source>%1.Tipp:  %2 QS: %3</source>
        <translation>Στήλη %1:  %2 Άθρ.: %3</translation>
    </message>
    <message>
        <source>%1 Reihen getestet</source>
        <translation>%1 στήλες ελέγχθηκαν</translation>
    </message>
</context>
<context>
    <name>TipTest</name>
    <message>
        <source>Bei wievielen Zahlen Übereinstellung stoppen?</source>
        <translation>Διακοπή σε πόσους κοινούς αριθμούς;</translation>
    </message>
    <message>
        <source>Tipp-Test</source>
        <translation>Έλεγχος στηλών</translation>
    </message>
    <message>
        <source>Quersummer: %1</source>
        <translation>Άθροισμα: %1</translation>
    </message>
    <message>
        <source>Ein Treffer am: %1</source>
        <translation>Επιτυχία στις: %1</translation>
    </message>
</context>
</TS>
