<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>AnalysisReport</name>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) besser als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Insgesamt: In %n Gewinnklasse besser als 95 % der Zufallsspieler.</numerusform>
            <numerusform>Insgesamt: In %n Gewinnklassen besser als 95 % der Zufallsspieler.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Insgesamt: In %n Gewinnklasse(n) schlechter als 95 % der Zufallsspieler.</source>
        <translation>
            <numerusform>Insgesamt: In %n Gewinnklasse schlechter als 95 % der Zufallsspieler.</numerusform>
            <numerusform>Insgesamt: In %n Gewinnklassen schlechter als 95 % der Zufallsspieler.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlipTips</name>
    <message numerus="yes">
        <source>Vollsystem: %n Reihen, Einsatz %1</source>
        <translation>
            <numerusform>Vollsystem: %n Reihe, Einsatz %1</numerusform>
            <numerusform>Vollsystem: %n Reihen, Einsatz %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reihen aus %1</source>
        <translation>
            <numerusform>%n Reihe aus %1</numerusform>
            <numerusform>%n Reihen aus %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message numerus="yes">
        <source>%n gespeicherte Ziehung(en) würden durch die Datei ersetzt. Importieren?</source>
        <translation>
            <numerusform>%n gespeicherte Ziehung würde durch die Datei ersetzt. Importieren?</numerusform>
            <numerusform>%n gespeicherte Ziehungen würden durch die Datei ersetzt. Importieren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Die eben gelöschten %n Tipps wiederherstellen (Rückgängig)</source>
        <translation>
            <numerusform>Den eben gelöschten Tipp wiederherstellen (Rückgängig)</numerusform>
            <numerusform>Die eben gelöschten %n Tipps wiederherstellen (Rückgängig)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TipTest</name>
    <message numerus="yes">
        <source>Suche abgebrochen nach %n geprüften Ziehungen.</source>
        <translation>
            <numerusform>Suche abgebrochen nach %n geprüften Ziehung.</numerusform>
            <numerusform>Suche abgebrochen nach %n geprüften Ziehungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche beendet: %n Ziehungen geprüft.</source>
        <translation>
            <numerusform>Suche beendet: %n Ziehung geprüft.</numerusform>
            <numerusform>Suche beendet: %n Ziehungen geprüft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ziehungen mit mindestens %n Richtigen: %1</source>
        <translation>
            <numerusform>Ziehungen mit mindestens %n Richtigen: %1</numerusform>
            <numerusform>Ziehungen mit mindestens %n Richtigen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere Tipps mit Treffern</source>
        <translation>
            <numerusform>… und %n weiterer Tipp mit Treffern</numerusform>
            <numerusform>… und %n weitere Tipps mit Treffern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weitere Tipps ohne Treffer</source>
        <translation>
            <numerusform>%n weiterer Tipp ohne Treffer</numerusform>
            <numerusform>%n weitere Tipps ohne Treffer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1: %2  (%n Richtige)</source>
        <translation>
            <numerusform>Tipp %1: %2  (%n Richtiger)</numerusform>
            <numerusform>Tipp %1: %2  (%n Richtige)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tipp %1 (%2): %n Treffer</source>
        <translation>
            <numerusform>Tipp %1 (%2): %n Treffer</numerusform>
            <numerusform>Tipp %1 (%2): %n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Winnings</name>
    <message numerus="yes">
        <source>Gewinn: mindestens %1 € (für %n Gewinnreihe(n) ist die Quote unbekannt)</source>
        <translation>
            <numerusform>Gewinn: mindestens %1 € (für %n Gewinnreihe ist die Quote unbekannt)</numerusform>
            <numerusform>Gewinn: mindestens %1 € (für %n Gewinnreihen ist die Quote unbekannt)</numerusform>
        </translation>
    </message>
</context>
</TS>
