#include "app/TForm1.h"
#include "server/DrawServer.h"
#include "support/TestPlatform.h"

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
    f->ui.DrawServerEdit->setText(address());
    f->ui.ListBox1->addItem(QStringLiteral("07,09,30,33,36,37:Normal"));

    f->ui.BitBtn1->click();

    const auto after = dir.readHistory();
    ASSERT_EQ(after.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(after[i].date, all[i].date) << i;
        ASSERT_EQ(after[i].numbers, all[i].numbers) << i;
        ASSERT_EQ(after[i].additional, all[i].additional) << i;
    }
    // One request per draw day from the Saturday after the newest draw up to today.
    ASSERT_FALSE(targets.empty());
    EXPECT_EQ(targets.front(), QStringLiteral("/zahlen/velmora.asp?Datum=20250802"));
    EXPECT_EQ(targets.back(), QStringLiteral("/zahlen/velmora.asp?Datum=20250830"));

    // End of run: controls back, stop button hidden, newest draw current and checked.
    EXPECT_TRUE(f->ui.BitBtn1->isEnabled());
    EXPECT_TRUE(f->ui.SpeedButton10->isEnabled());
    EXPECT_TRUE(f->ui.SpeedButton8->isHidden());
    EXPECT_EQ(f->currentDraw.date, all.back().date);
    EXPECT_EQ(f->ui.DateTimePicker1->date(), QDate(2025, 8, 30));
    EXPECT_EQ(f->ui.Label35->text(), f->ui.Label29->text());
    EXPECT_EQ(f->ui.ListBox2->count(), 1);
    EXPECT_EQ(f->ui.ListBox2->item(0)->text(), QStringLiteral("6"));
    EXPECT_EQ(f->ui.StatusBar1->panelText(1), QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
}

TEST_F(WindowDownload, StopButtonEndsTheRunAfterTheCurrentRequest) {
    dir.writeHistory(upTo(QDate(2025, 6, 28)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->ui.DrawServerEdit->setText(address());
    int served = 0;
    QObject::connect(server.get(), &DrawServer::requestServed, [&](const DrawServer::Request&) {
        // While the run holds the window, the stop button is the one control that acts.
        if (++served == 3) {
            EXPECT_FALSE(f->ui.BitBtn1->isEnabled());
            EXPECT_FALSE(f->ui.SpeedButton8->isHidden());
            f->ui.SpeedButton8->click();
        }
    });
    f->QuintaraClick();
    EXPECT_EQ(served, 3);
    EXPECT_EQ(dir.readHistory().size(), upTo(QDate(2025, 6, 28)).size() + 3);
    EXPECT_TRUE(f->ui.SpeedButton8->isHidden());
}

TEST_F(WindowDownload, OtherActionsWaitWhileTheRunGoesOn) {
    dir.writeHistory(upTo(QDate(2025, 8, 20)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->ui.DrawServerEdit->setText(address());
    QObject::connect(server.get(), &DrawServer::requestServed, [&](const DrawServer::Request&) {
        // A second update and a deletion are held back during the run.
        f->ui.Aktualisieren1->trigger();
        f->ui.BitBtn6->click();
    });
    const auto before = upTo(QDate(2025, 8, 20)).size();
    f->QuintaraClick();
    EXPECT_EQ(dir.readHistory().size(), before + 3);
    EXPECT_EQ(targets.size(), 3u);
}

TEST_F(WindowDownload, UnreachableOrInvalidServerIsReported) {
    dir.writeHistory(upTo(QDate(2025, 8, 23)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 8, 31);
    f->ui.DrawServerEdit->setText(QStringLiteral("not an address"));
    f->QuintaraClick();
    ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->errors()[0].contains(QStringLiteral("Ziehungsserver")));

    // A refused connection: every date fails, nothing is stored, the run ends normally.
    const quint16 port = server->port();
    server.reset();
    f->ui.DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:%1").arg(port));
    f->QuintaraClick();
    EXPECT_EQ(dir.readHistory().size(), upTo(QDate(2025, 8, 23)).size());
    EXPECT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f->ui.BitBtn1->isEnabled());
    EXPECT_TRUE(f->ui.SpeedButton8->isHidden());
    EXPECT_EQ(f->currentDraw.date, upTo(QDate(2025, 8, 23)).back().date);
}

TEST_F(WindowDownload, CommandLineAddressWinsOverTheSetting) {
    dir.writeHistory(upTo(QDate(2025, 8, 27)));
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 8, 30);
    f->ui.DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:1"));
    f->setServerOverride(address());
    EXPECT_EQ(f->drawServerAddress(), address());
    f->QuintaraClick();
    EXPECT_EQ(dir.readHistory().size(), all.size());
}
