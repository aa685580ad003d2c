// The next draw on the Datenbank page, and the update the window runs by itself at start.
#include "app/TForm1.h"
#include "base/DayCount.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "history/NextDraw.h"

#include <QLocale>
#include <cmath>

namespace {

// Euros without cents when there are none.
QString euros(double amount) {
    const QLocale locale;
    return amount == std::floor(amount) ? locale.toString(amount, 'f', 0) : locale.toString(amount, 'f', 2);
}

} // namespace

QString TForm1::nextDrawPath() const {
    return NextDraw::companionPath(historyPath());
}

void TForm1::showNextDraw() {
    if (!ui.NextDrawLabel) return;
    const std::optional<NextDraw> next = NextDraw::read(nextDrawPath());
    if (!next) {
        ui.NextDrawLabel->setText(tr("Nächste Ziehung: unbekannt"));
        return;
    }
    const QDateTime when = OperatorResults::greekTime(next->draw.drawTime);
    QString text = tr("Nächste Ziehung: %1, %2, %3 Uhr (griechische Zeit)")
                       .arg(QLocale().dayName(when.date().dayOfWeek(), QLocale::LongFormat),
                            when.date().toString(QStringLiteral("dd.MM.yyyy")), when.time().toString(QStringLiteral("HH:mm")));
    text += QStringLiteral(" – ") +
            (next->draw.jackpot ? tr("Jackpot: %1 €").arg(euros(*next->draw.jackpot)) : tr("Jackpot: unbekannt"));
    // An announcement fetched before the newest stored draw may be out of date: its age shows.
    double newest = 0;
    try {
        if (const auto last = history().lastRecord()) newest = last->date;
    } catch (const std::exception&) {
        // An unreadable history has no newest draw to compare with.
    }
    if (DayCount::fromDate(next->fetched) < newest)
        text += QLatin1Char(' ') + tr("(Stand: %1)").arg(next->fetched.toString(QStringLiteral("dd.MM.yyyy")));
    ui.NextDrawLabel->setText(text);
}

bool TForm1::drawMissing() const {
    std::optional<DrawRecord> last;
    try {
        last = history().lastRecord();
    } catch (const std::exception&) {
        return false; // the start-up reports a damaged history; no update on top of it
    }
    if (!last || last->date <= 0) return false;
    // The last Wednesday or Saturday before today: its draw is published by now.
    const QDate drawDay = NextDraw::drawDayOnOrBefore(m_platform.clock->today().addDays(-1));
    return last->date < DayCount::fromDate(drawDay);
}

void TForm1::startUpUpdate() {
    if (m_closed || m_busy || downloadRunning()) return;
    if (!m_serverQuestionAsked && m_serverOverride.isEmpty() &&
        ui.DrawServerEdit->text().trimmed() == QLatin1String(DrawDownload::LocalServer)) {
        m_serverQuestionAsked = true;
        const QString question =
            tr("Die Ziehungen kommen bisher vom Ziehungsserver %1 auf diesem Rechner. Sollen sie künftig direkt "
               "vom Ergebnisdienst des Lottoveranstalters (%2) kommen? Die Adresse steht auf der Seite "
               "Internet-Optionen.")
                .arg(QString::fromLatin1(DrawDownload::LocalServer), QString::fromLatin1(DrawDownload::DefaultServer));
        if (m_platform.dialogs->question(this, question) == Dialogs::Answer::Yes)
            ui.DrawServerEdit->setText(QString::fromLatin1(DrawDownload::DefaultServer));
    }
    if (!ui.UpdateAtStartCheck->isChecked() || !drawMissing()) return;
    runAction([this] { QuintaraClick(); });
}
