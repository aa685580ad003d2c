#pragma once
#include <QFont>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

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
    QFont m_measuredFont;
    std::optional<int> m_measuredLeft;
    QList<QPair<int, int>> m_runs;
    int m_textEnd = 0;
};
