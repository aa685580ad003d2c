<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="de_DE">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Einsatz %1; Gewinne: unbekannt – für %2 Gewinnreihen ist keine Quote gespeichert.</source>
        <translation>Κόστος %1· κέρδη: άγνωστα – για %2 κερδισμένες στήλες δεν έχει αποθηκευτεί απόδοση.</translation>
    </message>
    <message>
        <source>Einsatz %1, Gewinn %2, Saldo %3</source>
        <translation>Κόστος %1, κέρδη %2, καθαρό αποτέλεσμα %3</translation>
    </message>
    <message>
        <source> (ohne %1 Gewinnreihen, deren Quote nicht bekannt ist)</source>
        <translation> (χωρίς %1 κερδισμένες στήλες με άγνωστη απόδοση)</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Αξιολόγηση</translation>
    </message>
    <message>
        <source>Noch kein Vergleich: starten Sie die historische Analyse oder den Tipp-Test.</source>
        <translation>Δεν υπάρχει ακόμη σύγκριση: ξεκινήστε την ιστορική ανάλυση ή τον έλεγχο στηλών.</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message>
        <source>Zufall erwartet</source>
        <translation>Αναμενόμενο (τύχη)</translation>
    </message>
    <message>
        <source>Zufall Median</source>
        <translation>Διάμεσος (τύχη)</translation>
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
        <translation>Εκτίμηση</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Als CSV kopieren</source>
        <translation>Αντιγραφή ως CSV</translation>
    </message>
    <message>
        <source>Als CSV speichern …</source>
        <translation>Αποθήκευση ως CSV …</translation>
    </message>
    <message>
        <source>Zufallsvergleich</source>
        <translation>Σύγκριση με την τύχη</translation>
    </message>
    <message>
        <source>Noch kein Lauf des Generators.</source>
        <translation>Η γεννήτρια δεν έχει εκτελεστεί ακόμη.</translation>
    </message>
    <message>
        <source>Regel</source>
        <translation>Κανόνας</translation>
    </message>
    <message>
        <source>verwarf Kandidaten</source>
        <translation>απέρριψε υποψήφιες στήλες</translation>
    </message>
    <message>
        <source>verwarf echte Ziehungen</source>
        <translation>απέρριψε πραγματικές κληρώσεις</translation>
    </message>
    <message>
        <source>Anteil der Ziehungen</source>
        <translation>Ποσοστό κληρώσεων</translation>
    </message>
    <message>
        <source>Regeln an echten Ziehungen prüfen</source>
        <translation>Έλεγχος κανόνων σε πραγματικές κληρώσεις</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Κανόνες</translation>
    </message>
    <message>
        <source>Bericht anzeigen</source>
        <translation>Εμφάνιση αναφοράς</translation>
    </message>
    <message>
        <source>Eigene Tabelle prüfen …</source>
        <translation>Έλεγχος δικού σας πίνακα …</translation>
    </message>
    <message>
        <source>VEW-System:</source>
        <translation>Μειωμένο σύστημα:</translation>
    </message>
    <message>
        <source>VEW-Systeme</source>
        <translation>Μειωμένα συστήματα</translation>
    </message>
    <message>
        <source>Ziehungen als CSV exportieren …</source>
        <translation>Εξαγωγή κληρώσεων σε CSV …</translation>
    </message>
    <message>
        <source>Ziehungen aus CSV importieren …</source>
        <translation>Εισαγωγή κληρώσεων από CSV …</translation>
    </message>
    <message>
        <source>Tippliste als CSV exportieren …</source>
        <translation>Εξαγωγή λίστας στηλών σε CSV …</translation>
    </message>
    <message>
        <source>CSV-Format der Ziehungen: date,n1,n2,n3,n4,n5,n6,additional (Datum JJJJ-MM-TT, Zusatzzahl leer, wenn es keine gab). Beim Import wird jede Zeile wie beim Aktualisieren geprüft; Ziehungen gleichen Datums werden ersetzt.</source>
        <translation>Μορφή CSV των κληρώσεων: date,n1,n2,n3,n4,n5,n6,additional (ημερομηνία ΕΕΕΕ-ΜΜ-ΗΗ, ο συμπληρωματικός αριθμός κενός αν δεν υπήρχε). Κατά την εισαγωγή κάθε γραμμή ελέγχεται όπως και κατά την ενημέρωση· κληρώσεις με την ίδια ημερομηνία αντικαθίστανται.</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Δεδομένα</translation>
    </message>
    <message>
        <source>Zufallsspieler %v von %m</source>
        <translation>Τυχαίος παίκτης %v από %m</translation>
    </message>
    <message>
        <source>Der Zufallsvergleich wurde angehalten.</source>
        <translation>Η σύγκριση με την τύχη διακόπηκε.</translation>
    </message>
    <message>
        <source>nur simuliert</source>
        <translation>μόνο με προσομοίωση</translation>
    </message>
    <message>
        <source>im Bereich des Zufalls</source>
        <translation>εντός των ορίων της τύχης</translation>
    </message>
    <message>
        <source>besser als der Zufall</source>
        <translation>καλύτερα από την τύχη</translation>
    </message>
    <message>
        <source>schlechter als der Zufall</source>
        <translation>χειρότερα από την τύχη</translation>
    </message>
    <message>
        <source>Insgesamt: Das Ergebnis liegt bei jeder Gewinnklasse im Bereich, den 90 % der Zufallsspieler erreichen – es ist nicht besser als zufällige Tipps.</source>
        <translation>Συνολικά: σε κάθε κατηγορία κερδών το αποτέλεσμα βρίσκεται στο εύρος που πετυχαίνει το 90% των τυχαίων παικτών – δεν είναι καλύτερο από τυχαίες στήλες.</translation>
    </message>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) besser als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Συνολικά: σε %n κατηγορία κερδών καλύτερα από το 95% των τυχαίων παικτών.</numerusform>
            <numerusform>Συνολικά: σε %n κατηγορίες κερδών καλύτερα από το 95% των τυχαίων παικτών.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) schlechter als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Συνολικά: σε %n κατηγορία κερδών χειρότερα από το 95% των τυχαίων παικτών.</numerusform>
            <numerusform>Συνολικά: σε %n κατηγορίες κερδών χειρότερα από το 95% των τυχαίων παικτών.</numerusform>
        </translation>
    </message>
    <message>
        <source>Insgesamt: teils besser, teils schlechter als der Zufall.</source>
        <translation>Συνολικά: εν μέρει καλύτερα, εν μέρει χειρότερα από την τύχη.</translation>
    </message>
    <message>
        <source>Geld der Tipps: %1</source>
        <translation>Χρήματα (στήλες): %1</translation>
    </message>
    <message>
        <source>Saldo der Zufallsspieler: Median %1, 90 % zwischen %2 und %3</source>
        <translation>Καθαρό αποτέλεσμα των τυχαίων παικτών: διάμεσος %1, το 90% μεταξύ %2 και %3</translation>
    </message>
    <message>
        <source>Geld der Zufallsspieler: Einsatz %1 je Spieler; Gewinne unbekannt, weil Quoten fehlen.</source>
        <translation>Χρήματα (τυχαίοι παίκτες): κόστος %1 ανά παίκτη· κέρδη άγνωστα, επειδή λείπουν οι αποδόσεις.</translation>
    </message>
    <message>
        <source>%1 Ziehungen, %2 Zufallsspieler, Startwert (Seed) %3 – mit demselben Startwert wiederholbar.</source>
        <translation>%1 κληρώσεις, %2 τυχαίοι παίκτες, αρχική τιμή (seed) %3 – επαναλήψιμο με την ίδια αρχική τιμή.</translation>
    </message>
    <message>
        <source>%1 Kandidaten gezogen, %2 angenommen.</source>
        <translation>Δημιουργήθηκαν %1 υποψήφιες στήλες, έγιναν δεκτές %2.</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>ανενεργός</translation>
    </message>
    <message>
        <source>Die Regel vergleicht die Tipps eines Laufs untereinander.</source>
        <translation>Ο κανόνας συγκρίνει τις στήλες μιας εκτέλεσης μεταξύ τους.</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>Αρχείο CSV|*.csv</translation>
    </message>
    <message>
        <source>VEW-Tabelle|*.txt</source>
        <translation>Πίνακας μειωμένου συστήματος|*.txt</translation>
    </message>
    <message>
        <source>%1: Tabelle fehlerhaft. %2</source>
        <translation>%1: ο πίνακας έχει σφάλματα. %2</translation>
    </message>
    <message>
        <source>VEW %1 (%2)</source>
        <translation>Μειωμένο σύστημα %1 (%2)</translation>
    </message>
    <message>
        <source>Reihen:</source>
        <translation>Στήλες:</translation>
    </message>
    <message>
        <source>VEW %1: Tabelle fehlerhaft. %2</source>
        <translation>Μειωμένο σύστημα %1: ο πίνακας έχει σφάλματα. %2</translation>
    </message>
</context>
<context>
    <name>BarChartView</name>
    <message>
        <source>1 und Primzahlen (gestreift)</source>
        <translation>1 και πρώτοι αριθμοί (με ραβδώσεις)</translation>
    </message>
    <message>
        <source>übrige Zahlen</source>
        <translation>υπόλοιποι αριθμοί</translation>
    </message>
    <message>
        <source>Quintara GR Diagramm</source>
        <translation>Διάγραμμα Quintara GR</translation>
    </message>
</context>
<context>
    <name>Chance</name>
    <message>
        <source>3er</source>
        <translation>3άρι</translation>
    </message>
    <message>
        <source>4er</source>
        <translation>4άρι</translation>
    </message>
    <message>
        <source>5er</source>
        <translation>5άρι</translation>
    </message>
    <message>
        <source>5er + ZZ</source>
        <translation>5άρι + Σ</translation>
    </message>
    <message>
        <source>6er</source>
        <translation>6άρι</translation>
    </message>
    <message>
        <source>schlechter als 95 % der Zufallsspieler.</source>
        <translation>χειρότερα από το 95% των τυχαίων παικτών.</translation>
    </message>
    <message>
        <source>besser als 95 % der Zufallsspieler.</source>
        <translation>καλύτερα από το 95% των τυχαίων παικτών.</translation>
    </message>
    <message>
        <source>im Bereich des Zufalls.</source>
        <translation>εντός των ορίων της τύχης.</translation>
    </message>
    <message>
        <source>nur simuliert</source>
        <translation>μόνο με προσομοίωση</translation>
    </message>
    <message>
        <source>%1: %2 Treffer, Zufall erwartet %3 (Median %4, 90 % der Zufallsspieler %5 bis %6): %7</source>
        <translation>%1: %2 επιτυχίες, αναμενόμενες από την τύχη %3 (διάμεσος %4, το 90% των τυχαίων παικτών %5 έως %6): %7</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Quintara GR – Tipps für das griechische Lotto 6 aus 49</source>
        <translation>Quintara GR – στήλες για το ελληνικό Λόττο 6 από 49</translation>
    </message>
    <message>
        <source>Adresse des Ziehungsservers für diesen Programmlauf, z. B. %1</source>
        <translation>Διεύθυνση του διακομιστή κληρώσεων για αυτή την εκτέλεση του προγράμματος, π.χ. %1</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>διεύθυνση</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Abbrechen</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Schließt das Fenster und verwendet den vorgeschlagenen Wert „%1“.</source>
        <translation>Κλείνει το παράθυρο και χρησιμοποιεί την προτεινόμενη τιμή «%1».</translation>
    </message>
</context>
<context>
    <name>DrawCsv</name>
    <message>
        <source>acht Felder erwartet, %1 gefunden</source>
        <translation>αναμένονταν οκτώ πεδία, βρέθηκαν %1</translation>
    </message>
    <message>
        <source>„%1“ ist kein Datum (JJJJ-MM-TT)</source>
        <translation>το «%1» δεν είναι ημερομηνία (ΕΕΕΕ-ΜΜ-ΗΗ)</translation>
    </message>
    <message>
        <source>die Zusatzzahl „%1“ ist keine Zahl</source>
        <translation>ο συμπληρωματικός αριθμός «%1» δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>das Datum steht schon in Zeile %1</source>
        <translation>η ημερομηνία υπάρχει ήδη στη γραμμή %1</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Γραμμή %1: %2</translation>
    </message>
    <message>
        <source>%1 Ziehungen hinzugefügt, %2 ersetzt, %3 unverändert, %4 Zeilen abgelehnt.</source>
        <translation>%1 κληρώσεις προστέθηκαν, %2 αντικαταστάθηκαν, %3 χωρίς αλλαγή, %4 γραμμές απορρίφθηκαν.</translation>
    </message>
    <message>
        <source>… und %1 weitere.</source>
        <translation>… και %1 ακόμη.</translation>
    </message>
    <message>
        <source>das Datum %1 liegt nicht zwischen %2 und %3</source>
        <translation>η ημερομηνία %1 δεν είναι μεταξύ %2 και %3</translation>
    </message>
</context>
<context>
    <name>DrawDownload</name>
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
        <translation>ο συμπληρωματικός αριθμός %1 είναι ήδη ένας από τους κερδίζοντες αριθμούς</translation>
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
    <message>
        <source>der Server antwortete mit HTTP-Status %1</source>
        <translation>ο διακομιστής απάντησε με κατάσταση HTTP %1</translation>
    </message>
    <message>
        <source>Keine neue Ziehung gespeichert.</source>
        <translation>Δεν αποθηκεύτηκε νέα κλήρωση.</translation>
    </message>
    <message>
        <source>1 neue Ziehung gespeichert, vom %1.</source>
        <translation>Αποθηκεύτηκε 1 νέα κλήρωση, της %1.</translation>
    </message>
    <message>
        <source>%1 neue Ziehungen gespeichert, die neueste vom %2.</source>
        <translation>Αποθηκεύτηκαν %1 νέες κληρώσεις, η πιο πρόσφατη της %2.</translation>
    </message>
    <message>
        <source>Abgebrochen: %1</source>
        <translation>Ακυρώθηκε: %1</translation>
    </message>
    <message>
        <source>Die Aktualisierung wurde angehalten.</source>
        <translation>Η ενημέρωση διακόπηκε.</translation>
    </message>
    <message>
        <source>Grund: %1.</source>
        <translation>Αιτία: %1.</translation>
    </message>
    <message>
        <source>1 Anfrage fehlgeschlagen: %1.</source>
        <translation>1 αίτημα απέτυχε: %1.</translation>
    </message>
    <message>
        <source>%1 Anfragen fehlgeschlagen, zuletzt: %2.</source>
        <translation>%1 αιτήματα απέτυχαν, το τελευταίο: %2.</translation>
    </message>
    <message>
        <source>%1 unbrauchbare Antworten verworfen.</source>
        <translation>Απορρίφθηκαν %1 άχρηστες απαντήσεις.</translation>
    </message>
    <message>
        <source>Die Ziehungsdaten sind auf dem neuesten Stand.</source>
        <translation>Τα αποτελέσματα των κληρώσεων είναι ενημερωμένα.</translation>
    </message>
    <message>
        <source>Der Server ist ausgelastet (%1); neuer Versuch in %2 s …</source>
        <translation>Ο διακομιστής είναι απασχολημένος (%1)· νέα προσπάθεια σε %2 δευτ. …</translation>
    </message>
    <message>
        <source>die Ziehungen ab dem %1 kamen nicht an: %2</source>
        <translation>οι κληρώσεις από τις %1 και μετά δεν ελήφθησαν: %2</translation>
    </message>
    <message>
        <source>die Antwort für die Ziehungen ab dem %1 ist unbrauchbar: %2</source>
        <translation>η απάντηση για τις κληρώσεις από τις %1 και μετά είναι άχρηστη: %2</translation>
    </message>
    <message>
        <source>der Server liefert immer weitere Seiten für die Ziehungen ab dem %1</source>
        <translation>ο διακομιστής στέλνει συνεχώς νέες σελίδες για τις κληρώσεις από τις %1 και μετά</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 ist noch nicht vollständig</source>
        <translation>Η κλήρωση της %1 δεν είναι ακόμη πλήρης</translation>
    </message>
    <message>
        <source>%1 Gewinnzahlen und %2 Zusatzzahlen statt 6 und höchstens 1</source>
        <translation>%1 κερδίζοντες αριθμοί και %2 συμπληρωματικοί αντί για 6 και το πολύ 1</translation>
    </message>
    <message>
        <source>%1 Anfragen hintereinander blieben ohne Antwort, zuletzt: %2</source>
        <translation>%1 αιτήματα στη σειρά έμειναν χωρίς απάντηση, το τελευταίο: %2</translation>
    </message>
    <message>
        <source>Lade die nächste Ziehung …</source>
        <translation>Φόρτωση της επόμενης κλήρωσης …</translation>
    </message>
    <message>
        <source>die Ziehung vom %1 ist unbrauchbar: %2</source>
        <translation>η κλήρωση της %1 δεν είναι χρήσιμη: %2</translation>
    </message>
    <message>
        <source>der Dienst lieferte die Ziehung %1 mehrfach (Ziehungen ab dem %2)</source>
        <translation>η υπηρεσία έστειλε την κλήρωση %1 περισσότερες φορές (κληρώσεις από %2)</translation>
    </message>
    <message>
        <source>der Dienst lieferte mehr Ziehungen, als die Tage vom %1 bis %2 haben können</source>
        <translation>η υπηρεσία έστειλε περισσότερες κληρώσεις απ&apos; όσες χωρούν οι ημέρες από %1 έως %2</translation>
    </message>
    <message>
        <source>der Dienst nannte %1 Ziehungen ab dem %2, lieferte aber %3</source>
        <translation>η υπηρεσία ανέφερε %1 κληρώσεις από %2, αλλά έστειλε %3</translation>
    </message>
    <message>
        <source>1 fehlende Ziehung nachgetragen.</source>
        <translation>Συμπληρώθηκε 1 κλήρωση που έλειπε.</translation>
    </message>
    <message>
        <source>%1 fehlende Ziehungen nachgetragen.</source>
        <translation>Συμπληρώθηκαν %1 κληρώσεις που έλειπαν.</translation>
    </message>
    <message>
        <source>Die Quoten von 1 gespeicherten Ziehung nachgeholt.</source>
        <translation>Λήφθηκαν οι αποδόσεις 1 αποθηκευμένης κλήρωσης.</translation>
    </message>
    <message>
        <source>Die Quoten von %1 gespeicherten Ziehungen nachgeholt.</source>
        <translation>Λήφθηκαν οι αποδόσεις %1 αποθηκευμένων κληρώσεων.</translation>
    </message>
    <message>
        <source>Die Quoten konnten nicht gespeichert werden: %1 Die nächste Aktualisierung holt sie nach.</source>
        <translation>Οι αποδόσεις δεν αποθηκεύτηκαν: %1 Η επόμενη ενημέρωση θα τις φέρει ξανά.</translation>
    </message>
    <message>
        <source>Stand %1: noch keine neue Ziehung gespeichert</source>
        <translation>Έως %1: καμία νέα κλήρωση αποθηκευμένη ακόμη</translation>
    </message>
    <message>
        <source>Stand %1: 1 neue Ziehung gespeichert</source>
        <translation>Έως %1: 1 νέα κλήρωση αποθηκευμένη</translation>
    </message>
    <message>
        <source>Stand %1: %2 neue Ziehungen gespeichert</source>
        <translation>Έως %1: %2 νέες κληρώσεις αποθηκευμένες</translation>
    </message>
</context>
<context>
    <name>DrawEntry</name>
    <message>
        <source>Die %1. Zahl fehlt. Tragen Sie eine Zahl von 1 bis 49 ein.</source>
        <translation>Λείπει ο %1ος αριθμός. Δώστε έναν αριθμό από 1 έως 49.</translation>
    </message>
    <message>
        <source>Die %1. Zahl (%2) liegt nicht zwischen 1 und 49.</source>
        <translation>Ο %1ος αριθμός (%2) δεν είναι μεταξύ 1 και 49.</translation>
    </message>
    <message>
        <source>Die %1. Zahl (%2) steht schon als %3. Zahl da. Eine Ziehung hat sechs verschiedene Zahlen.</source>
        <translation>Ο %1ος αριθμός (%2) έχει ήδη δοθεί ως %3ος αριθμός. Μια κλήρωση έχει έξι διαφορετικούς αριθμούς.</translation>
    </message>
    <message>
        <source>Die Zusatzzahl (%1) liegt nicht zwischen 0 und 49.</source>
        <translation>Ο συμπληρωματικός αριθμός (%1) δεν είναι μεταξύ 0 και 49.</translation>
    </message>
    <message>
        <source>Die Zusatzzahl (%1) steht schon als %2. Zahl da. Zusatzzahl und Gewinnzahlen sind verschieden.</source>
        <translation>Ο συμπληρωματικός αριθμός (%1) έχει ήδη δοθεί ως %2ος αριθμός. Ο συμπληρωματικός αριθμός πρέπει να διαφέρει από τους κερδίζοντες αριθμούς.</translation>
    </message>
    <message>
        <source>%1 (Zusatzzahl %2)</source>
        <translation>%1 (συμπληρωματικός %2)</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 liegt nach dem heutigen Tag (%2) und kann noch nicht eingegeben werden.</source>
        <translation>Η κλήρωση της %1 είναι μετά τη σημερινή ημέρα (%2) και δεν μπορεί να καταχωριστεί ακόμη.</translation>
    </message>
</context>
<context>
    <name>DrawHistory</name>
    <message>
        <source>Die Ziehungen in &quot;%1&quot; bleiben unverändert.</source>
        <translation>Οι κληρώσεις στο &quot;%1&quot; παραμένουν αμετάβλητες.</translation>
    </message>
</context>
<context>
    <name>DrawServer</name>
    <message>
        <source>Nur GET wird beantwortet</source>
        <translation>Απαντώνται μόνο αιτήματα GET</translation>
    </message>
    <message>
        <source>Nicht gefunden</source>
        <translation>Δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Datum als yyyymmdd erwartet</source>
        <translation>Αναμένεται ημερομηνία της μορφής yyyymmdd</translation>
    </message>
    <message>
        <source>Anfrage zu groß</source>
        <translation>Το αίτημα είναι πολύ μεγάλο</translation>
    </message>
    <message>
        <source>Ungültige Anfrage</source>
        <translation>Μη έγκυρο αίτημα</translation>
    </message>
</context>
<context>
    <name>DrawServerCommandLine</name>
    <message>
        <source>Zeigt Versionsinformation an.</source>
        <translation>Εμφανίζει πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>Die Ziehungen, die beantwortet werden: eine Ergebnis-CSV oder eine ZahlenGR.dat.</source>
        <translation>Οι κληρώσεις που δίνει ο διακομιστής: ένα CSV αποτελεσμάτων ή ένα ZahlenGR.dat.</translation>
    </message>
    <message>
        <source>Pfad</source>
        <translation>διαδρομή</translation>
    </message>
    <message>
        <source>TCP-Port; 0 wählt einen freien (Vorgabe 8049).</source>
        <translation>Θύρα TCP· το 0 επιλέγει μια ελεύθερη (προεπιλογή 8049).</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>θύρα</translation>
    </message>
    <message>
        <source>Adresse, an der der Server lauscht (Vorgabe 127.0.0.1).</source>
        <translation>Διεύθυνση στην οποία ακούει ο διακομιστής (προεπιλογή 127.0.0.1).</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>διεύθυνση</translation>
    </message>
    <message>
        <source>Jede Anfrage ausgeben.</source>
        <translation>Εμφάνιση κάθε αιτήματος.</translation>
    </message>
    <message>
        <source>Spiegel: die Datei (eine ZahlenGR.dat, wird angelegt, wenn sie fehlt) aus dieser Quelle aktuell halten: dem Ergebnisdienst des Lotteriebetreibers, z. B. %1, oder einem anderen Ziehungsserver, z. B. %2.</source>
        <translation>Καθρέφτης: το αρχείο (ένα ZahlenGR.dat, δημιουργείται αν λείπει) ενημερώνεται από αυτή την πηγή: την υπηρεσία αποτελεσμάτων του διοργανωτή της λοταρίας, π.χ. %1, ή έναν άλλο διακομιστή κληρώσεων, π.χ. %2.</translation>
    </message>
    <message>
        <source>Spiegel: Minuten zwischen den Aktualisierungen (Vorgabe 60).</source>
        <translation>Καθρέφτης: λεπτά μεταξύ των ενημερώσεων (προεπιλογή 60).</translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation>λεπτά</translation>
    </message>
    <message>
        <source>Spiegel: womit eine leere Datei beginnt (Vorgabe 1990-12-01).</source>
        <translation>Καθρέφτης: από πού ξεκινά ένα κενό αρχείο (προεπιλογή 1990-12-01).</translation>
    </message>
    <message>
        <source>jjjj-mm-tt</source>
        <translation>εεεε-μμ-ηη</translation>
    </message>
    <message>
        <source>Beantwortet die Ziehungsanfragen von Quintara GR über HTTP.</source>
        <translation>Απαντά στα αιτήματα κληρώσεων του Quintara GR μέσω HTTP.</translation>
    </message>
    <message>
        <source>--file muss angegeben werden</source>
        <translation>η επιλογή --file είναι υποχρεωτική</translation>
    </message>
    <message>
        <source>ungültiger Wert für --%1: „%2“</source>
        <translation>μη έγκυρη τιμή για το --%1: «%2»</translation>
    </message>
    <message>
        <source>ein Spiegel hält eine ZahlenGR.dat aktuell, keine CSV-Datei</source>
        <translation>ένας καθρέφτης ενημερώνει ένα ZahlenGR.dat, όχι ένα αρχείο CSV</translation>
    </message>
    <message>
        <source>kann nicht an %1:%2 lauschen: %3</source>
        <translation>δεν είναι δυνατή η ακρόαση στο %1:%2: %3</translation>
    </message>
    <message>
        <source>%1 wird schon von einem anderen Spiegel fortgeschrieben (Prozess %2); zwei Spiegel einer Datei verlören Ziehungen</source>
        <translation>το %1 ενημερώνεται ήδη από άλλον καθρέφτη (διεργασία %2)· δύο καθρέφτες ενός αρχείου θα έχαναν κληρώσεις</translation>
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
    <message>
        <source>Die Datei würde größer als erlaubt</source>
        <translation>Το αρχείο θα ξεπερνούσε το επιτρεπόμενο μέγεθος</translation>
    </message>
    <message>
        <source>Zu viele symbolische Verknüpfungen hintereinander</source>
        <translation>Πάρα πολλοί συμβολικοί σύνδεσμοι στη σειρά</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die eben gelöschten Tipps wiederherstellen (Rückgängig)</source>
        <translation>Επαναφορά των στηλών που μόλις διαγράφηκαν (Αναίρεση)</translation>
    </message>
    <message>
        <source>Druckvorschau des Tipps als Seite: drucken oder als PDF speichern</source>
        <translation>Προεπισκόπηση εκτύπωσης της στήλης ως σελίδας: εκτύπωση ή αποθήκευση ως PDF</translation>
    </message>
    <message>
        <source>Das Diagramm als Bild (PNG) speichern</source>
        <translation>Αποθήκευση του διαγράμματος ως εικόνας (PNG)</translation>
    </message>
    <message>
        <source>Das Diagramm als Zeichnung (SVG) speichern</source>
        <translation>Αποθήκευση του διαγράμματος ως σχεδίου (SVG)</translation>
    </message>
    <message>
        <source>Auswertung: Zufallsvergleich, Regeln, VEW-Systeme, CSV …</source>
        <translation>Αξιολόγηση: σύγκριση με την τύχη, κανόνες, μειωμένα συστήματα, CSV …</translation>
    </message>
    <message>
        <source>Meine Scheine</source>
        <translation>Τα δελτία μου</translation>
    </message>
    <message>
        <source>Meine &amp;Scheine</source>
        <translation>Τα &amp;δελτία μου</translation>
    </message>
    <message>
        <source>Die gespielten Scheine: Treffer, Gewinne und Saldo jeder geprüften Ziehung</source>
        <translation>Τα δελτία που παίχτηκαν: επιτυχίες, κέρδη και υπόλοιπο κάθε ελεγμένης κλήρωσης</translation>
    </message>
    <message>
        <source>Treffer und Gewinn</source>
        <translation>Επιτυχίες και κέρδη</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Επιτυχίες</translation>
    </message>
    <message>
        <source>Statistik ab:</source>
        <translation>Στατιστικά από:</translation>
    </message>
    <message>
        <source>Die Statistiken zählen die Ziehungen ab diesem Tag bis zum Datum der Auswertung</source>
        <translation>Τα στατιστικά μετρούν τις κληρώσεις από αυτή την ημέρα έως την ημερομηνία αξιολόγησης</translation>
    </message>
    <message>
        <source>Ausschnitt vergrößern</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Die Werteachse beginnt knapp unter dem kleinsten Balken statt bei 0: kleine Unterschiede werden sichtbar, wirken aber größer, als sie sind</source>
        <translation>Ο άξονας τιμών ξεκινά λίγο κάτω από τη μικρότερη μπάρα αντί από το 0: οι μικρές διαφορές φαίνονται, αλλά μοιάζουν μεγαλύτερες απ’ ό,τι είναι</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Handbuch</source>
        <translation>&amp;Εγχειρίδιο</translation>
    </message>
    <message>
        <source>Ü&amp;ber Quintara GR</source>
        <translation>&amp;Σχετικά με το Quintara GR</translation>
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
    <message>
        <source>„%1“ ist keine Zahl. Geben Sie als Glückszahl eine ganze Zahl von %2 bis %3 ein.</source>
        <translation>«%1» δεν είναι αριθμός. Δώστε ως τυχερό αριθμό έναν ακέραιο από %2 έως %3.</translation>
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
    <message>
        <source>das Zertifikat ist nicht vertrauenswürdig</source>
        <translation>το πιστοποιητικό δεν είναι αξιόπιστο</translation>
    </message>
    <message>
        <source>das Zertifikat ist abgelaufen</source>
        <translation>το πιστοποιητικό έχει λήξει</translation>
    </message>
    <message>
        <source>das Zertifikat ist noch nicht gültig</source>
        <translation>το πιστοποιητικό δεν ισχύει ακόμη</translation>
    </message>
    <message>
        <source>das Zertifikat gilt nicht für %1</source>
        <translation>το πιστοποιητικό δεν ισχύει για το %1</translation>
    </message>
    <message>
        <source>das Zertifikat wurde widerrufen</source>
        <translation>το πιστοποιητικό έχει ανακληθεί</translation>
    </message>
    <message>
        <source>Kein TLS-Modul für Qt gefunden (Paket libqt6network6 unvollständig)</source>
        <translation>Δεν βρέθηκε πρόσθετο TLS για το Qt (το πακέτο libqt6network6 είναι ελλιπές)</translation>
    </message>
    <message>
        <source>HTTPS ist nicht möglich: die OpenSSL-Bibliothek fehlt (Paket libssl3)</source>
        <translation>Το HTTPS δεν είναι δυνατό: λείπει η βιβλιοθήκη OpenSSL (πακέτο libssl3)</translation>
    </message>
    <message>
        <source>TLS-Verbindung zu %1 fehlgeschlagen: %2</source>
        <translation>Η σύνδεση TLS με το %1 απέτυχε: %2</translation>
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
    <message>
        <source>Tabelle %1 fehlt</source>
        <translation>Λείπει ο πίνακας %1</translation>
    </message>
</context>
<context>
    <name>OperatorResults</name>
    <message>
        <source>keine gültige JSON-Antwort (%1 an Stelle %2)</source>
        <translation>μη έγκυρη απάντηση JSON (%1 στη θέση %2)</translation>
    </message>
    <message>
        <source>die Antwort enthält keine Liste von Ziehungen (&quot;content&quot;)</source>
        <translation>η απάντηση δεν περιέχει λίστα κληρώσεων (&quot;content&quot;)</translation>
    </message>
    <message>
        <source>eine Ziehung ohne gültige Nummer oder Zeit (&quot;drawId&quot;, &quot;drawTime&quot;)</source>
        <translation>μια κλήρωση χωρίς έγκυρο αριθμό ή ώρα (&quot;drawId&quot;, &quot;drawTime&quot;)</translation>
    </message>
    <message>
        <source>die Gewinnzahlen der Ziehung %1 sind unlesbar</source>
        <translation>οι κερδίζοντες αριθμοί της κλήρωσης %1 δεν διαβάζονται</translation>
    </message>
    <message>
        <source>der Dienst meldet Fehler %1</source>
        <translation>η υπηρεσία αναφέρει σφάλμα %1</translation>
    </message>
    <message>
        <source>der Dienst meldet: %1</source>
        <translation>η υπηρεσία αναφέρει: %1</translation>
    </message>
    <message>
        <source>der Dienst meldet Fehler %1: %2</source>
        <translation>η υπηρεσία αναφέρει σφάλμα %1: %2</translation>
    </message>
    <message>
        <source>die Antwort nennt keine kommende Ziehung (&quot;active&quot;)</source>
        <translation>η απάντηση δεν αναφέρει επόμενη κλήρωση (&quot;active&quot;)</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>Der Ordner für Ihre Daten kann nicht angelegt werden: %1</source>
        <translation>Ο φάκελος για τα δεδομένα σας δεν μπορεί να δημιουργηθεί: %1</translation>
    </message>
    <message>
        <source>Die mitgelieferte Ziehungsdatei %1 wurde nicht nach %2 kopiert.</source>
        <translation>Το συνοδευτικό αρχείο κληρώσεων %1 δεν αντιγράφηκε στο %2.</translation>
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
    <message>
        <source>Min: %1 Max: %2  %3</source>
        <translation>Ελάχ.: %1 Μέγ.: %2  %3</translation>
    </message>
    <message>
        <source>Min: %1  Max: %2  %3</source>
        <translation>Ελάχ.: %1  Μέγ.: %2  %3</translation>
    </message>
</context>
<context>
    <name>PrizeTable</name>
    <message>
        <source>Die Quotendatei &quot;%1&quot; hat %2 unlesbare Zeilen, die erste ist Zeile %3; sie bleiben unverändert am Ende der Datei erhalten.</source>
        <translation>Το αρχείο αποδόσεων &quot;%1&quot; έχει %2 μη αναγνώσιμες γραμμές, η πρώτη είναι η γραμμή %3· διατηρούνται αμετάβλητες στο τέλος του αρχείου.</translation>
    </message>
    <message>
        <source>Die Quotendatei lässt sich weder lesen noch beiseitelegen (%1), die Quoten dieser Aktualisierung werden nicht gespeichert: %2</source>
        <translation>Το αρχείο αποδόσεων δεν μπορεί ούτε να διαβαστεί ούτε να μετακινηθεί (%1), οι αποδόσεις αυτής της ενημέρωσης δεν αποθηκεύονται: %2</translation>
    </message>
    <message>
        <source>Die Quotendatei war unbrauchbar und liegt jetzt unter &quot;%1&quot;, die Quoten beginnen neu: %2</source>
        <translation>Το αρχείο αποδόσεων ήταν άχρηστο και βρίσκεται τώρα στο &quot;%1&quot;, οι αποδόσεις ξεκινούν από την αρχή: %2</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 kam mit %2 Gewinnklassen, gespeichert sind die ersten %3.</source>
        <translation>Η κλήρωση της %1 ήρθε με %2 κατηγορίες κερδών· αποθηκεύονται οι πρώτες %3.</translation>
    </message>
</context>
<context>
    <name>RuleReport</name>
    <message>
        <source>Übereinstimmungen zwischen den Tipps</source>
        <translation>Κοινοί αριθμοί μεταξύ των στηλών</translation>
    </message>
    <message>
        <source>Zahlenpaar erzwingen</source>
        <translation>Υποχρεωτικό ζεύγος αριθμών</translation>
    </message>
    <message>
        <source>keine drei Zahlen in Folge</source>
        <translation>όχι τρεις συνεχόμενοι αριθμοί</translation>
    </message>
    <message>
        <source>Quersumme</source>
        <translation>Άθροισμα αριθμών</translation>
    </message>
    <message>
        <source>Zahlen der letzten Ziehung</source>
        <translation>Αριθμοί της τελευταίας κλήρωσης</translation>
    </message>
    <message>
        <source>Zahlen der vorletzten Ziehung</source>
        <translation>Αριθμοί της προτελευταίας κλήρωσης</translation>
    </message>
    <message>
        <source>Zahlen der drittletzten Ziehung</source>
        <translation>Αριθμοί της αντιπροτελευταίας κλήρωσης</translation>
    </message>
    <message>
        <source>gerade Zahlen</source>
        <translation>ζυγοί αριθμοί</translation>
    </message>
    <message>
        <source>ungerade Zahlen</source>
        <translation>μονοί αριθμοί</translation>
    </message>
    <message>
        <source>Primzahlen</source>
        <translation>πρώτοι αριθμοί</translation>
    </message>
    <message>
        <source>nie ein Gewinn im Analysezeitraum</source>
        <translation>κανένα κέρδος στην περίοδο ανάλυσης</translation>
    </message>
    <message>
        <source>kein Gewinn in den letzten Ziehungen</source>
        <translation>κανένα κέρδος στις τελευταίες κληρώσεις</translation>
    </message>
    <message>
        <source>kein Gewinn in den letzten Ziehungen (2. Regel)</source>
        <translation>κανένα κέρδος στις τελευταίες κληρώσεις (2ος κανόνας)</translation>
    </message>
    <message>
        <source>„%1“ (Regel %2: %3 von %4 Kandidaten)</source>
        <translation>«%1» (κανόνας %2: %3 από %4 υποψήφιες στήλες)</translation>
    </message>
    <message>
        <source>Die meisten Kandidaten verwarf die Regel %1.</source>
        <translation>Τις περισσότερες υποψήφιες στήλες απέρριψε ο κανόνας %1.</translation>
    </message>
    <message>
        <source>Die meisten Kandidaten verwarfen die Regeln %1.</source>
        <translation>Τις περισσότερες υποψήφιες στήλες απέρριψαν οι κανόνες %1.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht durch &quot;%2&quot; ersetzt werden. %3.</source>
        <translation>Το αρχείο &quot;%1&quot; δεν μπορεί να αντικατασταθεί από το &quot;%2&quot;. %3.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist zu groß: %2 Bytes, höchstens %3 Bytes werden gelesen. Sie bleibt unverändert.</source>
        <translation>Το αρχείο &quot;%1&quot; είναι πολύ μεγάλο: %2 byte, διαβάζονται το πολύ %3 byte. Παραμένει αμετάβλητο.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine gewöhnliche Datei, sondern zum Beispiel eine Pipe oder ein Gerät, und wird nicht gelesen.</source>
        <translation>Το &quot;%1&quot; δεν είναι κανονικό αρχείο αλλά, για παράδειγμα, σωλήνωση ή συσκευή, και δεν διαβάζεται.</translation>
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
        <source>Die bisherigen Einstellungen bleiben erhalten.</source>
        <translation>Οι προηγούμενες ρυθμίσεις διατηρούνται.</translation>
    </message>
    <message>
        <source>Die Einstellungen werden nicht gespeichert, damit die Datei, die beim Start nicht gelesen werden konnte, erhalten bleibt: %1</source>
        <translation>Οι ρυθμίσεις δεν αποθηκεύονται, ώστε να διατηρηθεί το αρχείο που δεν μπόρεσε να διαβαστεί κατά την εκκίνηση: %1</translation>
    </message>
</context>
<context>
    <name>SlipTips</name>
    <message>
        <source>unbekannt</source>
        <translation>άγνωστο</translation>
    </message>
    <message numerus="yes">
        <source>Vollsystem: %n Reihen, Einsatz %1</source>
        <translation>
            <numerusform>Πλήρες σύστημα: %n στήλη, κόστος %1</numerusform>
            <numerusform>Πλήρες σύστημα: %n στήλες, κόστος %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Tabelle %1 fehlt: das System kann nicht aufgeschrieben werden</source>
        <translation>Λείπει ο πίνακας %1: το σύστημα δεν μπορεί να γραφτεί στο δελτίο</translation>
    </message>
    <message numerus="yes">
        <source>%n Reihen aus %1</source>
        <translation>
            <numerusform>%n στήλη από %1</numerusform>
            <numerusform>%n στήλες από %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Quintara GR ist bereits geöffnet. Das geöffnete Fenster wurde nach vorn geholt.</source>
        <translation>Το Quintara GR είναι ήδη ανοιχτό. Το ανοιχτό παράθυρο μεταφέρθηκε μπροστά.</translation>
    </message>
    <message>
        <source>Quintara GR ist mit den Daten in &quot;%1&quot; bereits geöffnet (Prozess %2), antwortet aber nicht. Ein zweites Fenster wird nicht geöffnet, damit keine Ziehungen und Tipps verloren gehen.</source>
        <translation>Το Quintara GR είναι ήδη ανοιχτό με τα δεδομένα στο &quot;%1&quot; (διεργασία %2), αλλά δεν απαντά. Δεν ανοίγει δεύτερο παράθυρο, ώστε να μη χαθούν κληρώσεις και στήλες.</translation>
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
    <message>
        <source>Keine Ziehung ab dem %1: die neueste gespeicherte Ziehung ist vom %2. Wählen Sie unter „Statistik ab“ ein früheres Datum.</source>
        <translation>Καμία κλήρωση από %1 και μετά: η νεότερη αποθηκευμένη κλήρωση είναι της %2. Επιλέξτε παλαιότερη ημερομηνία στο «Στατιστικά από».</translation>
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
    <message>
        <source>Vollsystem</source>
        <translation>Πλήρες</translation>
    </message>
    <message numerus="yes">
        <source>%n Tippreihe(n) pro Tipp</source>
        <translation>
            <numerusform>%n στήλη ανά σύστημα</numerusform>
            <numerusform>%n στήλες ανά σύστημα</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Quersumme: %1</source>
        <translation>Άθροισμα: %1</translation>
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
    <message>
        <source>Beim Beenden konnte nicht alles gespeichert werden:

%1

Die Tippliste ist gespeichert. Trotzdem beenden?</source>
        <translation>Κατά την έξοδο δεν ήταν δυνατό να αποθηκευτούν όλα:

%1

Η λίστα στηλών έχει αποθηκευτεί. Έξοδος παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Beim Beenden konnte nicht alles gespeichert werden:

%1

Die Tippliste (%2 Tipps) ginge verloren. Möchten Sie sie an einem anderen Ort speichern?

„Ja“ wählt den Ort, „Nein“ beendet ohne die Tippliste, „Abbrechen“ lässt das Programm geöffnet.</source>
        <translation>Κατά την έξοδο δεν ήταν δυνατό να αποθηκευτούν όλα:

%1

Η λίστα στηλών (%2 στήλες) θα χαθεί. Θέλετε να την αποθηκεύσετε σε άλλη θέση;

Το «Ναι» επιλέγει τη θέση, το «Όχι» κλείνει το πρόγραμμα χωρίς τη λίστα στηλών, το «Άκυρο» αφήνει το πρόγραμμα ανοιχτό.</translation>
    </message>
    <message>
        <source>Suche beenden</source>
        <translation>Διακοπή αναζήτησης</translation>
    </message>
    <message>
        <source>Tipp-Test vom %1 bis %2: %3 Ziehungen, %4 Tipps</source>
        <translation>Έλεγχος στηλών από %1 έως %2: %3 κληρώσεις, %4 στήλες</translation>
    </message>
    <message>
        <source>SVG-Zeichnung|*.svg</source>
        <translation>Σχέδιο SVG|*.svg</translation>
    </message>
    <message>
        <source>PNG-Bild|*.png</source>
        <translation>Εικόνα PNG|*.png</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Διάγραμμα</translation>
    </message>
    <message>
        <source>Das Diagramm konnte nicht als %1 gespeichert werden.</source>
        <translation>Το διάγραμμα δεν ήταν δυνατό να αποθηκευτεί ως %1.</translation>
    </message>
    <message>
        <source>Die Adresse des Ziehungsservers &quot;%1&quot; ist ungültig. Erwartet wird der Ergebnisdienst des Lottoveranstalters, zum Beispiel %2, oder ein Ziehungsserver wie %3.</source>
        <translation>Η διεύθυνση του διακομιστή κληρώσεων &quot;%1&quot; δεν είναι έγκυρη. Αναμένεται η υπηρεσία αποτελεσμάτων του διοργανωτή της λοταρίας, για παράδειγμα %2, ή ένας διακομιστής κληρώσεων όπως %3.</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 ersetzen?

Gespeichert: %2
Neu: %3</source>
        <translation>Αντικατάσταση της κλήρωσης της %1;

Αποθηκευμένη: %2
Νέα: %3</translation>
    </message>
    <message>
        <source>Letzter Lauf des Generators:</source>
        <translation>Τελευταία εκτέλεση της γεννήτριας:</translation>
    </message>
    <message>
        <source>Nicht alle Tipps konnten berechnet werden. %1
Die Zahlen je Regel zeigt die Auswertung (Seite „Datenbank“).</source>
        <translation>Δεν ήταν δυνατό να υπολογιστούν όλες οι στήλες. %1
Τα νούμερα ανά κανόνα εμφανίζονται στην αξιολόγηση (σελίδα «Βάση δεδομένων»).</translation>
    </message>
    <message>
        <source>Die Ziehung vom %1 löschen?

%2</source>
        <translation>Διαγραφή της κλήρωσης της %1;

%2</translation>
    </message>
    <message>
        <source>Die Datei der Ziehungen &quot;%1&quot; ist beschädigt: %2 von %3 Datensätzen sind keine gültigen Ziehungen oder stehen außer der Reihe, der erste an Position %4.</source>
        <translation>Το αρχείο κληρώσεων &quot;%1&quot; είναι κατεστραμμένο: %2 από τις %3 εγγραφές δεν είναι έγκυρες κληρώσεις ή είναι εκτός σειράς, η πρώτη στη θέση %4.</translation>
    </message>
    <message>
        <source>Am Ende steht ein abgeschnittener Datensatz (%1 Bytes).</source>
        <translation>Στο τέλος υπάρχει μια κομμένη εγγραφή (%1 byte).</translation>
    </message>
    <message>
        <source>Soll die Datei repariert werden? Die %1 gültigen Ziehungen bleiben in Datumsfolge erhalten, die beschädigte Datei wird als &quot;%2&quot; aufbewahrt. Ohne Reparatur bleibt die Datei unverändert.</source>
        <translation>Να επιδιορθωθεί το αρχείο; Οι %1 έγκυρες κληρώσεις διατηρούνται με σειρά ημερομηνίας, το κατεστραμμένο αρχείο φυλάσσεται ως &quot;%2&quot;. Χωρίς επιδιόρθωση το αρχείο παραμένει αμετάβλητο.</translation>
    </message>
    <message>
        <source>Die Datei der Ziehungen wurde repariert; die beschädigte Fassung liegt in &quot;%1&quot;.</source>
        <translation>Το αρχείο κληρώσεων επιδιορθώθηκε· η κατεστραμμένη έκδοση βρίσκεται στο &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Alle Läufe der historischen Analyse:</source>
        <translation>Όλες οι εκτελέσεις της ιστορικής ανάλυσης:</translation>
    </message>
    <message>
        <source>Historische Analyse ab %1: %2 Ziehungen, %3 Tipps je Ziehung, Glückszahl %4</source>
        <translation>Ιστορική ανάλυση από %1: %2 κληρώσεις, %3 στήλες ανά κλήρωση, τυχερός αριθμός %4</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>Αρχείο CSV|*.csv</translation>
    </message>
    <message>
        <source>%1 Ziehungen nach %2 exportiert.</source>
        <translation>Εξήχθησαν %1 κληρώσεις στο %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n gespeicherte Ziehung(en) würden durch die Datei ersetzt. Importieren?</source>
        <translation>
            <numerusform>%n αποθηκευμένη κλήρωση θα αντικατασταθεί από το αρχείο. Να γίνει εισαγωγή;</numerusform>
            <numerusform>%n αποθηκευμένες κληρώσεις θα αντικατασταθούν από το αρχείο. Να γίνει εισαγωγή;</numerusform>
        </translation>
    </message>
    <message>
        <source>Import abgebrochen; die Ziehungen bleiben unverändert.</source>
        <translation>Η εισαγωγή ακυρώθηκε· οι κληρώσεις παραμένουν αμετάβλητες.</translation>
    </message>
    <message>
        <source>Tippliste nach %1 exportiert.</source>
        <translation>Η λίστα στηλών εξήχθη στο %1.</translation>
    </message>
    <message>
        <source>Der Tipp wurde in %1 gespeichert, aber das System hat kein Programm, das die Datei öffnet.
Über „Druck“ können Sie den Tipp ansehen, drucken oder als PDF speichern.</source>
        <translation>Η στήλη αποθηκεύτηκε στο %1, αλλά το σύστημα δεν έχει πρόγραμμα που να ανοίγει το αρχείο.
Από την «Εκτύπωση» μπορείτε να δείτε τη στήλη, να την εκτυπώσετε ή να την αποθηκεύσετε ως PDF.</translation>
    </message>
    <message>
        <source>PDF-Dokument|*.pdf</source>
        <translation>Έγγραφο PDF|*.pdf</translation>
    </message>
    <message>
        <source>Die PDF-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου PDF %1.</translation>
    </message>
    <message numerus="yes">
        <source>Die eben gelöschten %n Tipps wiederherstellen (Rückgängig)</source>
        <translation>
            <numerusform>Επαναφορά της %n στήλης που μόλις διαγράφηκε (Αναίρεση)</numerusform>
            <numerusform>Επαναφορά των %n στηλών που μόλις διαγράφηκαν (Αναίρεση)</numerusform>
        </translation>
    </message>
    <message>
        <source>Die gespeicherten Einstellungen werden nicht übernommen; es gelten die Vorgaben. %1</source>
        <translation>Οι αποθηκευμένες ρυθμίσεις δεν εφαρμόζονται· ισχύουν οι προεπιλογές. %1</translation>
    </message>
    <message>
        <source>Tipp-Test anhalten (bei %1)</source>
        <translation>Διακοπή ελέγχου στηλών (στις %1)</translation>
    </message>
    <message>
        <source>Nächste Ziehung: unbekannt</source>
        <translation>Επόμενη κλήρωση: άγνωστη</translation>
    </message>
    <message>
        <source>Nächste Ziehung: %1, %2, %3 Uhr (griechische Zeit)</source>
        <translation>Επόμενη κλήρωση: %1, %2, %3 (ώρα Ελλάδας)</translation>
    </message>
    <message>
        <source>Jackpot: %1 €</source>
        <translation>Τζακπότ: %1 €</translation>
    </message>
    <message>
        <source>Jackpot: unbekannt</source>
        <translation>Τζακπότ: άγνωστο</translation>
    </message>
    <message>
        <source>(Stand: %1)</source>
        <translation>(στοιχεία της %1)</translation>
    </message>
    <message>
        <source>Die Ziehungen kommen bisher vom Ziehungsserver %1 auf diesem Rechner. Sollen sie künftig direkt vom Ergebnisdienst des Lottoveranstalters (%2) kommen? Die Adresse steht auf der Seite Internet-Optionen.</source>
        <translation>Οι κληρώσεις έρχονταν μέχρι τώρα από τον διακομιστή κληρώσεων %1 σε αυτόν τον υπολογιστή. Να έρχονται στο εξής απευθείας από την υπηρεσία αποτελεσμάτων του διοργανωτή (%2); Η διεύθυνση βρίσκεται στη σελίδα Διαδίκτυο.</translation>
    </message>
    <message>
        <source>Die Aktualisierung der Ziehungen ist nicht ganz gelungen.
%1</source>
        <translation>Η ενημέρωση των κληρώσεων δεν ολοκληρώθηκε πλήρως.
%1</translation>
    </message>
    <message>
        <source>Das Handbuch (README.md) liegt nicht bei diesem Programm.</source>
        <translation>Το εγχειρίδιο (README.md) δεν υπάρχει μαζί με αυτό το πρόγραμμα.</translation>
    </message>
    <message>
        <source>Das Handbuch liegt in %1, aber das System hat kein Programm, das die Datei öffnet.</source>
        <translation>Το εγχειρίδιο βρίσκεται στο %1, αλλά το σύστημα δεν έχει πρόγραμμα που να ανοίγει το αρχείο.</translation>
    </message>
    <message>
        <source>Quintara GR, Version %1
Ein Programm für Spieler des griechischen Lotto 6 aus 49.

Lizenz: MIT-Lizenz, Copyright (c) 2026 Brenlow. Das Programm darf frei benutzt, kopiert und verändert werden; es kommt ohne jede Gewähr.

Datenquellen:
• Neue Ziehungen und Quoten: der Ergebnisdienst des Lottoveranstalters (%2) oder der Ziehungsserver, der unter „Internet-Optionen“ eingestellt ist.
• Mitgelieferte Ziehungen vom 05.12.1990 bis 30.08.2025: die vom Lottoveranstalter veröffentlichten Jahreslisten.

Keine Gewähr für die Richtigkeit der Zahlen!</source>
        <translation>Quintara GR, έκδοση %1
Ένα πρόγραμμα για παίκτες του ελληνικού Λόττο 6 από 49.

Άδεια: άδεια MIT, Copyright (c) 2026 Brenlow. Το πρόγραμμα μπορεί να χρησιμοποιείται, να αντιγράφεται και να τροποποιείται ελεύθερα· παρέχεται χωρίς καμία εγγύηση.

Πηγές δεδομένων:
• Νέες κληρώσεις και μερίσματα: η υπηρεσία αποτελεσμάτων του φορέα του λαχείου (%2) ή ο διακομιστής κληρώσεων που ορίζεται στο «Διαδίκτυο».
• Κληρώσεις που συνοδεύουν το πρόγραμμα, από 05.12.1990 έως 30.08.2025: οι ετήσιες λίστες που δημοσίευσε ο φορέας του λαχείου.

Χωρίς εγγύηση για την ορθότητα των αριθμών!</translation>
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
    <message>
        <source>Speichern der Liste</source>
        <translation>Αποθήκευση της λίστας</translation>
    </message>
    <message>
        <source>Laden der Liste</source>
        <translation>Φόρτωση λίστας</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Ändern</source>
        <translation>&amp;Αλλαγή</translation>
    </message>
    <message>
        <source>&amp;Zufall</source>
        <translation>&amp;Τυχαία</translation>
    </message>
    <message>
        <source>Mit den angekreuzten Zahlen und ihren berechneten Gewichten rechnen; eine neu angekreuzte Zahl zählt einfach</source>
        <translation>Υπολογισμός με τους σημειωμένους αριθμούς και τα υπολογισμένα βάρη τους· ένας αριθμός που σημειώθηκε τώρα μετράει μία φορά</translation>
    </message>
    <message>
        <source>Mit den angekreuzten Zahlen und den Gewichten ihrer Hinweise rechnen (etwa aus einer geladenen Liste)</source>
        <translation>Υπολογισμός με τους σημειωμένους αριθμούς και τα βάρη των υποδείξεών τους (π.χ. από μια φορτωμένη λίστα)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; hat zu viele Zeilen: %2, höchstens %3 werden gelesen. Sie bleibt unverändert.</source>
        <translation>Το αρχείο &quot;%1&quot; έχει πάρα πολλές γραμμές: %2, διαβάζονται το πολύ %3. Παραμένει αμετάβλητο.</translation>
    </message>
    <message>
        <source>Die Zeile %2 der Datei &quot;%1&quot; ist zu lang: %3 Zeichen, höchstens %4 werden gelesen. Die Datei bleibt unverändert.</source>
        <translation>Η γραμμή %2 του αρχείου &quot;%1&quot; είναι πολύ μεγάλη: %3 χαρακτήρες, διαβάζονται το πολύ %4. Το αρχείο παραμένει αμετάβλητο.</translation>
    </message>
    <message>
        <source>Der bisherige Inhalt bleibt erhalten.</source>
        <translation>Το προηγούμενο περιεχόμενο διατηρείται.</translation>
    </message>
</context>
<context>
    <name>TipFiles</name>
    <message>
        <source>Tippdatei|*.hlt</source>
        <translation>Αρχείο στηλών|*.hlt</translation>
    </message>
    <message>
        <source>Quintara Tipp für %1</source>
        <translation>Στήλες Quintara για %1</translation>
    </message>
    <message>
        <source>%1. Lotto-Schein</source>
        <translation>%1ο δελτίο Λόττο</translation>
    </message>
    <message>
        <source>%1. Tipp:  </source>
        <translation>%1. Στήλη:  </translation>
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
    <name>TipPrint</name>
    <message>
        <source>Druckvorschau: Tipp</source>
        <translation>Προεπισκόπηση εκτύπωσης: στήλη</translation>
    </message>
    <message>
        <source>Als PDF speichern …</source>
        <translation>Αποθήκευση ως PDF …</translation>
    </message>
    <message>
        <source>Den Tipp als PDF-Datei speichern</source>
        <translation>Αποθήκευση της στήλης ως αρχείου PDF</translation>
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
    <message>
        <source>Tipp-Test der Ziehungen vom %1 bis %2</source>
        <translation>Έλεγχος στηλών στις κληρώσεις από %1 έως %2</translation>
    </message>
    <message numerus="yes">
        <source>Suche abgebrochen nach %n geprüften Ziehungen.</source>
        <translation>
            <numerusform>Η αναζήτηση ακυρώθηκε μετά από %n κλήρωση που ελέγχθηκε.</numerusform>
            <numerusform>Η αναζήτηση ακυρώθηκε μετά από %n κληρώσεις που ελέγχθηκαν.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche beendet: %n Ziehungen geprüft.</source>
        <translation>
            <numerusform>Η αναζήτηση ολοκληρώθηκε: ελέγχθηκε %n κλήρωση.</numerusform>
            <numerusform>Η αναζήτηση ολοκληρώθηκε: ελέγχθηκαν %n κληρώσεις.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ziehungen mit mindestens %n Richtigen: %1</source>
        <translation>
            <numerusform>Κληρώσεις με τουλάχιστον %n επιτυχία: %1</numerusform>
            <numerusform>Κληρώσεις με τουλάχιστον %n επιτυχίες: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere Tipps mit Treffern</source>
        <translation>
            <numerusform>… και %n ακόμη στήλη με επιτυχίες</numerusform>
            <numerusform>… και %n ακόμη στήλες με επιτυχίες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weitere Tipps ohne Treffer</source>
        <translation>
            <numerusform>%n ακόμη στήλη χωρίς επιτυχίες</numerusform>
            <numerusform>%n ακόμη στήλες χωρίς επιτυχίες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1: %2  (%n Richtige)</source>
        <translation>
            <numerusform>Στήλη %1: %2  (%n επιτυχία)</numerusform>
            <numerusform>Στήλη %1: %2  (%n επιτυχίες)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1 (%2): %n Treffer</source>
        <translation>
            <numerusform>Στήλη %1 (%2): %n επιτυχία</numerusform>
            <numerusform>Στήλη %1 (%2): %n επιτυχίες</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WheelReport</name>
    <message>
        <source>Die Tabelle enthält keine Zeile.</source>
        <translation>Ο πίνακας δεν περιέχει καμία γραμμή.</translation>
    </message>
    <message>
        <source>Zeile %1: mehr als %2 Zeilen.</source>
        <translation>Γραμμή %1: περισσότερες από %2 γραμμές.</translation>
    </message>
    <message>
        <source>Zeile %1: ein „x“ an Stelle %2, ein Tipp hat höchstens %3 Zahlen.</source>
        <translation>Γραμμή %1: ένα «x» στη θέση %2, μια στήλη έχει το πολύ %3 αριθμούς.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 Zahlen markiert statt 6.</source>
        <translation>Γραμμή %1: σημειωμένοι %2 αριθμοί αντί για 6.</translation>
    </message>
    <message>
        <source>%1 Reihen aus %2 Basiszahlen.</source>
        <translation>%1 στήλες από %2 βασικούς αριθμούς.</translation>
    </message>
    <message>
        <source>%1 richtige unter den Basiszahlen: mindestens %2 Treffer in einer Reihe</source>
        <translation>Αν κληρωθούν %1 από τους βασικούς αριθμούς: τουλάχιστον %2 επιτυχίες σε μία στήλη</translation>
    </message>
    <message>
        <source>%1er in %2 %</source>
        <translation>%1άρι σε %2%</translation>
    </message>
    <message>
        <source>    von %1 Fällen: %2</source>
        <translation>    από %1 περιπτώσεις: %2</translation>
    </message>
    <message>
        <source>    Lücke: mit den Basiszahlen %1 hat keine Reihe mehr als %2 Treffer.</source>
        <translation>    Κενό: με τους βασικούς αριθμούς %1 καμία στήλη δεν έχει πάνω από %2 επιτυχίες.</translation>
    </message>
</context>
<context>
    <name>Winnings</name>
    <message>
        <source>Gewinn: %1 €</source>
        <translation>Κέρδος: %1 €</translation>
    </message>
    <message>
        <source>Gewinn: Quote unbekannt</source>
        <translation>Κέρδος: άγνωστη απόδοση</translation>
    </message>
    <message numerus="yes">
        <source>Gewinn: mindestens %1 € (für %n Gewinnreihe(n) ist die Quote unbekannt)</source>
        <translation>
            <numerusform>Κέρδος: τουλάχιστον %1 € (για %n κερδισμένη στήλη η απόδοση είναι άγνωστη)</numerusform>
            <numerusform>Κέρδος: τουλάχιστον %1 € (για %n κερδισμένες στήλες η απόδοση είναι άγνωστη)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + άγνωστο</translation>
    </message>
    <message numerus="yes">
        <source>Einsatz je Ziehung: %n Reihe(n) × %1 = %2</source>
        <translation>
            <numerusform>Κόστος ανά κλήρωση: %n στήλη × %1 = %2</numerusform>
            <numerusform>Κόστος ανά κλήρωση: %n στήλες × %1 = %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Einsatz je Ziehung: %n Reihe(n) × Preis unbekannt</source>
        <translation>
            <numerusform>Κόστος ανά κλήρωση: %n στήλη × άγνωστη τιμή</numerusform>
            <numerusform>Κόστος ανά κλήρωση: %n στήλες × άγνωστη τιμή</numerusform>
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
        <translation>Κέρδος: %1</translation>
    </message>
    <message>
        <source>Gewinn: %1 (Einsatz %2)</source>
        <translation>Κέρδος: %1 (κόστος %2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Als gespielt speichern</source>
        <translation>Καταχώριση δελτίου</translation>
    </message>
    <message>
        <source>Die Tipps (oder die markierten Tipps) als gespielten Schein für die nächste Ziehung speichern</source>
        <translation>Αποθήκευση των στηλών (ή των επιλεγμένων στηλών) ως παιγμένου δελτίου για την επόμενη κλήρωση</translation>
    </message>
</context>
<context>
    <name>Slips</name>
    <message>
        <source>5 + Z</source>
        <translation>5 + Σ</translation>
    </message>
    <message>
        <source>%1 Richtige</source>
        <translation>%1 επιτυχίες</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
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
        <translation>κανένα κέρδος</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + άγνωστο</translation>
    </message>
    <message>
        <source>1 Schein geprüft: %1</source>
        <translation>1 δελτίο ελέγχθηκε: %1</translation>
    </message>
    <message>
        <source>%1 Scheine geprüft: %2</source>
        <translation>%1 δελτία ελέγχθηκαν: %2</translation>
    </message>
</context>
<context>
    <name>SlipSaveDialog</name>
    <message>
        <source>Als gespielt speichern</source>
        <translation>Καταχώριση δελτίου</translation>
    </message>
    <message>
        <source>Erste Ziehung: %1, %2 Spalten, %3 € pro Ziehung</source>
        <translation>Πρώτη κλήρωση: %1, %2 στήλες, %3 € ανά κλήρωση</translation>
    </message>
    <message>
        <source>Anzahl der Ziehungen:</source>
        <translation>Αριθμός κληρώσεων:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Όνομα:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Es gibt keine Tipps, die als gespielt gespeichert werden können.</source>
        <translation>Δεν υπάρχουν στήλες για αποθήκευση ως παιγμένες.</translation>
    </message>
    <message>
        <source>Der Schein wurde nicht gespeichert.
%1</source>
        <translation>Το δελτίο δεν αποθηκεύτηκε.
%1</translation>
    </message>
    <message>
        <source>Unlesbare Zeilen in der Datei %1: %2. Sie bleiben unverändert in der Datei.</source>
        <translation>Μη αναγνώσιμες γραμμές στο αρχείο %1: %2. Παραμένουν αμετάβλητες στο αρχείο.</translation>
    </message>
    <message>
        <source>Schein „%1“ gespeichert: ab %2, Ziehungen: %3</source>
        <translation>Το δελτίο «%1» αποθηκεύτηκε: από %2, κληρώσεις: %3</translation>
    </message>
    <message>
        <source>Scheine nicht geprüft: %1</source>
        <translation>Τα δελτία δεν ελέγχθηκαν: %1</translation>
    </message>
    <message>
        <source>(unlesbare Zeilen in %1: %2)</source>
        <translation>(μη αναγνώσιμες γραμμές στο %1: %2)</translation>
    </message>
</context>
<context>
    <name>SlipLedger</name>
    <message>
        <source>Datum</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Schein</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation>Στήλες</translation>
    </message>
    <message>
        <source>Einsatz</source>
        <translation>Ποντάρισμα</translation>
    </message>
    <message>
        <source>Gewinnklasse</source>
        <translation>Κατηγορία</translation>
    </message>
    <message>
        <source>Gewinn</source>
        <translation>Κέρδος</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>%1 + unbekannt</source>
        <translation>%1 + άγνωστο</translation>
    </message>
    <message>
        <source>Schein %1</source>
        <translation>Δελτίο %1</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>εκκρεμεί</translation>
    </message>
    <message>
        <source>Einsatz %1, Gewinn %2, Saldo %3</source>
        <translation>Ποντάρισμα %1, κέρδος %2, υπόλοιπο %3</translation>
    </message>
    <message numerus="yes">
        <source> (ohne %n Gewinnreihe(n) unbekannter Quote)</source>
        <translation>
            <numerusform> (χωρίς %n κερδοφόρα στήλη άγνωστης απόδοσης)</numerusform>
            <numerusform> (χωρίς %n κερδοφόρες στήλες άγνωστης απόδοσης)</numerusform>
        </translation>
    </message>
    <message>
        <source>derselbe Einsatz bringt im Mittel %1</source>
        <translation>μέση απόδοση του ίδιου πονταρίσματος: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Ziehung(en) offen, Einsatz %1</source>
        <translation>
            <numerusform>%n κλήρωση σε εκκρεμότητα, ποντάρισμα %1</numerusform>
            <numerusform>%n κληρώσεις σε εκκρεμότητα, ποντάρισμα %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlipsWindow</name>
    <message>
        <source>Meine Scheine</source>
        <translation>Τα δελτία μου</translation>
    </message>
    <message>
        <source>&amp;Anzeigen:</source>
        <translation>&amp;Εμφάνιση:</translation>
    </message>
    <message>
        <source>Alle Ziehungen</source>
        <translation>Όλες οι κληρώσεις</translation>
    </message>
    <message>
        <source>Offene Scheine</source>
        <translation>Ανοιχτά δελτία</translation>
    </message>
    <message>
        <source>Abgeschlossene Scheine</source>
        <translation>Ολοκληρωμένα δελτία</translation>
    </message>
    <message>
        <source>Gewinne</source>
        <translation>Κέρδη</translation>
    </message>
    <message>
        <source>Offen: Scheine, deren Ziehungen nicht alle gezogen sind; abgeschlossen: alle Ziehungen gezogen; Gewinne: Ziehungen mit mindestens einer Gewinnreihe</source>
        <translation>Ανοιχτά: δελτία των οποίων δεν έχουν γίνει όλες οι κληρώσεις· ολοκληρωμένα: έγιναν όλες οι κληρώσεις· κέρδη: κληρώσεις με τουλάχιστον μία κερδοφόρα στήλη</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten …</source>
        <translation>&amp;Επεξεργασία …</translation>
    </message>
    <message>
        <source>Name, Anzahl der Ziehungen und Preis je Spalte des gewählten Scheins ändern</source>
        <translation>Αλλαγή ονόματος, αριθμού κληρώσεων και τιμής ανά στήλη του επιλεγμένου δελτίου</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>Den Schein der gewählten Zeile mit allen seinen Ziehungen löschen</source>
        <translation>Διαγραφή του δελτίου της επιλεγμένης γραμμής με όλες τις κληρώσεις του</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern …</source>
        <translation>Αποθήκευση ως &amp;CSV …</translation>
    </message>
    <message>
        <source>Die angezeigten Zeilen als CSV-Datei speichern</source>
        <translation>Αποθήκευση των εμφανιζόμενων γραμμών ως αρχείου CSV</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>Ε&amp;κτύπωση …</translation>
    </message>
    <message>
        <source>Druckvorschau der angezeigten Zeilen: drucken oder als PDF speichern</source>
        <translation>Προεπισκόπηση εκτύπωσης των εμφανιζόμενων γραμμών: εκτύπωση ή αποθήκευση ως PDF</translation>
    </message>
    <message>
        <source>Wählen Sie eine Zeile: hier stehen dann die Treffer jeder Spalte, die Gewinnzahlen fett.</source>
        <translation>Επιλέξτε μια γραμμή: εδώ εμφανίζονται οι επιτυχίες κάθε στήλης, με τους νικητήριους αριθμούς με έντονα γράμματα.</translation>
    </message>
    <message>
        <source>Die Scheindatei %1 konnte nicht gelesen werden: %2</source>
        <translation>Το αρχείο δελτίων %1 δεν ήταν δυνατό να διαβαστεί: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Zeile(n) der Scheindatei sind beschädigt: sie bleiben in der Datei, werden aber nicht angezeigt.</source>
        <translation>
            <numerusform>%n γραμμή του αρχείου δελτίων είναι κατεστραμμένη: παραμένει στο αρχείο αλλά δεν εμφανίζεται.</numerusform>
            <numerusform>%n γραμμές του αρχείου δελτίων είναι κατεστραμμένες: παραμένουν στο αρχείο αλλά δεν εμφανίζονται.</numerusform>
        </translation>
    </message>
    <message>
        <source>Noch keine Scheine gespeichert: „Als gespielt speichern“ neben der Tippliste speichert die Tipps als Schein für die nächste Ziehung.</source>
        <translation>Δεν έχουν αποθηκευτεί ακόμη δελτία: το «Αποθήκευση ως παιγμένο» δίπλα στη λίστα στηλών αποθηκεύει τις στήλες ως δελτίο για την επόμενη κλήρωση.</translation>
    </message>
    <message>
        <source>Saldo nach jeder Ziehung (€): noch keine Ziehung geprüft</source>
        <translation>Υπόλοιπο μετά από κάθε κλήρωση (€): καμία κλήρωση δεν ελέγχθηκε ακόμη</translation>
    </message>
    <message>
        <source>Saldo nach jeder Ziehung (€), %1 bis %2</source>
        <translation>Υπόλοιπο μετά από κάθε κλήρωση (€), %1 έως %2</translation>
    </message>
    <message>
        <source>Ziehung %1 von %2</source>
        <translation>Κλήρωση %1 από %2</translation>
    </message>
    <message>
        <source>Die Ziehung am %1 steht noch aus.</source>
        <translation>Η κλήρωση της %1 εκκρεμεί ακόμη.</translation>
    </message>
    <message>
        <source>Gewinnzahlen vom %1: %2</source>
        <translation>Νικητήριοι αριθμοί της %1: %2</translation>
    </message>
    <message>
        <source>Zusatzzahl %1</source>
        <translation>επιπλέον αριθμός %1</translation>
    </message>
    <message>
        <source>Die Tabelle des Systems %1 fehlt: diese Reihe kann nicht geprüft werden.</source>
        <translation>Λείπει ο πίνακας του συστήματος %1: αυτή η στήλη δεν μπορεί να ελεγχθεί.</translation>
    </message>
    <message>
        <source>%1 Richtige</source>
        <translation>%1 επιτυχίες</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Σ</translation>
    </message>
    <message>
        <source>Den Schein „%1“ mit allen seinen Ziehungen löschen?</source>
        <translation>Διαγραφή του δελτίου «%1» με όλες τις κληρώσεις του;</translation>
    </message>
    <message>
        <source>Schein bearbeiten</source>
        <translation>Επεξεργασία δελτίου</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>Ό&amp;νομα:</translation>
    </message>
    <message>
        <source>&amp;Ziehungen (1 bis %1):</source>
        <translation>&amp;Κληρώσεις (1 έως %1):</translation>
    </message>
    <message>
        <source>&amp;Preis je Spalte und Ziehung:</source>
        <translation>&amp;Τιμή ανά στήλη και κλήρωση:</translation>
    </message>
    <message>
        <source>Die Ziehungen zählen ab dem %1; die Prüfungen werden danach neu berechnet.</source>
        <translation>Οι κληρώσεις μετρούν από την %1· οι έλεγχοι υπολογίζονται ξανά στη συνέχεια.</translation>
    </message>
    <message>
        <source>CSV-Datei|*.csv</source>
        <translation>Αρχείο CSV|*.csv</translation>
    </message>
    <message>
        <source>Meine Scheine – %1</source>
        <translation>Τα δελτία μου – %1</translation>
    </message>
    <message>
        <source>Druckvorschau: Meine Scheine</source>
        <translation>Προεπισκόπηση εκτύπωσης: τα δελτία μου</translation>
    </message>
    <message>
        <source>PDF-Dokument|*.pdf</source>
        <translation>Έγγραφο PDF|*.pdf</translation>
    </message>
    <message>
        <source>Die PDF-Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Το αρχείο PDF %1 δεν ήταν δυνατό να γραφτεί.</translation>
    </message>
</context>
</TS>
