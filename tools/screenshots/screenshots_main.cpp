// Grabs every page of the main window, the draw entry, the number choice window and an input
// box into PNG files, for looking at the layout without a display (run with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=1.5 for a scaled desktop).
//   quintara-screenshots <results.csv> <output directory> [translation file [name prefix]]
// The window runs on a temporary program directory holding the history built from the CSV,
// with its own settings folder, so nothing of the user's is read or written. A translation file
// named like one of the language menu's (Bezeich_en.txt, ...) is chosen through that menu item,
// messages included; any other is applied as "Datei laden" does.
#include "base/Random.h"
#include "app/TForm1.h"
#include "gui/BarChartView.h"
#include "gui/TForm3.h"
#include "gui/AnalysisReport.h"
#include "gui/SlipsWindow.h"
#include "evaluation/Slips.h"
#include "history/PrizeTable.h"
#include "gui/TForm6.h"
#include "gui/TipPrint.h"
#include "base/DayCount.h"
#include "generator/HistoricAnalysis.h"
#include "history/DrawCsv.h"
#include "stats/TipTest.h"
#include "history/Dividends.h"
#include "tips/TipLine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Messages are printed instead of shown, so the grab never waits for a click.
class PrintingDialogs : public WidgetDialogs {
public:
    void message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void error(QWidget*, const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        lastError = text;
    }
    QString lastError;
    // Input boxes take their proposal (the report pages run the historic analysis).
    QString inputBox(QWidget*, const QString&, const QString&, const QString& proposal) override {
        return answer.isEmpty() ? proposal : answer;
    }
    QString answer;
};

void settle() {
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The captions are German; the draw line's weekday should match them.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 5) {
        std::fprintf(stderr, "usage: quintara-screenshots <results.csv> <output directory> "
                             "[translation file [name prefix]]\n");
        return 2;
    }
    QTemporaryDir temp;
    const QString programDir = temp.path() + QStringLiteral("/program/");
    QDir().mkpath(programDir);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.path() + QStringLiteral("/config")));
    {
        QFile history(programDir + QStringLiteral("ZahlenGR.dat"));
        if (!history.open(QIODevice::WriteOnly)) return 1;
        for (const auto& r : DrawCsv::readFile(args[1])) {
            const auto b = r.toBytes();
            history.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
        }
    }
    QDir().mkpath(args[2]);
    // The next draw as the operator announced it, when one is kept beside the results file.
    QFile::copy(QFileInfo(args[1]).absolutePath() + QStringLiteral("/ZahlenGR.naechste.csv"),
                programDir + QStringLiteral("ZahlenGR.naechste.csv"));
    // The reduced-system tables kept beside the results file (data/beside/vew), when there.
    {
        const QDir vew(QFileInfo(args[1]).absolutePath() + QStringLiteral("/beside/vew"));
        QDir().mkpath(programDir + QStringLiteral("vew"));
        for (const QString& name : vew.entryList({QStringLiteral("*.txt")}, QDir::Files))
            QFile::copy(vew.filePath(name), programDir + QStringLiteral("vew/") + name);
    }

    Platform platform = Platform::system();
    platform.updateAtStart = false; // photographs, no downloads
    auto dialogs = std::make_shared<PrintingDialogs>();
    platform.dialogs = dialogs;
    TForm1 form(programDir, platform);
    const QString prefix = args.size() == 5 ? args[4] + QLatin1Char('-') : QString();
    if (args.size() >= 4) {
        const QString name = QFileInfo(args[3]).fileName();
        QDir().mkpath(programDir + QStringLiteral("land"));
        for (const QString& file : {args[3], args[3] + QStringLiteral(".trans")})
            if (QFileInfo::exists(file))
                QFile::copy(file, programDir + QStringLiteral("land/") + QFileInfo(file).fileName());
        if (name == QLatin1String("Bezeich_de.txt")) {
            form.Deutsch1Click();
        } else if (name == QLatin1String("Bezeich_en.txt")) {
            form.Englichen1Click();
        } else if (name == QLatin1String("Bezeich_gr.txt")) {
            form.Grichisch1Click();
        } else {
            // As the language menu applies it (its companion file is found beside it).
            form.setTranslationFile(args[3]);
            form.Dateiladen1Click();
        }
    }
    form.show();
    settle();
    // Real tips from a fixed seed, checked against the newest draw, as a player would see them.
    Rng::setSeed(4711);
    form.Label28Click();
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    settle();

    auto grab = [&](const QString& name) {
        settle();
        form.controls().Chart1->refresh();
        settle();
        const QString file = args[2] + QLatin1Char('/') + prefix + name + QStringLiteral(".png");
        if (!form.grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    };
    const QStringList pages = {QStringLiteral("lottotipp"), QStringLiteral("optionen"),
                               QStringLiteral("diagramm"), QStringLiteral("datenbank"),
                               QStringLiteral("internet")};
    const QStringList subPages = {QStringLiteral("statistisch"), QStringLiteral("schein"),
                                  QStringLiteral("mathematisch"), QStringLiteral("allgemein")};
    for (int i = 0; i < pages.size(); ++i) {
        form.controls().PageControl1->setCurrentIndex(i);
        if (form.controls().PageControl1->currentWidget() == form.controls().TabSheet6) {
            for (int j = 0; j < subPages.size(); ++j) {
                form.controls().PageControl2->setCurrentIndex(j);
                grab(QStringLiteral("optionen-") + subPages[j]);
            }
        } else {
            // The chart page with the number frequencies, as its first button shows them.
            if (form.controls().PageControl1->currentWidget() == form.controls().TabSheet5) form.SpeedButton2Click();
            grab(pages[i]);
        }
    }
    // The tip page with full systems of eight numbers: the selector names the full system in the
    // language, the status bar its rows.
    form.controls().UpDown18->setPosition(8);
    form.UpDown18Click();
    form.Label28Click();
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    grab(QStringLiteral("lottotipp-vollsystem"));
    // The tip page with a reduced system picked from the selector at size 10, and the money of
    // the newest draw from a sample prize table: the generated VEW lines, then a full system of
    // eight and a VEW line that won on that draw.
    {
        MemoryDividends sample;
        sample.set(DayCount::toDate(form.currentDraw().date), {{5, false, 1500.0}, {4, false, 35.0}, {3, false, 1.5}});
        form.setDividendSource(&sample);
        form.controls().UpDown18->setPosition(10);
        form.UpDown18Click();
        form.controls().ComboBox1->setCurrentIndex(form.controls().ComboBox1->findText(QStringLiteral("VEW:610")));
        form.ComboBox1Change();
        form.Label28Click();
        const auto& drawn = form.currentDraw().numbers;
        auto winningLine = [&](int hits, int size, const QString& system) {
            std::vector<int> numbers(drawn.begin() + 1, drawn.begin() + 1 + hits);
            for (int k = 1; static_cast<int>(numbers.size()) < size; ++k)
                if (std::find(drawn.begin() + 1, drawn.begin() + 8, k) == drawn.begin() + 8) numbers.push_back(k);
            std::sort(numbers.begin(), numbers.end());
            return TipLine::makeLine(numbers, system);
        };
        form.controls().ListBox1->addItem(winningLine(4, 8, QStringLiteral("Vollsystem")));
        form.controls().ListBox1->addItem(winningLine(4, 10, QStringLiteral("VEW:610")));
        form.Komplettcheck();
        form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
        grab(QStringLiteral("lottotipp-vew"));
        form.setDividendSource(nullptr);
        form.controls().UpDown18->setPosition(6);
        form.UpDown18Click();
        form.Label28Click();
    }
    // The pool's status while the player edits the numbers of a run; the editing is cancelled.
    form.controls().CheckBox20->setChecked(true);
    QTimer::singleShot(300, [&] {
        grab(QStringLiteral("lottotipp-pool"));
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    form.Label28Click();
    form.controls().CheckBox20->setChecked(false);
    form.controls().UpDown18->setPosition(6);
    form.UpDown18Click();
    // The number choice window as the generator's pool editing shows it.
    if (QWidget* choice = form.form6()) {
        choice->show();
        settle();
        const QString file = args[2] + QLatin1Char('/') + prefix + QStringLiteral("zahlenwahl.png");
        if (!choice->grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        choice->hide();
    }
    auto grabDialog = [&](QWidget* dialog, const QString& name) {
        dialog->show();
        settle();
        const QString file = args[2] + QLatin1Char('/') + prefix + name + QStringLiteral(".png");
        if (!dialog->grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        dialog->hide();
    };
    // The manual draw entry, created afresh as the Datenbank page does.
    {
        TForm3 entry(&form);
        grabDialog(&entry, QStringLiteral("ziehung-eingeben"));
    }
    // What "Als gespielt speichern" asks: draws and name of the slip for the next draw.
    {
        SlipSaveDialog slip(form.nextSlipDraw(), 6, 3.0, &form);
        grabDialog(&slip, QStringLiteral("schein-speichern"));
    }
    // An input box as the lucky number asks for it, with Qt's own buttons in the language.
    {
        QInputDialog box(&form);
        box.setWindowTitle(QCoreApplication::translate("TForm1", "Ihre Glückszahl (1-99999999)?"));
        box.setLabelText(QCoreApplication::translate(
            "HistoricAnalysis", "Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!"));
        box.setTextValue(QStringLiteral("4711"));
        grabDialog(&box, QStringLiteral("glueckszahl"));
    }
    // The report window: the historic analysis of 2025 beside chance, the rules with their
    // back-test, the 609 reduced system and the data page.
    form.controls().DateTimePicker1->setDate(QDate(2025, 1, 1));
    dialogs->answer = QStringLiteral("4711");
    form.BitBtn9Click();
    if (AnalysisReport* report = form.report()) {
        report->show();
        report->resize(820, 560);
        form.ruleBackTestClick();
        report->wheelCode->setCurrentText(QStringLiteral("609"));
        report->wheelShow->click();
        const QStringList names = {QStringLiteral("auswertung-zufall"), QStringLiteral("auswertung-regeln"),
                                   QStringLiteral("auswertung-vew"), QStringLiteral("auswertung-daten")};
        for (int i = 0; i < names.size(); ++i) {
            report->tabs->setCurrentIndex(i);
            settle();
            const QString file = args[2] + QLatin1Char('/') + names[i] + QStringLiteral(".png");
            if (!report->grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        }
    }
    // The slips window: three slips over the last draws of the sample history, one still
    // running. The sample has no prize tables; the pictures get made-up dividends for 08-23 and
    // 08-30 and none for 08-27, whose wins show as unknown.
    {
        Slips::SlipBook book;
        book.add({{}, QStringLiteral("Mittwoch und Samstag"), {QStringLiteral("07,28,33,44,45,46:Normal")},
                  QDate(2025, 8, 23), 3, 0.5});
        book.add({{}, QStringLiteral("System 8"), {QStringLiteral("02,07,09,25,28,33,36,44:Vollsystem")},
                  QDate(2025, 8, 23), 3, 0.5});
        book.add({{}, QString(), {QStringLiteral("03,09,17,30,37,41:Normal"), QStringLiteral("05,11,19,23,40,48:Normal")},
                  QDate(2025, 8, 27), 4, 0.5});
        if (!book.save(form.paths().slipsPath()).isEmpty()) std::fprintf(stderr, "cannot write the slips\n");
        PrizeTable prizes;
        for (const QDate& date : {QDate(2025, 8, 23), QDate(2025, 8, 30)})
            prizes.merge({date, 0, {{1, 6, false, 0, 0, 0, 0}, {2, 5, false, 1480.5, 4, 0, 0},
                                    {3, 4, false, 32.4, 310, 0, 0}, {4, 3, false, 1.5, 6100, 1.5, 0}}});
        prizes.write(form.prizeTablePath());
        form.SlipsOpenButtonClick();
        if (SlipsWindow* slips = form.slipsWindow()) {
            slips->resize(900, 640);
            if (auto* table = slips->findChild<QTableView*>(QStringLiteral("SlipTable"))) table->selectRow(4);
            settle();
            const QString file = args[2] + QLatin1Char('/') + prefix + QStringLiteral("scheine.png");
            if (!slips->grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            // The edit box of the selected slip, grabbed while it is up, then cancelled.
            QTimer::singleShot(300, [&] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    const QString name = args[2] + QLatin1Char('/') + prefix + QStringLiteral("schein-bearbeiten.png");
                    if (!box->grab().save(name)) std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                    box->close();
                }
            });
            slips->editClick();
            slips->hide();
        }
    }
    // The protections around the player's data and the charts as drawn for reading, into protect/.
    const QString protect = args[2] + QStringLiteral("/protect");
    QDir().mkpath(protect);
    auto grabTo = [&](QWidget* w, const QString& name) {
        settle();
        if (!w->grab().save(protect + QLatin1Char('/') + name + QStringLiteral(".png")))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    };
    // A modal box: grabbed while it is up, then closed.
    auto grabModal = [&](const QString& name, const std::function<void()>& open) {
        QTimer::singleShot(200, [&, name] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                grabTo(box, name);
                box->close();
            }
        });
        open();
    };
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet5);
    form.SpeedButton2Click();
    form.controls().Chart1->refresh();
    grabTo(&form, QStringLiteral("diagramm-haeufigkeit"));
    form.SpeedButton9Click();
    form.controls().Chart1->refresh();
    grabTo(&form, QStringLiteral("diagramm-quersummen"));
    form.runSearch(2);
    form.controls().Chart1->refresh();
    grabTo(&form, QStringLiteral("diagramm-paare"));

    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    form.clearTipListWithUndo();
    grabTo(&form, QStringLiteral("lottotipp-rueckgaengig"));
    form.undoTipListClear();

    WidgetDialogs real;
    // The tip search's boxes as it shows them: its window of draws, a hit, the summary with
    // counts of one.
    grabModal(QStringLiteral("eingabebox-frage"), [&] {
        real.inputBox(&form, TipTest::caption(), TipTest::promptWithRange(form.drawFilter()), TipTest::proposal());
    });
    const QStringList searched{QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("05,07,30,33,35,36:Normal")};
    grabModal(QStringLiteral("suche-treffer"), [&] {
        real.messageOrStop(&form, TipTest::hitBoxText(DayCount::fromDate(QDate(2025, 8, 9)), searched, {1, 3}, 3),
                           QCoreApplication::translate("TForm1", "Suche beenden"));
    });
    grabModal(QStringLiteral("suche-ende"), [&] {
        TipTest::LineHits hits(2);
        hits.add({1, 3}, 3);
        real.message(&form, TipTest::summaryText(searched, hits, 1, 1, false));
    });
    grabModal(QStringLiteral("loeschen-frage"), [&] {
        real.question(&form, QStringLiteral("Die Ziehung vom 09.08.2025 löschen?\n\n5, 7, 30, 33, 35, 36 (Zusatzzahl 12)"));
    });

    TForm3 entry(&form);
    entry.reportProblem = [&](const QString& text) {
        grabModal(QStringLiteral("eingabe-fehler"), [&] { real.message(&entry, text); });
    };
    const int typed[] = {5, 7, 30, 33, 33, 36};
    for (int i = 1; i <= 6; ++i) entry.number(i)->setPosition(typed[i - 1]);
    entry.show();
    entry.BitBtn2->click();
    grabTo(&entry, QStringLiteral("eingabe-feld"));
    entry.hide();

    TipPrintPreview preview(form.tipSheet(), &form);
    preview.show();
    grabTo(&preview, QStringLiteral("druckvorschau"));
    preview.hide();

    // Systems on the slips: a reduced system as its rows, a full system as one column, six
    // tips to a slip; and their numbers in the tip distribution.
    const QStringList tips = form.tipLines();
    form.controls().ListBox1->clear();
    form.controls().ListBox1->addItems({QStringLiteral("03,07,11,15,19,23,27,31,35,40:610"),
                                        QStringLiteral("01,05,12,19,26,33,40,47:008"),
                                        QStringLiteral("05,07,30,33,35,36:Normal")});
    const int perTicket = form.controls().UpDown8->position();
    form.controls().UpDown8->setPosition(6);
    {
        TipPrintPreview systems(form.tipSheet(), &form);
        systems.resize(920, 1100);
        systems.show();
        grabTo(&systems, QStringLiteral("druckvorschau-systeme"));
        systems.hide();
    }
    form.Button6Click();
    form.controls().Chart1->refresh();
    grabTo(&form, QStringLiteral("diagramm-tippverteilung-systeme"));
    form.controls().UpDown8->setPosition(perTicket);
    form.controls().ListBox1->clear();
    form.controls().ListBox1->addItems(tips);

    // A chart across a switch of the language there and back: its bars stay, its title follows.
    form.SpeedButton2Click();
    {
        QAction* chosen = form.controls().Grichisch1;
        for (QAction* item : {form.controls().Deutsch1, form.controls().Englichen1})
            if (item->isChecked()) chosen = item;
        (chosen == form.controls().Deutsch1 ? form.controls().Grichisch1 : form.controls().Deutsch1)->trigger();
        settle();
        chosen->trigger();
        settle();
    }
    form.controls().Chart1->refresh();
    grabTo(&form, QStringLiteral("diagramm-nach-sprachwechsel"));

    // The language menu with each language's own name beside its caption.
    {
        QMenu* menu = form.controls().Sprache1;
        menu->popup(form.mapToGlobal(QPoint(40, 20)));
        settle();
        grabTo(menu, QStringLiteral("menue-sprache"));
        menu->hide();
    }

    // A number choice window made afresh, as a generation run makes it, in the language.
    {
        TForm6 fresh(platform, &form);
        fresh.show();
        grabTo(&fresh, QStringLiteral("zahlenwahl-neu"));
        fresh.hide();
    }

    if (QWidget* choice = form.form6()) {
        choice->show();
        grabTo(choice, QStringLiteral("zahlenwahl-frage"));
        choice->hide();
    }

    // The boxes that explain themselves, in the language: the help, a failed update, a draw
    // after today, a lucky number that is none; and a chart whose start lies after the newest draw.
    auto grabBox = [&](const QString& name, const std::function<void()>& open) {
        QTimer::singleShot(200, [&, name] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                settle();
                const QString file = args[2] + QLatin1Char('/') + prefix + name + QStringLiteral(".png");
                if (!box->grab().save(file)) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                box->close();
            }
        });
        open();
    };
    grabBox(QStringLiteral("hilfe-ueber"), [&] { real.message(&form, form.aboutText()); });
    {
        // Nothing listens on port 1 of this machine: every request is refused at once.
        form.setServerOverride(QStringLiteral("http://127.0.0.1:1"));
        form.QuintaraClick();
        // The update runs on the reply signals; it has ended once its five refused requests did.
        QElapsedTimer waited;
        waited.start();
        while (form.downloadRunning() && waited.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        form.setServerOverride({});
        const QString failure = dialogs->lastError;
        grabBox(QStringLiteral("aktualisierung-fehler"), [&] { real.error(&form, failure); });
        form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet4);
        grab(QStringLiteral("datenbank-fehler"));
    }
    {
        const QDate today = QDate::currentDate();
        const QString late = DrawEntry::checkDate(today.addDays(1), today)->message;
        grabBox(QStringLiteral("ziehung-zukunft"), [&] { real.message(&form, late); });
    }
    grabBox(QStringLiteral("glueckszahl-keine-zahl"),
            [&] { real.message(&form, HistoricAnalysis::notALuckyNumber(QStringLiteral("abc"))); });
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet5);
    const QDate from = form.controls().DateTimePicker2->date();
    form.SpeedButton2Click();
    form.controls().DateTimePicker2->setDate(QDate::currentDate().addDays(1));
    grab(QStringLiteral("diagramm-nach-letzter"));
    form.controls().DateTimePicker2->setDate(from);
    form.controls().ChartZoom->setChecked(true);
    grab(QStringLiteral("diagramm-ausschnitt"));
    form.controls().ChartZoom->setChecked(false);

    std::printf("window %dx%d, client %dx%d\n", form.width(), form.height(), form.centralWidget()->width(),
                form.centralWidget()->height());
    return 0;
}
