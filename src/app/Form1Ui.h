#pragma once
// The controls of the main window, by the names every operation uses.
#include "platform/BarChartView.h"
#include "platform/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
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
    QAction* Dateiladen1 = nullptr;
    QAction* InDateispeichern1 = nullptr;

    PanelStatusBar* StatusBar1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // Lottotipp
    QWidget* TabSheet6 = nullptr; // Optionen
    QWidget* TabSheet5 = nullptr; // Diagramm
    QWidget* TabSheet4 = nullptr; // Datenbank
    QWidget* TabSheet3 = nullptr; // Internet-Optionen
    QTabWidget* PageControl2 = nullptr;
    QWidget* TabSheet8 = nullptr;
    QWidget* TabSheet9 = nullptr;
    QWidget* TabSheet10 = nullptr;
    QWidget* TabSheet11 = nullptr;

    // Lottotipp
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label13 = nullptr;
    QCheckBox* CheckBox16 = nullptr;
    QCheckBox* CheckBox17 = nullptr;
    QFrame* Panel9 = nullptr;
    ClickLabel* Label43 = nullptr;
    QFrame* Panel10 = nullptr;
    ClickLabel* Label44 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    UpDown* UpDown9 = nullptr;
    UpDown* UpDown18 = nullptr;
    UpDown* UpDown8 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* BitBtn5 = nullptr;

    // Optionen
    QToolButton* SpeedButton20 = nullptr;
    UpDown* UpDown7 = nullptr;

    // Diagramm
    QToolButton* SpeedButton2 = nullptr;
    DatePicker* DateTimePicker2 = nullptr;
    BarChartView* Chart1 = nullptr;

    // Datenbank
    QPushButton* BitBtn6 = nullptr;
    QLabel* Label29 = nullptr;
    DatePicker* DateTimePicker1 = nullptr;
    QToolButton* SpeedButton5 = nullptr;

    // Internet-Optionen
    QLineEdit* FileNameEdit = nullptr;
    QLineEdit* ProxyHostEdit = nullptr;
    QLineEdit* ProxyPortEdit = nullptr;
    ClickLabel* Label52 = nullptr;
    ClickLabel* Label54 = nullptr;
    ClickLabel* Label56 = nullptr;

    // Builds every control on the window and names it.
    void build(TForm1* form);
};
