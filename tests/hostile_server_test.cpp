// The update through the window against a results server that misbehaves in every way at
// once: the window keeps handling events, every request ends within the time-out, nothing of
// what such a server sends is stored, and the history stays as it was.
#include "base/DayCount.h"
#include "app/TForm1.h"
#include "history/DrawDownload.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"
#include "support/TestPlatform.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

std::vector<DrawRecord> historyUpTo(const QDate& last) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : realHistory())
        if (r.date <= DayCount::fromDate(last)) out.push_back(r);
    return out;
}

TEST(HostileServer, TheWindowStaysResponsiveAndStoresNothingOfIt) {
    TestProgramDir dir;
    const auto old = historyUpTo(QDate(2025, 6, 7));
    dir.writeHistory(old);

    // Where a redirect points: a server with a valid draw that must never be asked.
    ScriptedHttpServer elsewhere;
    elsewhere.handler = [](const SeenRequest&) { return ScriptedAnswer::ok("4,15,23,31,38,45,12"); };

    const QByteArray valid = "4,15,23,31,38,45,12";
    std::vector<ScriptedAnswer> hostile = {
        // Megabytes, announced and not.
        ScriptedAnswer::ok(valid + QByteArray(8 * 1024 * 1024, ' ')),
        ScriptedAnswer{.body = valid + QByteArray(6 * 1024 * 1024, '7'), .contentLength = false},
        // A valid draw, one byte per 40 ms: it would take seconds, the time-out is 400 ms.
        ScriptedAnswer{.body = valid + QByteArray(200, ' '), .trickleMs = 40},
        // A redirect to a server with a valid draw.
        ScriptedAnswer{.status = 302,
                       .reason = "Found",
                       .headers = {"Location: " + elsewhere.address().toLatin1() + "/zahlen/velmora.asp"}},
        // Accepts and never answers.
        ScriptedAnswer::hang(),
        // The draw in UTF-16 with a byte-order mark: no number the program can read; as an
        // unreadable first field it ends the run with the conversion error.
        ScriptedAnswer::ok(
            QByteArray("\xff\xfe", 2) +
            QByteArray(reinterpret_cast<const char*>(QString::fromLatin1(valid).utf16()), valid.size() * 2)),
    };
    ScriptedHttpServer server;
    server.handler = [&, next = size_t(0)](const SeenRequest&) mutable {
        return next < hostile.size() ? hostile[next++] : ScriptedAnswer::ok(valid);
    };

    FormFixture f(dir, false);
    // Six days after the newest stored draw.
    double today = old.back().date;
    for (int i = 0; i < 6; ++i) today = DrawDownload::nextRequestDate(today);
    f.platform.clock->date = DayCount::toDate(today);
    f->controls().DrawServerEdit->setText(server.address());
    f->setDownloadTimeout(400ms);

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);

    QElapsedTimer elapsed;
    elapsed.start();
    f->QuintaraClick();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    const qint64 ms = elapsed.elapsed();
    ticker.stop();

    EXPECT_EQ(server.requests.size(), hostile.size());
    EXPECT_TRUE(elsewhere.requests.empty()) << "the redirect was followed";
    EXPECT_EQ(dir.readHistory(), old);
    // The event loop ran while the requests were under way.
    EXPECT_GT(ticks, 0);
    // Each request ended by its time-out at the latest (generous bound: this is no speed
    // measurement, it only catches a request that waits for the server's own pace).
    EXPECT_LT(ms, qint64(hostile.size()) * 400 + 20000);
    // The window is usable again: start controls on, stop button hidden.
    EXPECT_TRUE(f->controls().BitBtn1->isEnabled());
    EXPECT_TRUE(f->controls().SpeedButton8->isHidden());
    ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->errors()[0].contains(QStringLiteral("kein gültiger Integerwert")))
        << f.platform.dialogs->errors()[0].toStdString();
}

} // namespace
