#include "app/TForm1.h"
#include "base/Errors.h"
#include "history/DrawHistory.h"

#include <QDateTime>
#include <QFileInfo>

void TForm1::BitBtn4Click() {
    {
        BusyCursor busy;
        history().removeDate(currentDraw.date);
    }
    SpeedButton5Click();
}

void TForm1::checkHistoryDamage() {
    const DrawHistory file = history();
    if (!file.exists()) return;
    DrawHistory::Damage damage;
    try {
        damage = file.inspect();
    } catch (const AppError&) {
        return; // the first reader of the activation reports it
    }
    if (!damage.any()) return;
    QString what = tr("Die Datei der Ziehungen \"%1\" ist beschädigt: %2 von %3 Datensätzen sind "
                      "keine gültigen Ziehungen oder stehen außer der Reihe, der erste an Position %4.")
                       .arg(file.filePath())
                       .arg(damage.damaged)
                       .arg(damage.records)
                       .arg(damage.firstDamaged + 1);
    if (damage.trailingBytes > 0)
        what += QLatin1Char(' ') + tr("Am Ende steht ein abgeschnittener Datensatz (%1 Bytes).").arg(damage.trailingBytes);
    const QString backup = file.filePath() + QStringLiteral(".beschaedigt-") +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString question =
        what + QStringLiteral("\n\n") +
        tr("Soll die Datei repariert werden? Die %1 gültigen Ziehungen bleiben in Datumsfolge erhalten, "
           "die beschädigte Datei wird als \"%2\" aufbewahrt. Ohne Reparatur bleibt die Datei unverändert.")
            .arg(damage.good.size())
            .arg(QFileInfo(backup).fileName());
    if (m_platform.dialogs->question(this, question) != Dialogs::Answer::Yes) return;
    runAction([&] {
        BusyCursor busy;
        file.repair(backup);
        showMessage(tr("Die Datei der Ziehungen wurde repariert; die beschädigte Fassung liegt in \"%1\".")
                        .arg(backup));
    });
}
