// The draw update, the next draw on the Datenbank page and the update the window runs at start.
#include "app/TForm1.h"
#include "base/DayCount.h"
#include "base/Log.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "history/NextDraw.h"
#include "history/PrizeTable.h"
#include "net/HttpClient.h"

#include <QLabel>
#include <QLocale>
#include <cmath>

// The window as the update run sees it.
class TForm1::DownloadView : public DrawDownloadView {
public:
    explicit DownloadView(TForm1& form) : f(form) {}

    void runStarted() override { showRunning(true); }
    void runEnded() override {
        showRunning(false);
        f.ui.Label35->setText(f.ui.Label29->text());
        f.m_evaluationEnabled = true;
        // The run's last progress text gives way to the summary the window writes afterwards.
        f.ui.StatusBar1->setPanelText(0, QString());
        f.runAction([this] { f.SpeedButton5Click(); });
    }
    double requestDate() const override { return f.ui.DateTimePicker1->dayCount(); }
    bool setRequestDate(double dayCount) override { return f.ui.DateTimePicker1->trySetDayCount(dayCount); }
    QDate today() const override { return f.platform().clock->today(); }
    // isHidden, not isVisible: the button counts as shown while the window itself is not.
    bool stopRequested() const override { return f.ui.SpeedButton8->isHidden(); }
    QString proxyHostText() const override { return f.ui.ProxyHostEdit->text(); }
    QString proxyPortText() const override { return f.ui.ProxyPortEdit->text(); }
    void setStatusText(int panel, const QString& text) override {
        f.ui.StatusBar1->setPanelText(panel, text);
    }
    void setCurrentDrawDate(double dayCount) override { f.m_currentDraw.date = dayCount; }
    void setDrawText(const QString& text) override { f.ui.Label29->setText(text); }
    void setCrossSumText(const QString& text) override { f.ui.Label13->setText(text); }
    void setTipDrawText(const QString& text) override { f.ui.Label35->setText(text); }

private:
    void showRunning(bool running) {
        f.ui.BitBtn1->setEnabled(!running);
        f.ui.SpeedButton10->setEnabled(!running);
        f.ui.Aktualisieren1->setEnabled(!running);
        f.ui.SpeedButton8->setVisible(running);
    }

    TForm1& f;
};

QString TForm1::drawServerAddress() const {
    return m_serverOverride.isEmpty() ? ui.DrawServerEdit->text().trimmed() : m_serverOverride;
}

QString TForm1::prizeTablePath() const {
    return PrizeTable::companionPath(historyPath());
}

void TForm1::QuintaraClick() {
    if (downloadRunning()) return;
    const auto source = DrawSource::parse(drawServerAddress());
    if (!source) {
        qCWarning(logUpdate).noquote() << "no valid draw server address:" << drawServerAddress();
        showError(tr("Die Adresse des Ziehungsservers \"%1\" ist ungültig. Erwartet wird der Ergebnisdienst "
                     "des Lottoveranstalters, zum Beispiel %2, oder ein Ziehungsserver wie %3.")
                      .arg(drawServerAddress(), QString::fromLatin1(DrawDownload::DefaultServer),
                           QString::fromLatin1(DrawDownload::LocalServer)));
        return;
    }
    // One client for the program run, so cookies a server sets are kept between runs.
    if (!m_http && m_platform.http) m_http = m_platform.http();
    if (!m_http) m_http = std::make_unique<HttpClient>();
    m_http->setTimeout(m_downloadTimeout);
    m_download = std::make_unique<DrawDownload>(*m_http, historyPath(), *source);
    m_download->setPrizeTablePath(prizeTablePath());
    m_download->setNextDrawPath(nextDrawPath());
    if (!m_downloadView) m_downloadView = std::make_shared<DownloadView>(*this);
    std::vector<DrawRecord> before = storedDraws();
    // Other actions wait until the run reports its end; the window goes on handling events.
    m_busy = true;
    const QString address = source->address.toString();
    m_download->start(*m_downloadView, [this, address, before = std::move(before)](const DrawDownloadResult& result) {
        m_busy = false;
        runAction([&] { downloadEnded(result, address, before); });
    });
}

void TForm1::downloadEnded(const DrawDownloadResult& result, const QString& address,
                           const std::vector<DrawRecord>& before) {
    if (result.refused) return;
    showNextDraw();
    const QString checkStatus = ui.StatusBar1->panelText(0);
    const QString summary = result.summaryText();
    if (result.wentWrong()) qCWarning(logUpdate).noquote() << address << summary;
    // The slips that cover the new draws come next: what the player played matters most.
    QString text = summary;
    for (const QString& part : {checkSlipsOfNewDraws(before), checkStatus})
        if (!part.isEmpty()) text += QStringLiteral("   ") + part;
    ui.StatusBar1->setPanelText(0, text);
    // The panel is narrow; the whole outcome can be read by pointing at it.
    if (auto* panel = ui.StatusBar1->findChild<QLabel*>(QStringLiteral("StatusBar1Panel0"))) panel->setToolTip(text);
    // A failed update says why in one box too; the panel is easily overlooked.
    if (!result.error.isEmpty())
        showError(result.error);
    else if (result.wentWrong())
        showError(tr("Die Aktualisierung der Ziehungen ist nicht ganz gelungen.\n%1").arg(summary));
}

void TForm1::SpeedButton8Click() {
    ui.SpeedButton8->hide();
    // The request under way is abandoned at once; what was stored stays.
    if (downloadRunning()) m_download->abort();
}

bool TForm1::downloadRunning() const {
    return m_download && m_download->running();
}

QString TForm1::nextDrawPath() const {
    return NextDraw::companionPath(historyPath());
}

void TForm1::showNextDraw() {
    const std::optional<NextDraw> next = NextDraw::read(nextDrawPath());
    if (!next) {
        ui.NextDrawLabel->setText(tr("Nächste Ziehung: unbekannt"));
        return;
    }
    const QDateTime when = OperatorResults::greekTime(next->draw.drawTime);
    QString text = tr("Nächste Ziehung: %1, %2, %3 Uhr (griechische Zeit)")
                       .arg(QLocale().dayName(when.date().dayOfWeek(), QLocale::LongFormat),
                            when.date().toString(QStringLiteral("dd.MM.yyyy")), when.time().toString(QStringLiteral("HH:mm")));
    const std::optional<double> jackpot = next->draw.jackpot;
    // Euros without cents when there are none.
    const int decimals = jackpot && *jackpot != std::floor(*jackpot) ? 2 : 0;
    text += QStringLiteral(" – ") + (jackpot ? tr("Jackpot: %1 €").arg(QLocale().toString(*jackpot, 'f', decimals))
                                             : tr("Jackpot: unbekannt"));
    // An announcement fetched before the newest stored draw may be out of date: its age shows.
    if (DayCount::fromDate(next->fetched) < newestDrawDate())
        text += QLatin1Char(' ') + tr("(Stand: %1)").arg(next->fetched.toString(QStringLiteral("dd.MM.yyyy")));
    ui.NextDrawLabel->setText(text);
}

double TForm1::newestDrawDate() const {
    try {
        if (const auto last = history().lastRecord()) return last->date;
    } catch (const std::exception&) {
        // An unreadable history has no newest draw; the start-up reports it.
    }
    return 0;
}

bool TForm1::drawMissing() const {
    const double newest = newestDrawDate();
    if (newest <= 0) return false;
    // The last Wednesday or Saturday before today: its draw is published by now.
    const QDate drawDay = NextDraw::drawDayOnOrBefore(m_platform.clock->today().addDays(-1));
    return newest < DayCount::fromDate(drawDay);
}

void TForm1::startUpUpdate() {
    if (m_closed || m_busy || downloadRunning()) return;
    if (!m_settings.serverQuestion && m_serverOverride.isEmpty() &&
        ui.DrawServerEdit->text().trimmed() == QLatin1String(DrawDownload::LocalServer)) {
        m_settings.serverQuestion = true;
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
