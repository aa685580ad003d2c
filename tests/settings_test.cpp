// The settings of the main window across a restart: defaults, the full round trip, the
// special rules of the load step and damaged values.
#include "base/SettingsStore.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QtEndian>
#include <bit>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr int kStoredBoxes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                14, 15, 18, 19, 20, 22, 23, 24, 25, 26, 27, 30, 31};

QCheckBox* box(TForm1* form, int n) {
    return form->ui.PageControl1->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
}
UpDown* spin(TForm1* form, int n) {
    return form->ui.PageControl1->findChild<UpDown*>(QStringLiteral("UpDown%1").arg(n));
}

QByteArray doubleBytes(double value) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), bytes.data());
    return bytes;
}

// Writes a settings key before the window starts.
void storeKey(const std::function<void(SettingsStore&)>& fill) {
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    fill(key);
    key.save();
}

QString keyFile() {
    return SettingsStore::filePathForKey(SettingsStore::ProgramKey);
}

} // namespace

TEST(Settings, FirstStartShowsEveryBuiltInValue) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    const std::set<int> on = {3, 4, 5, 9, 10, 14, 16, 17, 18, 21, 23, 24, 28, 30, 31};
    for (int n = 1; n <= 31; ++n)
        EXPECT_EQ(box(f.form.get(), n)->isChecked(), on.count(n) == 1) << "CheckBox" << n;

    // {position, minimum, maximum} of UpDown1 to UpDown22.
    const int spins[22][3] = {{2, 0, 5}, {125, 21, 279},  {4, 0, 5},   {0, 0, 5},   {1, 0, 5},
                              {5, 3, 6}, {100, 1, 10000}, {6, 1, 12},  {6, 1, 960}, {2, 0, 6},
                              {2, 0, 5}, {30, 5, 75},     {30, 5, 75}, {30, 5, 75}, {175, 21, 279},
                              {2, 0, 6}, {2, 0, 6},       {6, 6, 11},  {4, 2, 6},   {40, 4, 128},
                              {3, 2, 6}, {10, 4, 128}};
    for (int n = 1; n <= 22; ++n) {
        const UpDown* s = spin(f.form.get(), n);
        EXPECT_EQ(s->position(), spins[n - 1][0]) << "UpDown" << n;
        EXPECT_EQ(s->minimum(), spins[n - 1][1]) << "UpDown" << n;
        EXPECT_EQ(s->maximum(), spins[n - 1][2]) << "UpDown" << n;
        EXPECT_EQ(s->edit()->text(), QString::number(spins[n - 1][0])) << "UpDown" << n;
    }

    const Form1Ui& ui = f->ui;
    EXPECT_FALSE(ui.Deutsch1->isChecked());
    EXPECT_FALSE(ui.Englichen1->isChecked());
    EXPECT_TRUE(ui.Grichisch1->isChecked());
    EXPECT_EQ(f->StoredSystem, 0);
    EXPECT_EQ(ui.ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(f->NeuerSchein, 0);
    EXPECT_EQ(f->Land, 3);
    EXPECT_EQ(f->TippTop, 39);
    EXPECT_EQ(f->TippLeft, 47);
    EXPECT_EQ(f->Preis, 0.0);
    EXPECT_EQ(f->MaxRuns, 100000);
    EXPECT_TRUE(f->EvaluationEnabled);
    EXPECT_EQ(ui.FileNameEdit->text(), dir.path() + QStringLiteral("Lotto.html"));
    EXPECT_EQ(ui.ProxyHostEdit->text(), QString());
    EXPECT_EQ(ui.ProxyPortEdit->text(), QStringLiteral("80"));
    EXPECT_TRUE(ui.URLEdit->text().startsWith(QStringLiteral("https://")));
    EXPECT_EQ(ui.Edit2->text(), QString());
    EXPECT_EQ(ui.MaskEdit1->text(), QString());
    EXPECT_EQ(ui.Edit3->text(), QStringLiteral("0,50"));
    EXPECT_EQ(ui.Edit4->text(), QStringLiteral("1,00"));
    EXPECT_EQ(ui.DateTimePicker2->date(), QDate(1986, 9, 7));
    EXPECT_EQ(ui.DrawServerEdit->text(), QStringLiteral("https://api.opap.gr/draws/v3.0/5103"));
    EXPECT_EQ(
        ui.Label76->text(),
        QStringLiteral(
            "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)"));
}

TEST(Settings, EveryValueSurvivesARestart) {
    TestProgramDir dir;
    int positions[23] = {};
    {
        FormFixture f(dir, false);
        TForm1* form = f.form.get();
        for (int n = 1; n <= 31; ++n) box(form, n)->setChecked(!box(form, n)->isChecked());
        for (int n = 1; n <= 22; ++n) {
            UpDown* s = spin(form, n);
            // Away from the built-in position, inside the range; the maximum of matches stays
            // above the minimum.
            s->setPosition(n == 1                          ? 1
                           : n == 3                        ? 3
                           : s->position() == s->maximum() ? s->minimum()
                                                           : s->maximum() - 1);
            positions[n] = s->position();
        }
        form->ui.Deutsch1->setChecked(true);
        form->ui.Englichen1->setChecked(true);
        form->ui.Grichisch1->setChecked(false);
        form->ui.ComboBox1->setCurrentIndex(4);
        form->NeuerSchein = 7;
        form->Land = 2;
        form->TippTop = 11;
        form->TippLeft = -5;
        form->Preis = 3.25;
        form->ui.FileNameEdit->setText(QStringLiteral("/tmp/ab \"c\"\\Lotto.html"));
        form->ui.URLEdit->setText(QStringLiteral("https://operator.example/x?a=1&b=2"));
        form->ui.ProxyHostEdit->setText(QStringLiteral("proxy.example"));
        form->ui.ProxyPortEdit->setText(QStringLiteral("3128"));
        form->ui.Edit2->setText(QStringLiteral("Γιώργος"));
        form->ui.Edit3->setText(QStringLiteral("0,75"));
        form->ui.Edit4->setText(QStringLiteral("1,50"));
        form->ui.MaskEdit1->setText(QStringLiteral("p=\"w\";d"));
        form->ui.DateTimePicker2->setDate(QDate(2001, 2, 3));
        form->ui.DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:9999"));
    }
    // The key is owner-only and every value has its kind, in the order of writing.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(keyFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    QStringList order = {QStringLiteral("NeuerSchein")};
    for (int n : kStoredBoxes) order << QStringLiteral("Chekcbox%1").arg(n);
    order << QStringLiteral("Deutsch1") << QStringLiteral("Englichen1") << QStringLiteral("Grichisch1")
          << QStringLiteral("System") << QStringLiteral("TippTop") << QStringLiteral("TippLeft");
    for (int n = 1; n <= 22; ++n) order << QStringLiteral("UpDown%1").arg(n);
    order << QStringLiteral("Preis") << QStringLiteral("Browser") << QStringLiteral("FileNameEdit")
          << QStringLiteral("URLEdit") << QStringLiteral("ProxyHostEdit") << QStringLiteral("ProxyPortEdit")
          << QStringLiteral("Spielername") << QStringLiteral("EINPREIS") << QStringLiteral("ZWEIPREIS")
          << QStringLiteral("Passwort") << QStringLiteral("DateTimePicker2") << QStringLiteral("Land")
          << QStringLiteral("DrawServer") << QStringLiteral("UpdateAtStart");
    EXPECT_EQ(key.valueNames(), order);
    EXPECT_EQ(key.kind(QStringLiteral("Chekcbox1")), SettingsStore::Kind::Integer);
    EXPECT_EQ(key.kind(QStringLiteral("Preis")), SettingsStore::Kind::Binary);
    EXPECT_EQ(key.kind(QStringLiteral("DateTimePicker2")), SettingsStore::Kind::Binary);
    EXPECT_EQ(key.kind(QStringLiteral("Passwort")), SettingsStore::Kind::Text);
    EXPECT_EQ(key.readInteger(QStringLiteral("System")), 4);

    FormFixture f(dir, false);
    TForm1* form = f.form.get();
    const std::set<int> notStored = {16, 17, 21, 28, 29};
    const std::set<int> builtInOn = {3, 4, 5, 9, 10, 14, 16, 17, 18, 21, 23, 24, 28, 30, 31};
    for (int n = 1; n <= 31; ++n) {
        // Boxes without a value of their own come back in their built-in state ("Browser" is
        // CheckBox21's value and flips like the others).
        const bool flipped = notStored.count(n) == 0 || n == 21;
        EXPECT_EQ(box(form, n)->isChecked(), (builtInOn.count(n) == 1) != flipped) << "CheckBox" << n;
    }
    for (int n = 1; n <= 22; ++n) EXPECT_EQ(spin(form, n)->position(), positions[n]) << "UpDown" << n;
    EXPECT_TRUE(form->ui.Deutsch1->isChecked());
    EXPECT_TRUE(form->ui.Englichen1->isChecked());
    EXPECT_FALSE(form->ui.Grichisch1->isChecked());
    EXPECT_EQ(form->StoredSystem, 4);
    EXPECT_EQ(form->NeuerSchein, 7);
    EXPECT_EQ(form->Land, 2);
    EXPECT_EQ(form->TippTop, 11);
    EXPECT_EQ(form->TippLeft, -5);
    EXPECT_EQ(form->Preis, 3.25);
    EXPECT_EQ(form->MaxRuns, form->ui.UpDown7->position() * 1000);
    EXPECT_EQ(form->ui.FileNameEdit->text(), QStringLiteral("/tmp/ab \"c\"\\Lotto.html"));
    EXPECT_EQ(form->ui.URLEdit->text(), QStringLiteral("https://operator.example/x?a=1&b=2"));
    EXPECT_EQ(form->ui.ProxyHostEdit->text(), QStringLiteral("proxy.example"));
    EXPECT_EQ(form->ui.ProxyPortEdit->text(), QStringLiteral("3128"));
    EXPECT_EQ(form->ui.Edit2->text(), QStringLiteral("Γιώργος"));
    EXPECT_EQ(form->ui.Edit3->text(), QStringLiteral("0,75"));
    EXPECT_EQ(form->ui.Edit4->text(), QStringLiteral("1,50"));
    EXPECT_EQ(form->ui.MaskEdit1->text(), QStringLiteral("p=\"w\";d"));
    EXPECT_EQ(form->ui.DateTimePicker2->date(), QDate(2001, 2, 3));
    EXPECT_EQ(form->ui.DrawServerEdit->text(), QStringLiteral("http://127.0.0.1:9999"));
}

TEST(Settings, LoadRulesForMatchesBrowserProxyAndDate) {
    TestProgramDir dir;
    storeKey([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("UpDown1"), 4);
        key.writeInteger(QStringLiteral("UpDown3"), 2);
        key.writeString(QStringLiteral("Browser"), QStringLiteral("1"));
        key.writeString(QStringLiteral("ProxyHostEdit"), QString());
        key.writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
        key.writeBinary(QStringLiteral("DateTimePicker2"),
                        doubleBytes(DayCount::fromDate(QDate(1980, 1, 1))));
    });
    {
        FormFixture f(dir, false);
        EXPECT_EQ(f->ui.UpDown3->position(), 4);
        EXPECT_EQ(f->ui.UpDown1->position(), 4);
        EXPECT_TRUE(f->ui.CheckBox21->isChecked());
        EXPECT_EQ(f->ui.ProxyPortEdit->text(), QStringLiteral("80"));
        EXPECT_EQ(f->ui.DateTimePicker2->date(), QDate(1986, 9, 7));
        f->ui.CheckBox21->setChecked(false); // saved as the flag 0
    }
    {
        FormFixture f(dir, false);
        EXPECT_FALSE(f->ui.CheckBox21->isChecked());
    }
    // An empty text leaves the box as it is; the proxy port stays with a proxy host.
    storeKey([](SettingsStore& key) {
        key.writeString(QStringLiteral("Browser"), QString());
        key.writeString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
        key.writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
        key.writeBinary(QStringLiteral("DateTimePicker2"),
                        doubleBytes(DayCount::fromDate(QDate(1986, 9, 8))));
    });
    FormFixture f(dir, false);
    EXPECT_TRUE(f->ui.CheckBox21->isChecked());
    EXPECT_EQ(f->ui.ProxyPortEdit->text(), QStringLiteral("8080"));
    EXPECT_EQ(f->ui.DateTimePicker2->date(), QDate(1986, 9, 8));
}

TEST(Settings, WrongKindsAndDamageKeepBuiltInStates) {
    TestProgramDir dir;
    QDir().mkpath(QFileInfo(keyFile()).absolutePath());
    QFile file(keyFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"UpDown9\"=\"abc\"\n"         // text where a position belongs
               "\"Chekcbox3\"=\"0\"\n"         // text where a flag belongs
               "\"EINPREIS\"=dword:00000001\n" // number where a text belongs
               "\"Preis\"=hex:01,02,03,04\n"   // four bytes where a double belongs
               "\"DateTimePicker2\"=dword:00007a12\n"
               "\"Grichisch1\"=\"1\"\n" // a flag of the wrong kind counts as absent
               "\"UpDown11\"=dword:\n"  // damaged line
               "\x01\x02\xff garbage\n"
               "\"UpDown7\"=dword:00002710\n" // intact values still load
               "\"UpDown10\"=dword:00000005\n"
               "\"UpDown12\"=dword:0001046a\n" // beyond the range: the spin keeps to its limits
               "\"System\"=dword:ffffffff\n"
               "\"ZWEIPREIS\"=\"2,00\"\n");
    file.close();

    FormFixture f(dir, false);
    EXPECT_EQ(f->ui.UpDown9->position(), 6);
    EXPECT_TRUE(f->ui.CheckBox3->isChecked());
    EXPECT_EQ(f->ui.Edit3->text(), QStringLiteral("0,50"));
    EXPECT_EQ(f->Preis, 0.0);
    EXPECT_EQ(f->ui.DateTimePicker2->date(), QDate(1986, 9, 7));
    EXPECT_TRUE(f->ui.Grichisch1->isChecked());
    EXPECT_EQ(f->ui.UpDown11->position(), 2);
    EXPECT_EQ(f->ui.UpDown7->position(), 10000);
    EXPECT_EQ(f->MaxRuns, 10000000);
    EXPECT_EQ(f->ui.UpDown10->position(), 5);
    EXPECT_EQ(f->ui.UpDown12->position(), 75);
    EXPECT_EQ(f->StoredSystem, -1);
    EXPECT_EQ(f->ui.Edit4->text(), QStringLiteral("2,00"));
}

TEST(Settings, UnusableDatesAreRefused) {
    TestProgramDir dir;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double day : {nan, 1e300, -1e300, std::numeric_limits<double>::infinity()}) {
        storeKey([day](SettingsStore& key) {
            key.writeBinary(QStringLiteral("DateTimePicker2"), doubleBytes(day));
        });
        FormFixture f(dir, false);
        EXPECT_EQ(f->ui.DateTimePicker2->date(), QDate(1986, 9, 7)) << day;
    }
}

TEST(Settings, LanguageFlagsAreAlwaysAssigned) {
    TestProgramDir dir;
    storeKey([](SettingsStore& key) { key.writeInteger(QStringLiteral("Deutsch1"), 1); });
    {
        // An absent Greek flag takes its default, whatever the others say.
        FormFixture f(dir, false);
        EXPECT_TRUE(f->ui.Deutsch1->isChecked());
        EXPECT_FALSE(f->ui.Englichen1->isChecked());
        EXPECT_TRUE(f->ui.Grichisch1->isChecked());
    }
    storeKey([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("Deutsch1"), 0);
        key.writeInteger(QStringLiteral("Englichen1"), 7);
        key.writeInteger(QStringLiteral("Grichisch1"), 0);
    });
    FormFixture f(dir, false);
    EXPECT_FALSE(f->ui.Deutsch1->isChecked());
    EXPECT_TRUE(f->ui.Englichen1->isChecked());
    EXPECT_FALSE(f->ui.Grichisch1->isChecked());
}

TEST(Settings, ForeignValuesOfTheKeyAreKept) {
    TestProgramDir dir;
    storeKey(
        [](SettingsStore& key) { key.writeString(QStringLiteral("SomethingElse"), QStringLiteral("kept")); });
    { FormFixture f(dir, false); }
    EXPECT_EQ(SettingsStore::openKey(SettingsStore::ProgramKey).readString(QStringLiteral("SomethingElse")),
              QStringLiteral("kept"));
}

TEST(Settings, FailingSaveStillSavesTheTipListAndSaysSo) {
    TestProgramDir dir;
    // The configuration folder is a plain file: the key cannot be created.
    QDir(dir.configHome()).removeRecursively();
    QFile blocker(dir.configHome());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    {
        FormFixture f(dir, false);
        f->ui.ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes};
        f.form->close();
        ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
        EXPECT_TRUE(f.platform.dialogs->questions()[0].contains(dir.configHome()));
    }
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("tipps.txt"))));
}
