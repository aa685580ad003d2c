// The Help menu: the manual and what the program is.
#include "app/TForm1.h"
#include "base/BuildInfo.h"
#include "history/DrawDownload.h"

#include <QDir>

void TForm1::Handbuch1Click() {
    const QString manual = m_paths.manualPath();
    if (manual.isEmpty()) {
        showMessage(tr("Das Handbuch (README.md) liegt nicht bei diesem Programm."));
        return;
    }
    if (!m_platform.shell->open(manual))
        showMessage(tr("Das Handbuch liegt in %1, aber das System hat kein Programm, das die Datei öffnet.")
                        .arg(QDir::toNativeSeparators(manual)));
}

QString TForm1::aboutText() const {
    return tr("Quintara GR, Version %1\n"
              "Ein Programm für Spieler des griechischen Lotto 6 aus 49.\n\n"
              "Lizenz: MIT-Lizenz, Copyright (c) 2026 Brenlow. Das Programm darf frei benutzt, "
              "kopiert und verändert werden; es kommt ohne jede Gewähr.\n\n"
              "Datenquellen:\n"
              "• Neue Ziehungen und Quoten: der Ergebnisdienst des Lottoveranstalters (%2) oder der "
              "Ziehungsserver, der unter „Internet-Optionen“ eingestellt ist.\n"
              "• Mitgelieferte Ziehungen vom 05.12.1990 bis 30.08.2025: die vom Lottoveranstalter "
              "veröffentlichten Jahreslisten.\n\n"
              "Keine Gewähr für die Richtigkeit der Zahlen!")
        .arg(BuildInfo::version(), QString::fromLatin1(DrawDownload::DefaultServer));
}

void TForm1::UeberQuintara1Click() {
    showMessage(aboutText());
}
