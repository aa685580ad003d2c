#pragma once
// The controls of the main window, by the names every operation uses. Each control's
// objectName is its member name; an edit bound to a spin button is the line edit of the UpDown
// spin box and carries the edit's name (Edit39 inside UpDown3, ...).
#include "gui/BarChartView.h"
#include "gui/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

class TForm1;

struct Form1Ui {
    // Menu
    QAction* Beenden1 = nullptr;
    QAction* Aktualisieren1 = nullptr;
    QMenu* Sprache1 = nullptr;
    QAction* Deutsch1 = nullptr;
    QAction* Englichen1 = nullptr;
    QAction* Grichisch1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Dateiladen1 = nullptr;
    QAction* InDateispeichern1 = nullptr;
    QAction* MenuSlips = nullptr; // "Meine Scheine": the slips window
    QMenu* Hilfe1 = nullptr;
    QAction* Handbuch1 = nullptr;      // opens the manual
    QAction* UeberQuintara1 = nullptr; // version, licence, data sources

    PanelStatusBar* StatusBar1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // Lottotipp
    QWidget* TabSheet6 = nullptr; // Optionen
    QWidget* TabSheet5 = nullptr; // Diagramm
    QWidget* TabSheet4 = nullptr; // Datenbank
    QWidget* TabSheet3 = nullptr; // Internet-Optionen
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet8 = nullptr;  // Statistisch
    QWidget* TabSheet9 = nullptr;  // Schein Optimierung
    QWidget* TabSheet10 = nullptr; // Mathematisch
    QWidget* TabSheet11 = nullptr; // Allgemein

    // ---- Lottotipp ----
    // Draw line
    QToolButton* SpeedButton6 = nullptr; // previous draw
    QLabel* Label35 = nullptr;           // the current draw
    QToolButton* SpeedButton7 = nullptr; // next draw
    QLabel* Label13 = nullptr;           // "Quersumme"
    QCheckBox* CheckBox16 = nullptr;     // Saturday draws
    QCheckBox* CheckBox17 = nullptr;     // Wednesday draws
    // Left strip
    QToolButton* SpeedButton10 = nullptr; // draw download
    Panel* Panel9 = nullptr;
    ClickLabel* Label43 = nullptr; // the maker's address, one letter per line
    // Centre
    Panel* Panel12 = nullptr;        // "Spielreihen"
    QCheckBox* CheckBox28 = nullptr; // "Löschen vor neuer Berechnung"
    QListWidget* ListBox1 = nullptr; // tip list
    QLabel* TipListStake = nullptr;  // what the list costs on one draw
    // Hit list
    Panel* Panel14 = nullptr;        // its caption: hits, or hits and winnings
    QListWidget* ListBox2 = nullptr; // hit list
    QLabel* HitListTotal = nullptr;  // what the whole list won on the draw
    // Right block
    QLabel* Label22 = nullptr;
    UpDown* UpDown9 = nullptr; // Edit1: number of tips
    QLabel* Label61 = nullptr;
    UpDown* UpDown18 = nullptr; // Edit5: numbers per tip
    QComboBox* ComboBox1 = nullptr;
    QToolButton* SpeedEdit = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* TippsZurueck = nullptr; // brings back the tips the bin button removed
    Panel* Panel10 = nullptr;
    ClickLabel* Label44 = nullptr; // product name and version, one letter per line
    // Bottom rows
    QToolButton* SpeedButton15 = nullptr;
    QToolButton* SpeedButton16 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QToolButton* TippDruck = nullptr; // print preview of the tip text
    QPushButton* SlipSaveButton = nullptr; // stores the list (or the selected tips) as a played slip
    QToolButton* SpeedButton4 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    // Hidden
    UpDown* UpDown8 = nullptr; // Edit80: tips per ticket
    QPlainTextEdit* Memo1 = nullptr;

    // ---- Optionen / Statistisch ----
    QLabel* Label76 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    UpDown* UpDown12 = nullptr; // Edit85
    QCheckBox* CheckBox14 = nullptr;
    UpDown* UpDown14 = nullptr; // Edit87
    QToolButton* SpeedButton20 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    UpDown* UpDown13 = nullptr; // Edit86
    QToolButton* SpeedButton21 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QToolButton* SpeedButton17 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QToolButton* SpeedButton18 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QToolButton* SpeedButton19 = nullptr;
    QCheckBox* CheckBox19 = nullptr;

    // ---- Optionen / Schein Optimierung ----
    QCheckBox* CheckBox3 = nullptr;
    UpDown* UpDown3 = nullptr; // Edit39: maximum matches
    QCheckBox* CheckBox24 = nullptr;
    UpDown* UpDown1 = nullptr; // Edit88: minimum matches
    QCheckBox* CheckBox27 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    UpDown* UpDown4 = nullptr; // Edit40
    QCheckBox* CheckBox5 = nullptr;
    UpDown* UpDown5 = nullptr; // Edit41
    QCheckBox* CheckBox23 = nullptr;
    UpDown* UpDown11 = nullptr; // Edit84
    QCheckBox* CheckBox9 = nullptr;
    UpDown* UpDown6 = nullptr; // Edit42
    QCheckBox* CheckBox30 = nullptr;
    UpDown* UpDown19 = nullptr; // Edit91
    UpDown* UpDown20 = nullptr; // Edit92
    QCheckBox* CheckBox31 = nullptr;
    UpDown* UpDown21 = nullptr; // Edit6
    UpDown* UpDown22 = nullptr; // Edit7

    // ---- Optionen / Mathematisch ----
    UpDown* UpDown2 = nullptr;  // Edit37: lowest cross sum
    UpDown* UpDown15 = nullptr; // Edit38: highest cross sum
    ClickLabel* Label74 = nullptr;
    QCheckBox* CheckBox22 = nullptr;
    UpDown* UpDown10 = nullptr; // Edit83: primes
    QCheckBox* CheckBox25 = nullptr;
    UpDown* UpDown16 = nullptr; // Edit89: even numbers
    QCheckBox* CheckBox26 = nullptr;
    UpDown* UpDown17 = nullptr; // Edit90: odd numbers
    ClickLabel* Label66 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    ClickLabel* Label75 = nullptr;
    ClickLabel* Label69 = nullptr;
    QCheckBox* CheckBox18 = nullptr;

    // ---- Optionen / Allgemein ----
    QCheckBox* CheckBox20 = nullptr;
    QCheckBox* CheckBox15 = nullptr;
    UpDown* UpDown7 = nullptr; // Edit55: attempts per tip in thousands

    // ---- Diagramm ----
    QToolButton* SpeedButton2 = nullptr;  // frequencies
    QToolButton* SpeedButton9 = nullptr;  // "QS"
    QToolButton* SpeedButton22 = nullptr; // "2er"
    QToolButton* SpeedButton1 = nullptr;  // "3er"
    QToolButton* SpeedButton3 = nullptr;  // "4er"
    QToolButton* SpeedButton23 = nullptr; // "Ausstehende"
    QToolButton* DiagrammPNG = nullptr;   // the chart as a PNG picture
    QToolButton* DiagrammSVG = nullptr;   // the chart as an SVG drawing
    QLabel* LabelStatisticsFrom = nullptr; // "Statistik ab:" before the start date
    DatePicker* DateTimePicker2 = nullptr;
    QCheckBox* ChartZoom = nullptr; // the value axis zoomed onto the bars instead of from 0
    BarChartView* Chart1 = nullptr;

    // ---- Datenbank ----
    QPushButton* BitBtn1 = nullptr;      // "Datenbank aktualisieren"
    QToolButton* SpeedButton8 = nullptr; // stop, visible only while a download runs
    QLabel* Label29 = nullptr;
    QLabel* NextDrawLabel = nullptr; // the next draw and its jackpot, as the operator announced them
    DatePicker* DateTimePicker1 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QPushButton* BitBtn6 = nullptr; // "Löschen"
    QPushButton* BitBtn8 = nullptr; // "Eingeben"
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* BitBtn9 = nullptr;
    QPushButton* AnalysisReportButton = nullptr; // opens the report window
    QPushButton* SlipsOpenButton = nullptr;      // "Meine Scheine": the slips window

    // ---- Internet-Optionen ----
    QLineEdit* FileNameEdit = nullptr;
    QLineEdit* ProxyHostEdit = nullptr;
    QLineEdit* ProxyPortEdit = nullptr;
    QLineEdit* DrawServerEdit = nullptr; // scheme, host and port of the draw results server
    QCheckBox* UpdateAtStartCheck = nullptr; // update by itself at start when a draw is missing
    QCheckBox* CheckBox21 = nullptr;
    ClickLabel* Label52 = nullptr;
    ClickLabel* Label54 = nullptr;
    ClickLabel* Label56 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    // Hidden
    QLineEdit* URLEdit = nullptr; // disabled
    QLineEdit* Edit2 = nullptr;
    QLineEdit* MaskEdit1 = nullptr; // password echo

    // Builds every control on the window and names it.
    void build(TForm1* form);
    // Captions and hints of the controls the translation files do not name, in the language of
    // the message catalogue: set when built and again whenever the language changes.
    void translateOwnTexts();
    // The hit list's caption tells whether its entries show winnings besides the hits. Shown
    // again after a translation file set the caption of the file's language.
    void setHitListShowsMoney(bool money);
    bool hitListShowsMoney() const { return m_hitListShowsMoney; }
    void showHitListCaption();

    // The system selector shows the full system in the messages' language, while tip lines,
    // files and the checks keep the built-in designation "Vollsystem". selectorValue() is the
    // designation the selector stands for (its entry's value, or its text with the shown label
    // of the full system read back); selectorLabel() is what the selector shows for one.
    QString selectorValue() const;
    // The selector entries' data role holding the rows one tip of the entry plays (their hint).
    static constexpr int RowsRole = Qt::UserRole + 1;
    QString selectorLabel(const QString& value) const;

private:
    QString m_fullSystemLabel;
    bool m_hitListShowsMoney = false;

    void buildLottotipp();
    void buildStatistisch();
    void buildScheinOptimierung();
    void buildMathematisch();
    void buildAllgemein();
    void buildDiagramm();
    void buildDatenbank();
    void buildInternetOptionen();
};
