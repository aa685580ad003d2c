#include "gui/InlineFields.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QString hostText(const QWidget* host) {
    return host->property("text").toString();
}

// Where the host draws the first character of its caption (left-aligned captions only).
int textLeft(const QWidget* host) {
    if (const auto* box = qobject_cast<const QCheckBox*>(host)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
    }
    if (const auto* label = qobject_cast<const QLabel*>(host)) {
        int indent = label->indent();
        if (indent < 0)
            indent =
                label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        return label->contentsRect().left() + label->margin() + indent;
    }
    return 0;
}

constexpr int kFieldGap = 3; // free pixels left between a field and the words around it

} // namespace

InlineFields::InlineFields(QWidget* host, const QList<QWidget*>& fields) : QObject(host), m_host(host) {
    int height = host->minimumHeight();
    for (QWidget* field : fields) {
        field->setParent(host);
        m_fields << field;
        height = std::max(height, field->sizeHint().height());
    }
    host->setMinimumHeight(height);
    host->installEventFilter(this);
    place();
}

QList<QPair<int, int>> InlineFields::blankRuns(const QWidget* host) {
    const QString text = hostText(host);
    const QFontMetrics metrics(host->font());
    const int left = textLeft(host);
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QList<QPair<int, int>> runs;
    for (auto it = blanks.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        runs.append({left + metrics.horizontalAdvance(text.left(m.capturedStart())),
                     left + metrics.horizontalAdvance(text.left(m.capturedEnd()))});
    }
    return runs;
}

void InlineFields::place() {
    // A host not on screen is placed when it is shown: the captions of pages never opened are
    // not measured, and a translation applied meanwhile is measured once.
    if (!m_host->isVisible()) return;
    const QString text = hostText(m_host);
    const int left = textLeft(m_host);
    if (text != m_placedText || left != m_measuredLeft || m_host->font() != m_measuredFont) {
        m_runs = blankRuns(m_host);
        m_textEnd = left + QFontMetrics(m_host->font()).horizontalAdvance(text);
        m_measuredFont = m_host->font();
        m_measuredLeft = left;
    }
    m_placedText = text;
    int after = m_textEnd + 2 * kFieldGap;
    for (int i = 0; i < m_fields.size(); ++i) {
        QWidget* field = m_fields[i];
        if (!field) continue;
        const int height = field->sizeHint().height();
        const int y = (m_host->height() - height) / 2;
        if (i < m_runs.size()) {
            // Centred in the run, keeping a gap to the words where the run is wide enough; a
            // field never shrinks below the room its digits and arrows need.
            const int run = m_runs[i].second - m_runs[i].first;
            const int width = std::max(run - 2 * kFieldGap, std::min(run, field->minimumSizeHint().width()));
            field->setGeometry(m_runs[i].first + (run - width) / 2, y, width, height);
        } else {
            const int width = field->sizeHint().width();
            field->setGeometry(after, y, width, height);
            after += width + 2 * kFieldGap;
        }
    }
}

bool InlineFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_host) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Polish:
            place();
            break;
        case QEvent::Paint:
            // A new caption (a translation) arrives without an event of its own.
            if (hostText(m_host) != m_placedText) place();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
