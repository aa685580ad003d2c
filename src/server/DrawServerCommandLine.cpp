#include "server/DrawServerCommandLine.h"

#include <QCoreApplication>

namespace {

QString prefixed(const QString& message) {
    return QStringLiteral("quintara-drawserver: ") + message;
}

} // namespace

DrawServerCommandLine::DrawServerCommandLine()
    // -v is --verbose here, so the version has its long name only.
    : version(QStringLiteral("version"),
              QCoreApplication::translate("DrawServerCommandLine", "Zeigt Versionsinformation an.")),
      file(QStringList{QStringLiteral("f"), QStringLiteral("file")},
           QCoreApplication::translate(
               "DrawServerCommandLine",
               "Die Ziehungen, die beantwortet werden: eine Ergebnis-CSV oder eine ZahlenGR.dat."),
           QCoreApplication::translate("DrawServerCommandLine", "Pfad")),
      port(QStringList{QStringLiteral("p"), QStringLiteral("port")},
           QCoreApplication::translate("DrawServerCommandLine",
                                       "TCP-Port; 0 wählt einen freien (Vorgabe 8049)."),
           QCoreApplication::translate("DrawServerCommandLine", "Port"), QStringLiteral("8049")),
      bind(QStringList{QStringLiteral("b"), QStringLiteral("bind")},
           QCoreApplication::translate("DrawServerCommandLine",
                                       "Adresse, an der der Server lauscht (Vorgabe 127.0.0.1)."),
           QCoreApplication::translate("DrawServerCommandLine", "Adresse"), QStringLiteral("127.0.0.1")),
      verbose(QStringList{QStringLiteral("v"), QStringLiteral("verbose")},
              QCoreApplication::translate("DrawServerCommandLine", "Jede Anfrage ausgeben.")),
      upstream(
          QStringList{QStringLiteral("u"), QStringLiteral("upstream")},
          QCoreApplication::translate(
              "DrawServerCommandLine",
              "Spiegel: die Datei (eine ZahlenGR.dat, wird angelegt, wenn sie fehlt) aus dieser Quelle "
              "aktuell halten: dem Ergebnisdienst des Lotteriebetreibers, z. B. %1, oder einem anderen "
              "Ziehungsserver, z. B. %2.")
              .arg(QStringLiteral("https://api.opap.gr/draws/v3.0/5103"), QStringLiteral("http://host:8049")),
          QCoreApplication::translate("DrawServerCommandLine", "Adresse")),
      period(QStringLiteral("period"),
             QCoreApplication::translate("DrawServerCommandLine",
                                         "Spiegel: Minuten zwischen den Aktualisierungen (Vorgabe 60)."),
             QCoreApplication::translate("DrawServerCommandLine", "Minuten"), QStringLiteral("60")),
      since(QStringLiteral("since"),
            QCoreApplication::translate("DrawServerCommandLine",
                                        "Spiegel: womit eine leere Datei beginnt (Vorgabe 1990-12-01)."),
            QCoreApplication::translate("DrawServerCommandLine", "jjjj-mm-tt"),
            QStringLiteral("1990-12-01")) {}

void DrawServerCommandLine::addTo(QCommandLineParser& parser) const {
    parser.setApplicationDescription(QCoreApplication::translate(
        "DrawServerCommandLine", "Beantwortet die Ziehungsanfragen von Quintara GR über HTTP."));
    parser.addHelpOption();
    parser.addOption(version);
    parser.addOptions({file, port, bind, verbose, upstream, period, since});
}

QString DrawServerCommandLine::fileRequiredText() {
    return prefixed(QCoreApplication::translate("DrawServerCommandLine", "--file muss angegeben werden"));
}

QString DrawServerCommandLine::invalidValueText(const QCommandLineOption& option, const QString& value) {
    return prefixed(QCoreApplication::translate("DrawServerCommandLine", "ungültiger Wert für --%1: „%2“")
                        .arg(option.names().constLast(), value));
}

QString DrawServerCommandLine::mirrorNeedsDatFileText() {
    return prefixed(QCoreApplication::translate(
        "DrawServerCommandLine", "ein Spiegel hält eine ZahlenGR.dat aktuell, keine CSV-Datei"));
}

QString DrawServerCommandLine::cannotListenText(const QString& address, unsigned port,
                                                const QString& reason) {
    return prefixed(QCoreApplication::translate("DrawServerCommandLine", "kann nicht an %1:%2 lauschen: %3")
                        .arg(address)
                        .arg(port)
                        .arg(reason));
}

QString DrawServerCommandLine::fileInUseText(const QString& file, qint64 holderPid) {
    return prefixed(QCoreApplication::translate("DrawServerCommandLine",
                                                "%1 wird schon von einem anderen Spiegel fortgeschrieben "
                                                "(Prozess %2); zwei Spiegel einer Datei verlören Ziehungen")
                        .arg(file)
                        .arg(holderPid));
}
