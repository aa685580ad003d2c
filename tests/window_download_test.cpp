#include "app/TForm1.h"
#include "base/SettingsStore.h"
#include "history/DrawDownload.h"
#include "history/NextDraw.h"
#include "history/PrizeTable.h"
#include "server/DrawServer.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QTest>

#include <QHostAddress>
#include <gtest/gtest.h>

namespace {

// The real history up to a cut date goes into the program directory; the server holds all of it.
struct WindowDownload : ::testing::Test {
    TestProgramDir dir;
    std::vector<DrawRecord> all = realHistory();
    std::unique_ptr<DrawServer> server;
    std::vector<QString> targets;

    void SetUp() override {
        server = std::make_unique<DrawServer>(DrawTable(all));
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        QObject::connect(server.get(), &DrawServer::requestServed,
                         [this](const DrawServer::Request& r) { targets.push_back(r.target); });
    }
    std::vector<DrawRecord> upTo(QDate last) const {
        std::vector<DrawRecord> out;
        for (const auto& r : all)
            if (r.date <= DayCount::fromDate(last)) out.push_back(r);
        return out;
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server->port()); }
};

} // namespace

TEST_F(WindowDownload, BringsTheHistoryUpToDateAndShowsTheNewestDraw) {
    dir.writeHistory(upTo(QDate(2025, 7, 30)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->controls().DrawServerEdit->setText(address());
    f->controls().ListBox1->addItem(QStringLiteral("07,09,30,33,36,37:Normal"));

    f->controls().BitBtn1->click();
    // The click has only started the run: the window goes on handling events meanwhile.
    EXPECT_TRUE(f->downloadRunning());
    EXPECT_FALSE(f->controls().BitBtn1->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));

    const auto after = dir.readHistory();
    ASSERT_EQ(after.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(after[i].date, all[i].date) << i;
        ASSERT_EQ(after[i].numbers, all[i].numbers) << i;
        ASSERT_EQ(after[i].additional, all[i].additional) << i;
    }
    // One request per day from the day after the newest draw up to today.
    ASSERT_EQ(targets.size(), 33u);
    EXPECT_EQ(targets.front(), QStringLiteral("/zahlen/velmora.asp?Datum=20250731"));
    EXPECT_EQ(targets.back(), QStringLiteral("/zahlen/velmora.asp?Datum=20250901"));

    // End of run: controls back, stop button hidden, newest draw current and checked.
    EXPECT_TRUE(f->controls().BitBtn1->isEnabled());
    EXPECT_TRUE(f->controls().SpeedButton10->isEnabled());
    EXPECT_TRUE(f->controls().SpeedButton8->isHidden());
    EXPECT_EQ(f->currentDraw().date, all.back().date);
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2025, 8, 30));
    EXPECT_EQ(f->controls().Label35->text(), f->controls().Label29->text());
    EXPECT_EQ(f->controls().ListBox2->count(), 1);
    EXPECT_EQ(f->controls().ListBox2->item(0)->text(), QStringLiteral("6"));
    EXPECT_EQ(f->controls().StatusBar1->panelText(1), QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
}

TEST_F(WindowDownload, StopButtonAbandonsTheRequestInFlight) {
    dir.writeHistory(upTo(QDate(2025, 6, 28)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->controls().DrawServerEdit->setText(address());
    int served = 0;
    QObject::connect(server.get(), &DrawServer::requestServed, [&](const DrawServer::Request&) {
        // While the run holds the window, the stop button is the one control that acts.
        if (++served == 5) {
            EXPECT_FALSE(f->controls().BitBtn1->isEnabled());
            EXPECT_FALSE(f->controls().SpeedButton8->isHidden());
            f->controls().SpeedButton8->click();
        }
    });
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    // 29 June to 3 July were asked; the answer for 3 July was still on its way and is dropped.
    EXPECT_EQ(served, 5);
    EXPECT_EQ(dir.readHistory(), upTo(QDate(2025, 7, 2)));
    EXPECT_TRUE(f->controls().SpeedButton8->isHidden());
    EXPECT_TRUE(f->controls().StatusBar1->panelText(0).contains(QStringLiteral("angehalten")))
        << f->controls().StatusBar1->panelText(0).toStdString();
}

TEST_F(WindowDownload, StopButtonEndsAHangingRequestAtOnce) {
    dir.writeHistory(upTo(QDate(2025, 8, 27)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->setDownloadTimeout(std::chrono::minutes(5));
    FakeOperator fake(all);
    fake.script = [&](const SeenRequest&, int) -> std::optional<FakeAnswer> {
        QTimer::singleShot(50, f.form.get(), [&] { f->controls().SpeedButton8->click(); });
        return FakeAnswer::hanging();
    };
    f->controls().DrawServerEdit->setText(fake.base());
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    // Without the abort the run would wait for the five-minute time-out and say so.
    EXPECT_EQ(fake.requests.size(), 1u);
    const QString panel = f->controls().StatusBar1->panelText(0);
    EXPECT_TRUE(panel.contains(QStringLiteral("angehalten"))) << panel.toStdString();
    EXPECT_FALSE(panel.contains(QStringLiteral("Zeitüberschreitung")));
    EXPECT_EQ(dir.readHistory(), upTo(QDate(2025, 8, 27)));
    EXPECT_TRUE(f->controls().BitBtn1->isEnabled());
}

TEST_F(WindowDownload, OperatorUpdateFromTheEndOf2024GivesTheBundledHistory) {
    dir.writeHistory(upTo(QDate(2024, 12, 28)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    FakeOperator fake(all);
    fake.maxLimit = 25;
    f->controls().DrawServerEdit->setText(fake.base());

    f->controls().BitBtn1->click();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));

    // Byte for byte the history the build makes from the bundled CSV: 3,449 draws.
    QFile built(QStringLiteral(QUINTARA_BINARY_DIR "/ZahlenGR.sample.dat"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    QFile now(dir.file(QStringLiteral("ZahlenGR.dat")));
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    const QByteArray bytes = now.readAll();
    EXPECT_EQ(bytes.size(), 3449 * 32);
    EXPECT_TRUE(bytes == built.readAll());
    EXPECT_EQ(fake.requests.size(), 9u); // eight ranges of at most 31 days, then the next draw

    EXPECT_TRUE(f->controls().StatusBar1->panelText(0).startsWith(
        QStringLiteral("70 neue Ziehungen gespeichert, die neueste vom 30.08.2025.")))
        << f->controls().StatusBar1->panelText(0).toStdString();
    EXPECT_EQ(f->currentDraw().date, all.back().date);
    EXPECT_EQ(PrizeTable::read(f->prizeTablePath()).size(), 70);
    EXPECT_EQ(QFileInfo(f->prizeTablePath()).dir(), QFileInfo(f->historyPath()).dir());
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
}

TEST_F(WindowDownload, OtherActionsWaitWhileTheRunGoesOn) {
    dir.writeHistory(upTo(QDate(2025, 8, 20)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->controls().DrawServerEdit->setText(address());
    QObject::connect(server.get(), &DrawServer::requestServed, [&](const DrawServer::Request&) {
        // A second update and a deletion are held back during the run.
        f->controls().Aktualisieren1->trigger();
        f->controls().BitBtn6->click();
    });
    const auto before = upTo(QDate(2025, 8, 20)).size();
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    EXPECT_EQ(dir.readHistory().size(), before + 3);
    EXPECT_EQ(targets.size(), 12u);
}

TEST_F(WindowDownload, UnreachableOrInvalidServerIsReported) {
    dir.writeHistory(upTo(QDate(2025, 8, 23)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 8, 31);
    f->controls().DrawServerEdit->setText(QStringLiteral("not an address"));
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->errors()[0].contains(QStringLiteral("Ziehungsserver")));

    // A refused connection: every date fails, nothing is stored, the run ends normally.
    const quint16 port = server->port();
    server.reset();
    f->controls().DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:%1").arg(port));
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    EXPECT_EQ(dir.readHistory().size(), upTo(QDate(2025, 8, 23)).size());
    // The failed update says why in one box, not only in the narrow panel.
    ASSERT_EQ(f.platform.dialogs->errors().size(), 2);
    EXPECT_TRUE(f.platform.dialogs->errors()[1].contains(QStringLiteral("5 Anfragen hintereinander blieben ohne Antwort")))
        << f.platform.dialogs->errors()[1].toStdString();
    EXPECT_TRUE(f->controls().BitBtn1->isEnabled());
    EXPECT_TRUE(f->controls().SpeedButton8->isHidden());
    EXPECT_EQ(f->currentDraw().date, upTo(QDate(2025, 8, 23)).back().date);
    // Panel 0 says why nothing came, in words.
    const QString panel = f->controls().StatusBar1->panelText(0);
    EXPECT_TRUE(panel.startsWith(QStringLiteral("Keine neue Ziehung gespeichert."))) << panel.toStdString();
    EXPECT_TRUE(panel.contains(QStringLiteral("Verbindung zu 127.0.0.1:%1 abgelehnt").arg(port)))
        << panel.toStdString();
    // A server that is not there: five days asked, then the run ends and says so.
    EXPECT_TRUE(panel.contains(QStringLiteral("5 Anfragen hintereinander blieben ohne Antwort"))) << panel.toStdString();
    // The narrow panel shows the start; pointing at it shows all of it.
    const auto* panelLabel = f->controls().StatusBar1->findChild<QLabel*>(QStringLiteral("StatusBar1Panel0"));
    ASSERT_NE(panelLabel, nullptr);
    EXPECT_EQ(panelLabel->toolTip(), panel);

    // The same through the operator's service: the run ends at the first failure and says so.
    f->controls().DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:%1/draws/v3.0/5103").arg(port));
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    const QString operatorPanel = f->controls().StatusBar1->panelText(0);
    ASSERT_EQ(f.platform.dialogs->errors().size(), 3);
    EXPECT_TRUE(f.platform.dialogs->errors()[2].contains(QStringLiteral("abgelehnt")));
    EXPECT_TRUE(operatorPanel.contains(QStringLiteral("Grund:"))) << operatorPanel.toStdString();
    EXPECT_TRUE(operatorPanel.contains(QStringLiteral("abgelehnt"))) << operatorPanel.toStdString();
}

TEST_F(WindowDownload, CommandLineAddressWinsOverTheSetting) {
    dir.writeHistory(upTo(QDate(2025, 8, 27)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 8, 30);
    f->controls().DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:1"));
    f->setServerOverride(address());
    EXPECT_EQ(f->drawServerAddress(), address());
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    EXPECT_EQ(dir.readHistory().size(), all.size());
}

namespace {

void storeSettings(const std::vector<std::pair<QString, QString>>& texts, const std::vector<std::pair<QString, int>>& numbers) {
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    for (const auto& [name, value] : texts) key.writeString(name, value);
    for (const auto& [name, value] : numbers) key.writeInteger(name, value);
    key.save();
}

// Runs queued events until `done` holds (at most about ten seconds).
bool waitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 1000 && !done(); ++i) {
        FormFixture::processEvents();
        QTest::qWait(10);
    }
    return done();
}

} // namespace

TEST_F(WindowDownload, AShownWindowUpdatesByItselfWhenADrawIsMissing) {
    dir.writeHistory(upTo(QDate(2025, 8, 16)));
    FakeOperator fake(all);
    storeSettings({{QStringLiteral("DrawServer"), fake.base()}}, {});
    TestPlatform platform;
    platform.updateAtStart = true;
    platform.clock->date = QDate(2025, 9, 1);
    TForm1 form(dir.path(), platform.platform());
    EXPECT_TRUE(form.controls().NextDrawLabel->text().contains(QStringLiteral("unbekannt")));
    form.show();
    ASSERT_TRUE(waitFor([&] { return dir.readHistory().size() == all.size() && !form.downloadRunning(); }));
    EXPECT_TRUE(form.controls().UpdateAtStartCheck->isChecked()); // on for a new installation
    EXPECT_TRUE(form.controls().StatusBar1->panelText(0).startsWith(QStringLiteral("4 neue Ziehungen gespeichert")))
        << form.controls().StatusBar1->panelText(0).toStdString();
    EXPECT_TRUE(platform.dialogs->questions().isEmpty()); // nothing asked
    // The next draw the service announced, on the Datenbank page.
    EXPECT_EQ(form.controls().NextDrawLabel->text(),
              QStringLiteral("Nächste Ziehung: Mittwoch, 03.09.2025, 22:00 Uhr (griechische Zeit) – Jackpot: 1.200.000 €"));
    EXPECT_TRUE(NextDraw::read(form.nextDrawPath()));
    EXPECT_TRUE(form.controls().BitBtn1->isEnabled());
    form.close();
}

TEST_F(WindowDownload, NoUpdateAtStartWhenSwitchedOffOrNothingIsMissing) {
    FakeOperator fake(all);
    for (const bool wanted : {false, true}) {
        SCOPED_TRACE(wanted);
        // Switched off with a draw missing; on with the history up to the last draw day.
        dir.writeHistory(wanted ? all : upTo(QDate(2025, 8, 16)));
        storeSettings({{QStringLiteral("DrawServer"), fake.base()}}, {{QStringLiteral("UpdateAtStart"), wanted ? 1 : 0}});
        TestPlatform platform;
        platform.updateAtStart = true;
        platform.clock->date = QDate(2025, 9, 2); // the last draw day before is Saturday 30 August
        TForm1 form(dir.path(), platform.platform());
        form.show();
        for (int i = 0; i < 20; ++i) {
            FormFixture::processEvents();
            QTest::qWait(10);
        }
        EXPECT_EQ(form.controls().UpdateAtStartCheck->isChecked(), wanted);
        EXPECT_TRUE(fake.requests.empty());
        EXPECT_FALSE(form.drawMissing() && wanted);
        form.close();
    }
}

TEST_F(WindowDownload, TheOldLocalServerIsQuestionedOnceAtStart) {
    dir.writeHistory(all); // nothing due: the answer alone is seen
    storeSettings({{QStringLiteral("DrawServer"), QStringLiteral("http://127.0.0.1:8049")}}, {});
    {
        TestPlatform platform;
        platform.updateAtStart = true;
        platform.dialogs->questionAnswers.push_back(Dialogs::Answer::Yes);
        TForm1 form(dir.path(), platform.platform());
        form.show();
        ASSERT_TRUE(waitFor([&] { return !platform.dialogs->questions().isEmpty(); }));
        EXPECT_TRUE(platform.dialogs->questions()[0].contains(QStringLiteral("http://127.0.0.1:8049")));
        EXPECT_EQ(form.controls().DrawServerEdit->text(), QString::fromLatin1(DrawDownload::DefaultServer));
        form.close();
    }
    // Asked once: a later start with the old address set again asks nothing.
    storeSettings({{QStringLiteral("DrawServer"), QStringLiteral("http://127.0.0.1:8049")}}, {});
    TestPlatform platform;
    platform.updateAtStart = true;
    TForm1 form(dir.path(), platform.platform());
    form.show();
    for (int i = 0; i < 20; ++i) {
        FormFixture::processEvents();
        QTest::qWait(10);
    }
    EXPECT_TRUE(platform.dialogs->questions().isEmpty());
    EXPECT_EQ(form.controls().DrawServerEdit->text(), QStringLiteral("http://127.0.0.1:8049"));
    form.close();
}

TEST_F(WindowDownload, TheStoredNextDrawShowsInThePlayersLanguageWithItsAge) {
    dir.installBesideFiles();
    dir.writeHistory(upTo(QDate(2025, 8, 27)));
    // Fetched on 28 August: the draw of Saturday 30 August at 22:00 in Athens.
    NextDraw{QDate(2025, 8, 28), {2925, FakeOperator::drawTimeOf(QDate(2025, 8, 30)), 2500000.5}}.write(
        NextDraw::companionPath(dir.file(QStringLiteral("ZahlenGR.dat"))));
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir, false);
    EXPECT_EQ(f->controls().NextDrawLabel->text(),
              QStringLiteral("Nächste Ziehung: Samstag, 30.08.2025, 22:00 Uhr (griechische Zeit) – Jackpot: 2.500.000,50 €"));
    f->Englichen1Click();
    EXPECT_EQ(f->controls().NextDrawLabel->text(),
              QStringLiteral("Next draw: Saturday, 30.08.2025, 22:00 (Greek time) – Jackpot: €2,500,000.50"));
    f->Grichisch1Click();
    EXPECT_TRUE(f->controls().NextDrawLabel->text().startsWith(QStringLiteral("Επόμενη κλήρωση: Σάββατο, 30.08.2025, 22:00")))
        << f->controls().NextDrawLabel->text().toStdString();

    // Once a newer draw is stored the figure is old: its date shows.
    dir.writeHistory(all);
    f->Deutsch1Click();
    EXPECT_TRUE(f->controls().NextDrawLabel->text().endsWith(QStringLiteral("(Stand: 28.08.2025)")))
        << f->controls().NextDrawLabel->text().toStdString();
}
