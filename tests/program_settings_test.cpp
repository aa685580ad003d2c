// The program's settings without a window: defaults, the round trip through the key, the
// rules of reading and damaged or missing values.
#include "base/DayCount.h"
#include "base/SettingsStore.h"
#include "generator/ProgramSettings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace {

const QString kDownloadFile = QStringLiteral("/home/player/.local/share/quintara/Lotto.html");

QByteArray doubleBytes(double value) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), bytes.data());
    return bytes;
}

// A key in a file of its own, read back as the program reads it.
struct Key : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("key.reg")); }
    SettingsStore open() const { return SettingsStore::openFile(path()); }
    void fill(const std::function<void(SettingsStore&)>& values) const {
        SettingsStore key = open();
        values(key);
        key.save();
    }
    void writeRaw(const QByteArray& content) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Brenlow\\Velmora]\n");
        file.write(content);
    }
    ProgramSettings load() const { return ProgramSettings::load(open(), kDownloadFile); }
    // Writes the settings and reads them back from the file.
    ProgramSettings roundTrip(const ProgramSettings& s) const {
        SettingsStore key = open();
        s.writeTo(key);
        key.save();
        return load();
    }
};

// {position, minimum, maximum} of UpDown1 to UpDown22, as a first start shows them.
constexpr int kSpins[22][3] = {{2, 0, 5}, {125, 21, 279},  {4, 0, 5},   {0, 0, 5},   {1, 0, 5},
                               {5, 3, 6}, {100, 1, 10000}, {6, 1, 12},  {6, 1, 960}, {2, 0, 6},
                               {2, 0, 5}, {30, 5, 75},     {30, 5, 75}, {30, 5, 75}, {175, 21, 279},
                               {2, 0, 6}, {2, 0, 6},       {6, 6, 11},  {4, 2, 6},   {40, 4, 128},
                               {3, 2, 6}, {10, 4, 128}};
const std::set<int> kCheckedAtFirst = {3, 4, 5, 9, 10, 14, 18, 23, 24, 30, 31};

void expectDefaults(const ProgramSettings& s) {
    for (int n = 1; n <= 31; ++n) EXPECT_EQ(s.checkBox(n), kCheckedAtFirst.count(n) == 1) << "CheckBox" << n;
    for (int n = 1; n <= 22; ++n) {
        EXPECT_EQ(s.spin(n), kSpins[n - 1][0]) << "UpDown" << n;
        EXPECT_EQ(ProgramSettings::spinLimits(n).position, kSpins[n - 1][0]) << "UpDown" << n;
        EXPECT_EQ(ProgramSettings::spinLimits(n).minimum, kSpins[n - 1][1]) << "UpDown" << n;
        EXPECT_EQ(ProgramSettings::spinLimits(n).maximum, kSpins[n - 1][2]) << "UpDown" << n;
    }
    EXPECT_FALSE(s.deutsch1);
    EXPECT_FALSE(s.englichen1);
    EXPECT_TRUE(s.grichisch1);
    EXPECT_EQ(s.neuerSchein, 0);
    EXPECT_EQ(s.land, 3);
    EXPECT_EQ(s.tippTop, 39);
    EXPECT_EQ(s.tippLeft, 47);
    EXPECT_EQ(s.system, 0);
    EXPECT_EQ(s.preis, 0.0);
    EXPECT_TRUE(s.browser);
    EXPECT_TRUE(s.urlEdit.startsWith(QStringLiteral("https://")));
    EXPECT_EQ(s.proxyHostEdit, QString());
    EXPECT_EQ(s.proxyPortEdit, QStringLiteral("80"));
    EXPECT_EQ(s.spielername, QString());
    EXPECT_EQ(s.passwort, QString());
    EXPECT_EQ(s.einpreis, QStringLiteral("0,50"));
    EXPECT_EQ(s.zweipreis, QStringLiteral("1,00"));
    EXPECT_EQ(DayCount::toDate(s.dateTimePicker2), QDate(1986, 9, 7));
    EXPECT_EQ(s.drawServer, QStringLiteral("https://api.opap.gr/draws/v3.0/5103"));
}

} // namespace

TEST_F(Key, MissingOrEmptyGivesEveryDefault) {
    expectDefaults(ProgramSettings());
    // No file at all: the defaults, with the player's download file.
    const ProgramSettings first = load();
    expectDefaults(first);
    EXPECT_EQ(first.fileNameEdit, kDownloadFile);
    // An empty key reads the same.
    writeRaw({});
    expectDefaults(load());
    EXPECT_EQ(load().fileNameEdit, kDownloadFile);
}

TEST_F(Key, EveryValueSurvivesInItsNameKindAndOrder) {
    ProgramSettings s;
    for (const int n : ProgramSettings::StoredCheckBoxes) s.setCheckBox(n, !s.checkBox(n));
    for (int n = 1; n <= ProgramSettings::SpinCount; ++n) {
        const ProgramSettings::SpinLimits limits = ProgramSettings::spinLimits(n);
        // Away from the built-in position; the maximum of matches stays above the minimum.
        s.setSpin(n, n == 1 ? 1 : n == 3 ? 3 : limits.position == limits.maximum ? limits.minimum : limits.maximum - 1);
    }
    s.deutsch1 = true;
    s.englichen1 = true;
    s.grichisch1 = false;
    s.neuerSchein = 7;
    s.land = 2;
    s.tippTop = 11;
    s.tippLeft = -5;
    s.system = -1; // no entry selected
    s.preis = 3.25;
    s.browser = false;
    s.fileNameEdit = QStringLiteral("/tmp/ab \"c\"\\Lotto.html");
    s.urlEdit = QStringLiteral("https://operator.example/x?a=1&b=2");
    s.proxyHostEdit = QStringLiteral("proxy.example");
    s.proxyPortEdit = QStringLiteral("3128");
    s.spielername = QStringLiteral("Γιώργος");
    s.einpreis = QStringLiteral("0,75");
    s.zweipreis = QStringLiteral("1,50");
    s.passwort = QStringLiteral("p=\"w\";d\nx");
    s.dateTimePicker2 = DayCount::fromDate(QDate(2001, 2, 3));
    s.drawServer = QStringLiteral("http://127.0.0.1:9999");
    s.updateAtStart = false;
    s.serverQuestion = true;

    const ProgramSettings back = roundTrip(s);
    for (int n = 1; n <= 31; ++n) EXPECT_EQ(back.checkBox(n), s.checkBox(n)) << "CheckBox" << n;
    for (int n = 1; n <= 22; ++n) EXPECT_EQ(back.spin(n), s.spin(n)) << "UpDown" << n;
    EXPECT_TRUE(back.deutsch1);
    EXPECT_TRUE(back.englichen1);
    EXPECT_FALSE(back.grichisch1);
    EXPECT_EQ(back.neuerSchein, 7);
    EXPECT_EQ(back.land, 2);
    EXPECT_EQ(back.tippTop, 11);
    EXPECT_EQ(back.tippLeft, -5);
    EXPECT_EQ(back.system, -1);
    EXPECT_EQ(back.preis, 3.25);
    EXPECT_FALSE(back.browser);
    EXPECT_EQ(back.fileNameEdit, s.fileNameEdit);
    EXPECT_EQ(back.urlEdit, s.urlEdit);
    EXPECT_EQ(back.proxyHostEdit, s.proxyHostEdit);
    EXPECT_EQ(back.proxyPortEdit, s.proxyPortEdit);
    EXPECT_EQ(back.spielername, s.spielername);
    EXPECT_EQ(back.einpreis, s.einpreis);
    EXPECT_EQ(back.zweipreis, s.zweipreis);
    EXPECT_EQ(back.passwort, s.passwort);
    EXPECT_EQ(back.dateTimePicker2, s.dateTimePicker2);
    EXPECT_EQ(back.drawServer, s.drawServer);
    EXPECT_FALSE(back.updateAtStart);
    EXPECT_TRUE(back.serverQuestion);

    // The names and kinds players' files hold, in the order they were always written.
    const SettingsStore key = open();
    QStringList order = {QStringLiteral("NeuerSchein")};
    for (const int n : ProgramSettings::StoredCheckBoxes) order << QStringLiteral("Chekcbox%1").arg(n);
    order << QStringLiteral("Deutsch1") << QStringLiteral("Englichen1") << QStringLiteral("Grichisch1")
          << QStringLiteral("System") << QStringLiteral("TippTop") << QStringLiteral("TippLeft");
    for (int n = 1; n <= 22; ++n) order << QStringLiteral("UpDown%1").arg(n);
    order << QStringLiteral("Preis") << QStringLiteral("Browser") << QStringLiteral("FileNameEdit")
          << QStringLiteral("URLEdit") << QStringLiteral("ProxyHostEdit") << QStringLiteral("ProxyPortEdit")
          << QStringLiteral("Spielername") << QStringLiteral("EINPREIS") << QStringLiteral("ZWEIPREIS")
          << QStringLiteral("Passwort") << QStringLiteral("DateTimePicker2") << QStringLiteral("Land")
          << QStringLiteral("DrawServer") << QStringLiteral("UpdateAtStart") << QStringLiteral("ServerQuestion");
    EXPECT_EQ(key.valueNames(), order);
    const std::set<int> notKept = {16, 17, 21, 28, 29};
    for (const int n : notKept) EXPECT_FALSE(key.hasValue(QStringLiteral("Chekcbox%1").arg(n)));
    EXPECT_EQ(key.kind(QStringLiteral("Chekcbox1")), SettingsStore::Kind::Integer);
    EXPECT_EQ(key.kind(QStringLiteral("Browser")), SettingsStore::Kind::Integer);
    EXPECT_EQ(key.readInteger(QStringLiteral("Chekcbox3")), 0);
    EXPECT_EQ(key.readInteger(QStringLiteral("Chekcbox1")), 1);
    EXPECT_EQ(key.kind(QStringLiteral("Preis")), SettingsStore::Kind::Binary);
    EXPECT_EQ(key.readBinary(QStringLiteral("Preis")), doubleBytes(3.25));
    EXPECT_EQ(key.readBinary(QStringLiteral("DateTimePicker2")), doubleBytes(DayCount::fromDate(QDate(2001, 2, 3))));
    EXPECT_EQ(key.kind(QStringLiteral("Passwort")), SettingsStore::Kind::Text);
    EXPECT_EQ(key.readInteger(QStringLiteral("System")), -1);
}

TEST_F(Key, TheChartZoomAndTheSaveFolderAreKeptOnceSet) {
    ProgramSettings s;
    s.chartZoom = true;
    s.saveDirectory = QStringLiteral("/home/eleni/Λόττο");
    const ProgramSettings back = roundTrip(s);
    EXPECT_TRUE(back.chartZoom);
    EXPECT_EQ(back.saveDirectory, s.saveDirectory);
    // Switched back, they stay switched back.
    const ProgramSettings reset = roundTrip(ProgramSettings{});
    EXPECT_FALSE(reset.chartZoom);
    EXPECT_TRUE(reset.saveDirectory.isEmpty());
    // A key that never had them does not get them (its form stays as it always was).
    QFile::remove(path());
    roundTrip(ProgramSettings{});
    EXPECT_FALSE(open().hasValue(QStringLiteral("ChartZoom")));
    EXPECT_FALSE(open().hasValue(QStringLiteral("SaveDirectory")));
}

TEST_F(Key, ValuesOfOtherProgramsStayBehindTheProgramsOwn) {
    fill([](SettingsStore& key) {
        key.writeString(QStringLiteral("SomethingElse"), QStringLiteral("kept"));
        key.writeInteger(QStringLiteral("Land"), 5);
    });
    ProgramSettings s = load();
    EXPECT_EQ(s.land, 5);
    s.land = 6;
    roundTrip(s);
    const SettingsStore key = open();
    EXPECT_EQ(key.readString(QStringLiteral("SomethingElse")), QStringLiteral("kept"));
    EXPECT_EQ(key.valueNames().last(), QStringLiteral("SomethingElse"));
    EXPECT_EQ(key.readInteger(QStringLiteral("Land")), 6);
}

TEST_F(Key, TheMaximumOfMatchesIsNeverBelowTheMinimum) {
    fill([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("UpDown1"), 4);
        key.writeInteger(QStringLiteral("UpDown3"), 2);
    });
    EXPECT_EQ(load().spin(3), 4);
    EXPECT_EQ(load().spin(1), 4);
    // The minimum alone stored: the built-in maximum (4) is raised as well.
    fill([](SettingsStore& key) {
        key.clear();
        key.writeInteger(QStringLiteral("UpDown1"), 5);
    });
    EXPECT_EQ(load().spin(3), 5);
    // A maximum above the minimum is left alone.
    fill([](SettingsStore& key) {
        key.clear();
        key.writeInteger(QStringLiteral("UpDown1"), 1);
        key.writeInteger(QStringLiteral("UpDown3"), 2);
    });
    EXPECT_EQ(load().spin(3), 2);
}

TEST_F(Key, PositionsKeepToTheirLimits) {
    fill([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("UpDown12"), 66666);
        key.writeInteger(QStringLiteral("UpDown7"), -3);
        key.writeInteger(QStringLiteral("UpDown1"), 9); // the maximum of matches follows the limited minimum
        key.writeInteger(QStringLiteral("UpDown18"), 11);
    });
    const ProgramSettings s = load();
    EXPECT_EQ(s.spin(12), 75);
    EXPECT_EQ(s.spin(7), 1);
    EXPECT_EQ(s.spin(1), 5);
    EXPECT_EQ(s.spin(3), 5);
    EXPECT_EQ(s.spin(18), 11);
    ProgramSettings set;
    set.setSpin(20, 129);
    EXPECT_EQ(set.spin(20), 128);
    set.setSpin(20, 3);
    EXPECT_EQ(set.spin(20), 4);
}

TEST_F(Key, BrowserInItsOldTextForm) {
    // A number: any value but 0 is checked.
    fill([](SettingsStore& key) { key.writeInteger(QStringLiteral("Browser"), 0); });
    EXPECT_FALSE(load().browser);
    fill([](SettingsStore& key) { key.writeInteger(QStringLiteral("Browser"), 7); });
    EXPECT_TRUE(load().browser);
    // A text: a non-empty one checks it, an empty one leaves the default.
    fill([](SettingsStore& key) { key.writeString(QStringLiteral("Browser"), QStringLiteral("1")); });
    EXPECT_TRUE(load().browser);
    fill([](SettingsStore& key) { key.writeString(QStringLiteral("Browser"), QStringLiteral("ja")); });
    EXPECT_TRUE(load().browser);
    fill([](SettingsStore& key) { key.writeString(QStringLiteral("Browser"), QString()); });
    EXPECT_TRUE(load().browser);
    // Written back as the flag it is.
    ProgramSettings s = load();
    s.browser = false;
    roundTrip(s);
    EXPECT_EQ(open().kind(QStringLiteral("Browser")), SettingsStore::Kind::Integer);
    EXPECT_FALSE(load().browser);
}

TEST_F(Key, EmptyDownloadFileAndProxyHostTakeTheStartValues) {
    fill([](SettingsStore& key) {
        key.writeString(QStringLiteral("FileNameEdit"), QString());
        key.writeString(QStringLiteral("ProxyHostEdit"), QString());
        key.writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
    });
    EXPECT_EQ(load().fileNameEdit, kDownloadFile);
    EXPECT_EQ(load().proxyPortEdit, QStringLiteral("80"));
    // With a proxy host the port stays; a stored file name stays.
    fill([](SettingsStore& key) {
        key.writeString(QStringLiteral("FileNameEdit"), QStringLiteral("/tmp/mine.html"));
        key.writeString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
    });
    EXPECT_EQ(load().fileNameEdit, QStringLiteral("/tmp/mine.html"));
    EXPECT_EQ(load().proxyPortEdit, QStringLiteral("8080"));
}

TEST_F(Key, UnusableFromDatesAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double earliest = DayCount::fromDate(QDate(1986, 9, 7));
    for (const double day : {nan, 1e300, -1e300, std::numeric_limits<double>::infinity(),
                             DayCount::fromDate(QDate(1980, 1, 1)), earliest - 1}) {
        fill([day](SettingsStore& key) { key.writeBinary(QStringLiteral("DateTimePicker2"), doubleBytes(day)); });
        EXPECT_EQ(load().dateTimePicker2, earliest) << day;
    }
    for (const QDate date : {QDate(1986, 9, 7), QDate(1986, 9, 8), QDate(2025, 8, 23)}) {
        fill([date](SettingsStore& key) {
            key.writeBinary(QStringLiteral("DateTimePicker2"), doubleBytes(DayCount::fromDate(date)));
        });
        EXPECT_EQ(DayCount::toDate(load().dateTimePicker2), date);
    }
}

TEST_F(Key, WrongKindsAndDamagedLinesKeepTheDefaults) {
    writeRaw("\"UpDown9\"=\"abc\"\n"         // text where a position belongs
             "\"Chekcbox3\"=\"0\"\n"         // text where a flag belongs
             "\"EINPREIS\"=dword:00000001\n" // number where a text belongs
             "\"Preis\"=hex:01,02,03,04\n"   // four bytes where a double belongs
             "\"DateTimePicker2\"=dword:00007a12\n"
             "\"Grichisch1\"=\"1\"\n" // a flag of the wrong kind counts as absent
             "\"UpDown11\"=dword:\n"  // damaged line
             "\x01\x02\xff garbage\n"
             "\"UpDown7\"=dword:00002710\n" // intact values still load
             "\"UpDown10\"=dword:00000005\n"
             "\"System\"=dword:ffffffff\n"
             "\"ZWEIPREIS\"=\"2,00\"\n");
    const ProgramSettings s = load();
    EXPECT_EQ(s.spin(9), 6);
    EXPECT_TRUE(s.checkBox(3));
    EXPECT_EQ(s.einpreis, QStringLiteral("0,50"));
    EXPECT_EQ(s.preis, 0.0);
    EXPECT_EQ(DayCount::toDate(s.dateTimePicker2), QDate(1986, 9, 7));
    EXPECT_TRUE(s.grichisch1);
    EXPECT_EQ(s.spin(11), 2);
    EXPECT_EQ(s.spin(7), 10000);
    EXPECT_EQ(s.spin(10), 5);
    EXPECT_EQ(s.system, -1);
    EXPECT_EQ(s.zweipreis, QStringLiteral("2,00"));
}

TEST_F(Key, LanguageFlagsAreAlwaysAssigned) {
    // An absent Greek flag takes its default, whatever the others say.
    fill([](SettingsStore& key) { key.writeInteger(QStringLiteral("Deutsch1"), 1); });
    ProgramSettings s = load();
    EXPECT_TRUE(s.deutsch1);
    EXPECT_FALSE(s.englichen1);
    EXPECT_TRUE(s.grichisch1);
    fill([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("Deutsch1"), 0);
        key.writeInteger(QStringLiteral("Englichen1"), 7);
        key.writeInteger(QStringLiteral("Grichisch1"), 0);
    });
    s = load();
    EXPECT_FALSE(s.deutsch1);
    EXPECT_TRUE(s.englichen1);
    EXPECT_FALSE(s.grichisch1);
}

TEST(ProgramSettings, OnlyTheKeptCheckBoxesHoldAState) {
    ProgramSettings s;
    for (const int n : {0, 16, 17, 21, 28, 29, 32, -1, 99}) {
        s.setCheckBox(n, true);
        EXPECT_FALSE(s.checkBox(n)) << n;
    }
    s.setCheckBox(2, true);
    EXPECT_TRUE(s.checkBox(2));
}
