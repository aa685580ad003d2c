#pragma once
#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QVector>

class QAction;
class QLineEdit;

// An edit field with its up-down button: one spin box named after the up-down control, whose
// line edit carries the edit's name (both resolve by findChild). The position is value(), the
// limits are minimum() and maximum(). Mouse presses and releases on the arrows are reported,
// because some option limits move only on those events.
class UpDown : public QSpinBox {
    Q_OBJECT
public:
    UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum, int position,
           QWidget* parent = nullptr);

    QLineEdit* edit() const;
    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }

signals:
    void mousePressed();
    void mouseReleased();
    // The user is about to step the position with the arrows or the arrow keys; position()
    // still holds the value before the step.
    void changing();
    // The user stepped the position with the arrows or the arrow keys.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void stepBy(int steps) override;
};

// A date picker with an earliest allowed date. Setting a date outside its range is refused
// (and reported), as the pickers of the program expect, instead of being clamped.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const QString& name, const QDate& earliest, const QDate& initial, QWidget* parent = nullptr);

    bool trySetDate(const QDate& date);
    bool trySetDayCount(double dayCount);
    double dayCount() const;
};

// The status bar with its text panels; panel widths as given, the last one stretching.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    PanelStatusBar(const QString& name, const QVector<int>& widths, QWidget* parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    QLabel* panel(int index) const { return m_panels.at(index); }

private:
    QVector<QLabel*> m_panels;
};

// A label that reports clicks (banner and link labels, chart shortcuts). It takes the keyboard
// focus like a button and is clicked with Enter or Space; only then it shows a focus frame.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& name, const QString& text = {}, QWidget* parent = nullptr);

    // Shows a new caption. QLabel lays out the text of a label that takes focus as a rich-text
    // document (for links it might hold), which costs a document layout on every size query;
    // this caption is plain text, measured and drawn as any other label's. (A caller holding a
    // QLabel* gets the document, which shows the same.)
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
};

// Menu items with this property (a language's name in that language) show it in the menu's
// right-hand column ("Englisch      English") when their caption differs from it. The caption
// itself stays as a translation file sets it.
inline constexpr const char* OwnNameProperty = "ownName";
class QMenu;
void showOwnNames(QMenu* menu);
// What the menu shows for an item: the caption, and after a tab the own name when it shows.
QString shownMenuText(const QAction* item);

// Gives every control of the window that takes the keyboard focus a name for screen readers
// where its own text does not give one: its hint, else the caption of the sentence or the
// label it stands in or beside. Run again after the captions changed (a translation).
void nameForScreenReaders(QWidget* window);

// A control the keyboard can reach (the parts of a spin or combo box count as that box).
bool takesFocus(const QWidget* widget);

// The name a screen reader announces for a widget (its accessible name).
QString screenReaderName(QWidget* widget);

// A panel: a framed area with an optional caption (text()) that other widgets may sit on, and
// that reports clicks like a label.
class Panel : public QLabel {
    Q_OBJECT
public:
    explicit Panel(const QString& name, const QString& caption = {}, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    // Large enough for the caption and for the widgets its layout holds.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Places fields (spin boxes) over the runs of two or more blanks in the caption of a label or
// check box, so that the number stands inside the sentence ("maximal [4] Übereinstimmungen
// ..."). The n-th field covers the n-th run; a field without a run (a translated caption
// may have none) goes after the text. The fields become children of the host, which is made
// tall enough for them; they follow caption, font and size changes.
class InlineFields : public QObject {
    Q_OBJECT
public:
    InlineFields(QWidget* host, const QList<QWidget*>& fields);

    // The x range (start, end) of each blank run in the host's caption, in host coordinates.
    static QList<QPair<int, int>> blankRuns(const QWidget* host);
    // Places the fields now if the host is on screen (else when it is shown).
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_host;
    QList<QPointer<QWidget>> m_fields;
    QString m_placedText;
    // The caption's measures at the last placing, kept while caption, font and style stay:
    // sizes and shows of the host only move the fields.
    bool m_measured = false;
    QFont m_measuredFont;
    int m_measuredLeft = 0;
    QList<QPair<int, int>> m_runs;
    int m_textEnd = 0;
};
