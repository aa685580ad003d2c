// The settings of the main window across a restart: the controls show the defaults on a first
// start and every value again after a restart. The rules of reading are ProgramSettings' own
// (program_settings_test).
#include "base/SettingsStore.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QtEndian>
#include <bit>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QCheckBox* box(TForm1* form, int n) {
    return form->controls().PageControl1->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
}
UpDown* spin(TForm1* form, int n) {
    return form->controls().PageControl1->findChild<UpDown*>(QStringLiteral("UpDown%1").arg(n));
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

    const Form1Ui& ui = f->controls();
    EXPECT_FALSE(ui.Deutsch1->isChecked());
    EXPECT_FALSE(ui.Englichen1->isChecked());
    EXPECT_TRUE(ui.Grichisch1->isChecked());
    EXPECT_EQ(ui.ComboBox1->currentText(), QStringLiteral("Normal"));
    const ProgramSettings kept = f->collectSettings();
    EXPECT_EQ(kept.neuerSchein, 0);
    EXPECT_EQ(kept.land, 3);
    EXPECT_EQ(kept.tippTop, 39);
    EXPECT_EQ(kept.tippLeft, 47);
    EXPECT_EQ(kept.preis, 0.0);
    EXPECT_EQ(f->maxRuns(), 100000);
    EXPECT_TRUE(f->evaluationEnabled());
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
    // Values the window only keeps and writes back.
    storeKey([](SettingsStore& key) {
        key.writeInteger(QStringLiteral("NeuerSchein"), 7);
        key.writeInteger(QStringLiteral("Land"), 2);
        key.writeInteger(QStringLiteral("TippTop"), 11);
        key.writeInteger(QStringLiteral("TippLeft"), -5);
        key.writeBinary(QStringLiteral("Preis"), doubleBytes(3.25));
    });
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
        form->controls().Deutsch1->setChecked(true);
        form->controls().Englichen1->setChecked(true);
        form->controls().Grichisch1->setChecked(false);
        form->controls().ComboBox1->setCurrentIndex(4);
        form->controls().FileNameEdit->setText(QStringLiteral("/tmp/ab \"c\"\\Lotto.html"));
        form->controls().URLEdit->setText(QStringLiteral("https://operator.example/x?a=1&b=2"));
        form->controls().ProxyHostEdit->setText(QStringLiteral("proxy.example"));
        form->controls().ProxyPortEdit->setText(QStringLiteral("3128"));
        form->controls().Edit2->setText(QStringLiteral("Γιώργος"));
        form->controls().Edit3->setText(QStringLiteral("0,75"));
        form->controls().Edit4->setText(QStringLiteral("1,50"));
        form->controls().MaskEdit1->setText(QStringLiteral("p=\"w\";d"));
        form->controls().DateTimePicker2->setDate(QDate(2001, 2, 3));
        form->controls().DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:9999"));
    }
    // The key is owner-only.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(keyFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
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
    EXPECT_TRUE(form->controls().Deutsch1->isChecked());
    EXPECT_TRUE(form->controls().Englichen1->isChecked());
    EXPECT_FALSE(form->controls().Grichisch1->isChecked());
    const ProgramSettings collected = form->collectSettings();
    EXPECT_EQ(collected.neuerSchein, 7);
    EXPECT_EQ(collected.land, 2);
    EXPECT_EQ(collected.tippTop, 11);
    EXPECT_EQ(collected.tippLeft, -5);
    EXPECT_EQ(collected.preis, 3.25);
    EXPECT_EQ(form->maxRuns(), form->controls().UpDown7->position() * 1000);
    EXPECT_EQ(form->controls().FileNameEdit->text(), QStringLiteral("/tmp/ab \"c\"\\Lotto.html"));
    EXPECT_EQ(form->controls().URLEdit->text(), QStringLiteral("https://operator.example/x?a=1&b=2"));
    EXPECT_EQ(form->controls().ProxyHostEdit->text(), QStringLiteral("proxy.example"));
    EXPECT_EQ(form->controls().ProxyPortEdit->text(), QStringLiteral("3128"));
    EXPECT_EQ(form->controls().Edit2->text(), QStringLiteral("Γιώργος"));
    EXPECT_EQ(form->controls().Edit3->text(), QStringLiteral("0,75"));
    EXPECT_EQ(form->controls().Edit4->text(), QStringLiteral("1,50"));
    EXPECT_EQ(form->controls().MaskEdit1->text(), QStringLiteral("p=\"w\";d"));
    EXPECT_EQ(form->controls().DateTimePicker2->date(), QDate(2001, 2, 3));
    EXPECT_EQ(form->controls().DrawServerEdit->text(), QStringLiteral("http://127.0.0.1:9999"));
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
        f->controls().ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes};
        f.form->close();
        ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
        EXPECT_TRUE(f.platform.dialogs->questions()[0].contains(dir.configHome()));
    }
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("tipps.txt"))));
}
