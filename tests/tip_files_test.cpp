// Tip files and the tip list file: what is read and written byte by byte, the name proposed
// for each weekday, failed reads and writes that must leave the player's tips alone, and the
// save and load buttons of the main window.
#include "base/Errors.h"
#include "base/TextFile.h"
#include "history/NextDraw.h"
#include "i18n/Translation.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList kTips = {QStringLiteral("03,11,19,27,35,44:Normal"),
                           QStringLiteral("01,02,03,04,05,06,07:007"),
                           QStringLiteral("05,12,21,30,38,47,49,02,09:609")};

QStringList listItems(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

} // namespace

TEST(TipFile, WritesTheNarrowEncodingWithCrLfAfterEveryLineAndReadsItBack) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("x.hlt"));
    // A line that is no tip at all travels unchanged; parsing decides what it means.
    const QStringList tips = kTips + QStringList{QStringLiteral("kein Tipp äöü"), QStringLiteral("")};
    TipFiles::write(path, tips);
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes,
              QByteArray("03,11,19,27,35,44:Normal\r\n01,02,03,04,05,06,07:007\r\n"
                         "05,12,21,30,38,47,49,02,09:609\r\nkein Tipp \xC3\xA4\xC3\xB6\xC3\xBC\r\n\r\n"));
    EXPECT_EQ(TipFiles::read(path), tips);

    TipFiles::write(path, {});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(readBytes(path), QByteArray());
    EXPECT_TRUE(TipFiles::read(path).isEmpty());
}

TEST(TipFile, ReadsEveryByteOrderMarkAndLineEnd) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("x.hlt"));
    const QString umlaut = QStringLiteral("Glück:Normal");
    const QStringList expected = {kTips[0], kTips[1], umlaut};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QString text = expected.join(QLatin1String(end)) + QLatin1String(end);
        for (auto encoding : {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            SCOPED_TRACE(std::string(QStringConverter::nameForEncoding(encoding)) + " " +
                         (end[0] == '\r' ? (end[1] ? "CRLF" : "CR") : "LF"));
            writeBytes(path, encoded(encoding, text));
            EXPECT_EQ(TipFiles::read(path), expected);
        }
        writeBytes(path, QStringEncoder(QStringConverter::System)(text));
        EXPECT_EQ(TipFiles::read(path), expected);
    }
    // Mixed ends and a last line without one.
    writeBytes(path, "a\r\nb\nc\rd");
    EXPECT_EQ(TipFiles::read(path), (QStringList{"a", "b", "c", "d"}));
    // A blank line inside the file is a line of its own.
    writeBytes(path, "a\r\n\r\nb\r\n");
    EXPECT_EQ(TipFiles::read(path), (QStringList{"a", "", "b"}));
}

TEST(TipFile, AFailedWriteLeavesTheOldFileWholeAndIsReported) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("tipps.txt"));
    const QByteArray old = "03,11,19,27,35,44:Normal\r\n";
    writeBytes(path, old);

    QStringList many;
    for (int i = 0; i < 20; ++i) many << kTips[i % kTips.size()];
    // The child may write no more than 200 bytes to any file: the disk is "full" before the
    // new list (some 550 bytes, small enough to sit in a write buffer until the end) is out.
    // Root ignores file permissions, so a size limit is the honest way to fail a write.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 200;
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            TipFiles::write(path, many);
        } catch (const FileError& e) {
            _exit(e.message().contains(path) ? 10 : 11);
        } catch (...) {
            _exit(12);
        }
        _exit(20);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 10) << "10: reported; 20: reported as success";
    EXPECT_EQ(readBytes(path), old);
    // No half-written temporary is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tipps.txt")});

    // Without the limit the same write goes through.
    TipFiles::write(path, many);
    EXPECT_EQ(TipFiles::read(path), many);
}

// ---- The window ----

namespace {

// One draw (Saturday 30 August 2025) that the first tip hits five times.
struct TipFileWindow : ::testing::Test {
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;
    void SetUp() override {
        dir.writeHistory({makeDraw(QDate(2025, 8, 27), {1, 2, 3, 4, 5, 6}, 7),
                          makeDraw(QDate(2025, 8, 30), {3, 11, 19, 27, 35, 40}, 44)});
        f = std::make_unique<FormFixture>(dir, true);
    }
    TForm1& form() { return *f->form; }
    FakeDialogs& dialogs() { return *f->platform.dialogs; }
};

} // namespace

TEST_F(TipFileWindow, SaveOffersTheTipFileTypeAndTheProposedNameAndWritesTheList) {
    form().controls().ListBox1->addItems(kTips);
    form().controls().DateTimePicker1->setDate(QDate(2025, 8, 30)); // a Saturday
    const QString path = dir.file(QStringLiteral("mine.hlt"));
    dialogs().saveAnswers.push_back(path);
    form().SpeedButton15Click();
    ASSERT_EQ(dialogs().fileRequests.size(), 1u);
    EXPECT_EQ(dialogs().fileRequests[0].filter, QStringLiteral("Tippdatei|*.hlt"));
    EXPECT_EQ(dialogs().fileRequests[0].defaultSuffix, QStringLiteral("hlt"));
    EXPECT_EQ(dialogs().fileRequests[0].proposedName, QStringLiteral("20250903.hlt"));
    EXPECT_EQ(TipFiles::read(path), kTips);

    // Cancelled: nothing is written.
    QFile::remove(path);
    form().SpeedButton15Click();
    EXPECT_FALSE(QFile::exists(path));

    // The name is the next draw's, whatever draw the window shows; the dialog opens where the
    // player saved last.
    form().controls().DateTimePicker1->setDate(QDate(2025, 8, 28));
    form().SpeedButton15Click();
    EXPECT_EQ(dialogs().fileRequests.back().proposedName, QStringLiteral("20250903.hlt"));
    EXPECT_EQ(dialogs().fileRequests.back().directory, QDir::cleanPath(dir.path()));
}

TEST_F(TipFileWindow, TheNextDrawNamesTheFileAndEverySaveOpensWhereTheLastWent) {
    // The operator announced Saturday's draw (Wednesday's was called off, say).
    const qint64 saturdayEvening = QDateTime(QDate(2025, 9, 6), QTime(18, 0), Qt::UTC).toMSecsSinceEpoch();
    NextDraw{QDate(2025, 9, 1), AnnouncedDraw{2930, saturdayEvening, std::nullopt}}.write(form().nextDrawPath());
    const QString folder = dir.file(QStringLiteral("scheine"));
    QDir().mkpath(folder);
    dialogs().saveAnswers.push_back(folder + QStringLiteral("/samstag.hlt"));
    form().SpeedButton15Click();
    EXPECT_EQ(dialogs().fileRequests.back().proposedName, QStringLiteral("20250906.hlt"));

    // The chart goes where the tips went, and the folder is kept for the next start.
    form().exportChart(false);
    EXPECT_EQ(dialogs().fileRequests.back().directory, folder);
    EXPECT_EQ(form().collectSettings().saveDirectory, folder);

    // An announcement of a draw already past counts no more: the calendar decides.
    f->platform.clock->date = QDate(2025, 9, 7);
    form().SpeedButton15Click();
    EXPECT_EQ(dialogs().fileRequests.back().proposedName, QStringLiteral("20250910.hlt"));
}

TEST_F(TipFileWindow, LoadReplacesTheListAndChecksItAgainstTheDraw) {
    form().controls().ListBox1->addItems({QStringLiteral("01,02,03,04,05,06:Normal")});
    form().SpeedButton5Click();
    ASSERT_EQ(form().controls().ListBox2->count(), 1);

    const QString path = dir.file(QStringLiteral("loaded.hlt"));
    writeBytes(path, encoded(QStringConverter::Utf16LE,
                             kTips[0] + QStringLiteral("\r") + kTips[2] + QStringLiteral("\r")));
    dialogs().openAnswers.push_back(path);
    form().SpeedButton16Click();
    EXPECT_EQ(dialogs().fileRequests.back().filter, QStringLiteral("Tippdatei|*.hlt"));
    EXPECT_EQ(dialogs().fileRequests.back().defaultSuffix, QStringLiteral("hlt"));
    EXPECT_EQ(listItems(form().controls().ListBox1), (QStringList{kTips[0], kTips[2]}));
    // The hit list belongs to the loaded tips: five of 03,11,19,27,35,44 plus the additional 44.
    ASSERT_EQ(form().controls().ListBox2->count(), 2);
    EXPECT_TRUE(form().controls().ListBox2->item(0)->text().startsWith(QLatin1Char('5')))
        << form().controls().ListBox2->item(0)->text().toStdString();
    EXPECT_TRUE(dialogs().errors().isEmpty());

    // Cancelled: the list stays and is checked again all the same.
    form().controls().ListBox2->clear();
    form().SpeedButton16Click();
    EXPECT_EQ(listItems(form().controls().ListBox1), (QStringList{kTips[0], kTips[2]}));
    EXPECT_EQ(form().controls().ListBox2->count(), 2);
}

TEST_F(TipFileWindow, AFileThatCannotBeReadKeepsTheListAndItsHits) {
    form().controls().ListBox1->addItems(kTips);
    form().SpeedButton5Click();
    const QStringList hits = listItems(form().controls().ListBox2);
    ASSERT_EQ(hits.size(), kTips.size());

    // A name that does not exist, and a folder in place of a file.
    QDir().mkpath(dir.file(QStringLiteral("folder.hlt")));
    for (const QString& bad :
         {dir.file(QStringLiteral("missing.hlt")), dir.file(QStringLiteral("folder.hlt"))}) {
        SCOPED_TRACE(bad.toStdString());
        dialogs().shown.clear();
        dialogs().openAnswers.push_back(bad);
        EXPECT_FALSE(form().runAction([this] { form().SpeedButton16Click(); }));
        ASSERT_EQ(dialogs().errors().size(), 1);
        EXPECT_TRUE(dialogs().errors()[0].contains(bad)) << dialogs().errors()[0].toStdString();
        EXPECT_EQ(listItems(form().controls().ListBox1), kTips);
        EXPECT_EQ(listItems(form().controls().ListBox2), hits);
    }

    // A failed save is reported, and the next dialog of the window offers its own file type
    // again rather than the tip files'.
    dialogs().shown.clear();
    dialogs().saveAnswers.push_back(dir.file(QStringLiteral("folder.hlt")));
    EXPECT_FALSE(form().runAction([this] { form().SpeedButton15Click(); }));
    EXPECT_EQ(dialogs().errors().size(), 1);
    form().InDateispeichern1Click();
    EXPECT_EQ(dialogs().fileRequests.back().filter, QStringLiteral("Textdatei|*.txt"));
    EXPECT_EQ(dialogs().fileRequests.back().defaultSuffix, QStringLiteral("txt"));
}

TEST(TipListFile, SurvivesARestartInAnyEncodingAndIsSavedWithCrLf) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("tipps.txt"));
    writeBytes(path, encoded(QStringConverter::Utf8, kTips.join(QLatin1Char('\n'))));
    {
        FormFixture f(dir, false);
        EXPECT_EQ(listItems(f->controls().ListBox1), kTips);
        f->controls().ListBox1->addItem(QStringLiteral("07,08,09,10,11,12:Normal"));
    } // closing saves
    EXPECT_EQ(
        readBytes(path),
        (kTips.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n07,08,09,10,11,12:Normal\r\n")).toLatin1());
    {
        FormFixture f(dir, false);
        EXPECT_EQ(f->controls().ListBox1->count(), 4);
        f->controls().ListBox1->clear();
    }
    // An emptied list is saved as an empty file.
    EXPECT_EQ(readBytes(path), QByteArray());
    {
        FormFixture f(dir, false);
        EXPECT_EQ(f->controls().ListBox1->count(), 0);
    }
}

TEST(TipListFile, ShutdownFailureIsSaidAndAnUnreadableListIsNotOverwrittenByNothing) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    // A folder where the list file belongs: it exists but can be neither read nor replaced.
    QDir().mkpath(dir.file(QStringLiteral("tipps.txt")));
    auto f = std::make_unique<FormFixture>(dir, false);
    ASSERT_EQ(f->platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f->platform.dialogs->errors()[0].contains(QStringLiteral("tipps.txt")));
    EXPECT_EQ((*f)->controls().ListBox1->count(), 0);
    // The list that could not be read is not replaced by the empty one: no write is tried
    // (one would fail here) ...
    EXPECT_NO_THROW((*f)->saveTipList());
    // ... but tips the player made since are saved, and a failure to do so is an error.
    (*f)->controls().ListBox1->addItems(kTips);
    EXPECT_THROW((*f)->saveTipList(), FileError);
    auto dialogs = f->platform.dialogs;
    dialogs->shown.clear();
    dialogs->questionAnswers = {Dialogs::Answer::No};
    f.reset(); // closing: the same failure, said; "No" ends without the tips
    ASSERT_EQ(dialogs->questions().size(), 1);
    EXPECT_TRUE(dialogs->questions()[0].contains(QStringLiteral("tipps.txt")));
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("tipps.txt"))).isDir());
}

TEST(TipListCsv, OneRowPerLineWithItsSystem) {
    const QByteArray csv =
        TipFiles::csv({QStringLiteral("01,08,15,22,29,36:Normal"), QStringLiteral("  "),
                        QStringLiteral("02,09,16,23,30,37,44:007"), QStringLiteral("3,x,5")});
    EXPECT_EQ(csv, QByteArray("tipp,system,zahlen\r\n1,Normal,1,8,15,22,29,36\r\n2,007,2,9,16,23,30,37,44\r\n"
                              "3,,3,x,5\r\n"));
}
