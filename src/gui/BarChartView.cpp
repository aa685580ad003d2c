#include "gui/BarChartView.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLocale>
#include <QToolTip>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QTimer>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int LabelPixels = 10;
constexpr int TitlePixels = 11;

// Red with light diagonal stripes: the prime bars stay apart from the others without colour
// (in grey print, for colour-blind eyes), and the legend shows the same pattern.
QBrush primeBrush(const QColor& colour) {
    QPixmap tile(8, 8);
    tile.fill(colour);
    QPainter p(&tile);
    p.setPen(QPen(colour.lighter(170), 2));
    p.drawLine(0, 8, 8, 0);
    p.drawLine(-4, 4, 4, -4);
    p.drawLine(4, 12, 12, 4);
    p.end();
    return QBrush(tile);
}

// Greedy word wrap of the title into lines no wider than width, as HTML lines.
QString wrappedTitle(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString line;
    const QStringList words = text.split(QLatin1Char(' '));
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate.simplified()) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    // Runs of blanks in the titles are part of their look; HTML would fold them.
    for (QString& l : lines) l = l.toHtmlEscaped().replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
    return lines.join(QStringLiteral("<br>"));
}

// Every how many categories the bottom axis is labelled, so that labels of that width fit.
int labelStep(int categories, double axisWidth, double labelWidth) {
    if (categories <= 0) return 1;
    // Qt Charts gives each label the axis width divided by the number of labels, less padding.
    constexpr double Room = 12;
    for (int step : {1, 2, 5, 10, 20, 25, 50, 100}) {
        const int labels = (categories + step - 1) / step + 1;
        if (axisWidth / labels >= labelWidth + Room) return step;
    }
    return 100;
}

} // namespace

BarChartView::BarChartView(QWidget* parent) : QChartView(parent), m_model(new BarChartModel(this)) {
    setRenderHint(QPainter::Antialiasing, false);
    connect(m_model, &BarChartModel::changed, this, &BarChartView::scheduleRefresh);
}

void BarChartView::ensureChart() {
    if (m_chart) return;
    m_chart = new QChart;
    m_series = new QStackedBarSeries;
    m_x = new QCategoryAxis;
    m_y = new QValueAxis;
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->hide();
    m_chart->legend()->setAlignment(Qt::AlignTop);
    QFont legendFont = m_chart->legend()->font();
    legendFont.setPixelSize(LabelPixels);
    m_chart->legend()->setFont(legendFont);

    m_series->setBarWidth(0.8);
    m_chart->addSeries(m_series);
    connect(m_series, &QStackedBarSeries::hovered, this, [this](bool entered, int index, QBarSet*) {
        const QString text = entered ? barText(index) : QString();
        setToolTip(text);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, this);
    });

    // Bars stand at positions 0, 1, 2, ...; the axis names every bar where there is room, else
    // every second, fifth, tenth ... category.
    m_x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    QFont small = m_x->labelsFont();
    small.setPixelSize(LabelPixels);
    m_x->setLabelsFont(small);
    QFont titleFont = m_x->titleFont();
    titleFont.setPixelSize(TitlePixels);
    titleFont.setBold(false);
    m_x->setTitleFont(titleFont);
    m_x->setGridLineVisible(false);
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_series->attachAxis(m_x);

    m_y->setLabelFormat(QStringLiteral("%d"));
    m_y->setLabelsFont(small);
    m_y->setTickType(QValueAxis::TicksDynamic);
    m_y->setMinorTickCount(0);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_series->attachAxis(m_y);
    // The view releases the chart it started with instead of deleting it.
    QChart* initial = chart();
    setChart(m_chart);
    delete initial;
    m_dirty = true;
}

const BarChartView& BarChartView::withChart() const {
    const_cast<BarChartView*>(this)->ensureChart();
    return *this;
}

void BarChartView::scheduleRefresh() {
    m_dirty = true;
    if (m_pending) return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        // A hidden chart is brought up to date when it is shown.
        if (m_dirty && isVisible()) refresh();
    });
}

void BarChartView::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    if (m_dirty || !m_chart) refresh();
}

void BarChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    if (m_chart) layoutTexts();
}

void BarChartView::setZoomed(bool zoomed) {
    if (zoomed == m_zoomed) return;
    m_zoomed = zoomed;
    scheduleRefresh();
}

QString BarChartView::barText(int index) const {
    if (index < 0 || index >= m_xs.size()) return {};
    double value = 0;
    for (const auto& entry : m_sets)
        if (index < entry.second->count()) value += entry.second->at(index);
    return QStringLiteral("%1: %2").arg(QLocale().toString(m_xs[index], 'g', 10), QLocale().toString(value, 'g', 10));
}

BarChartView::AxisRange BarChartView::displayRange(double lo, double hi, bool zoomed) {
    if (hi < lo) std::swap(lo, hi);
    // Unzoomed, bars of counts stand on 0, so their heights compare truly.
    if (!zoomed && lo > 0) lo = 0;
    const double span = std::max(hi - lo, 1.0);
    // About six whole-number intervals: 1, 2, 5, 10, 20, 50, ...
    double step = 1;
    for (double magnitude = 1;; magnitude *= 10) {
        if (span / 6 <= magnitude) { step = magnitude; break; }
        if (span / 6 <= 2 * magnitude) { step = 2 * magnitude; break; }
        if (span / 6 <= 5 * magnitude) { step = 5 * magnitude; break; }
    }
    AxisRange r;
    r.step = step;
    r.max = std::ceil(hi / step) * step;
    if (r.max <= lo) r.max = lo + step;
    if (lo > 0) {
        // At least one unit, or a twentieth of the span, of the lowest bar stays visible.
        const double margin = std::max(1.0, (hi - lo) / 20);
        r.min = std::max(0.0, std::floor((lo - margin) / step) * step);
    } else {
        r.min = std::floor(lo / step) * step;
    }
    return r;
}

void BarChartView::refresh() {
    ensureChart();
    m_dirty = false;

    // One bar set per colour, stacked: each category has its height in the set of its colour
    // and 0 in the others, which gives every bar its own colour.
    QList<double> xs;
    std::map<BarColour, QList<qreal>> values;
    bool marks = false;
    for (const BarSeries* s : {m_model->series1(), m_model->series2()}) {
        if (!s->isActive()) continue;
        marks = marks || (s->showMarks() && s->count() > 0);
        for (const Bar& b : s->bars()) {
            QList<qreal>& v = values[b.colour];
            while (v.size() < xs.size()) v.append(0);
            v.append(b.y);
            xs << b.x;
        }
    }
    m_series->setLabelsVisible(marks);

    std::erase_if(m_sets, [&](const auto& entry) {
        if (values.count(entry.first)) return false;
        m_series->remove(entry.second); // deletes the set
        return true;
    });
    for (auto& [colour, v] : values) {
        while (v.size() < xs.size()) v.append(0);
        QBarSet*& set = m_sets[colour];
        if (!set) {
            set = new QBarSet(QString());
            const QColor c = QColor::fromRgb(colour);
            set->setBorderColor(c.darker(130));
            if (colour == BarColours::Red)
                set->setBrush(primeBrush(c));
            else
                set->setColor(c);
            m_series->append(set);
        }
        const int size = static_cast<int>(v.size());
        int changed = 0;
        if (set->count() == size)
            for (int i = 0; i < size; ++i) changed += set->at(i) != v[i];
        // A few changed bars are replaced one by one; otherwise the values go in as one block
        // (each change makes the series lay out all of its bars again).
        if (set->count() == size && changed <= 4) {
            for (int i = 0; i < size; ++i)
                if (set->at(i) != v[i]) set->replace(i, v[i]);
        } else {
            if (set->count() > 0) set->remove(0, set->count());
            set->append(v);
        }
    }
    // The legend explains the pattern where prime bars stand beside the others.
    for (auto& [colour, set] : m_sets)
        set->setLabel(colour == BarColours::Red
                          ? QCoreApplication::translate("BarChartView", "1 und Primzahlen (gestreift)")
                          : QCoreApplication::translate("BarChartView", "übrige Zahlen"));
    m_chart->legend()->setVisible(m_sets.size() >= 2 && m_sets.count(BarColours::Red));

    const int n = static_cast<int>(xs.size());
    m_x->setRange(-0.5, std::max(0.5, n - 0.5));
    if (xs != m_xs) {
        m_xs = xs;
        m_labelStep = 0; // labels anew
    }

    const ValueAxis* left = m_model->leftAxis();
    const AxisRange range = displayRange(left->minimum(), left->maximum(), m_zoomed);
    m_y->setRange(range.min, range.max);
    m_y->setTickAnchor(range.min);
    m_y->setTickInterval(range.step);

    m_titleShown.clear();
    layoutTexts();
}

void BarChartView::layoutTexts() {
    const QRectF plot = m_chart->plotArea();
    const double axisWidth = plot.width() > 50 ? plot.width() : std::max(100, width() - 60);

    const int n = static_cast<int>(m_xs.size());
    double widest = 0;
    const QFontMetricsF metrics(m_x->labelsFont());
    for (double x : std::as_const(m_xs))
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(static_cast<qint64>(x))));
    const int step = labelStep(n, axisWidth, widest);
    if (step != m_labelStep) {
        m_labelStep = step;
        for (const QString& label : m_x->categoriesLabels()) m_x->remove(label);
        for (int i = 0; i < n; ++i) {
            const qint64 x = static_cast<qint64>(m_xs[i]);
            if (step == 1 || x % step == 0) m_x->append(QString::number(x), i);
        }
    }

    // A long title wraps to the width of the plot area instead of being cut off.
    const double titleWidth = std::min(axisWidth, width() - 60.0) - 12;
    const QString title = wrappedTitle(m_model->bottomTitle(), m_x->titleFont(), std::max(100.0, titleWidth));
    if (title != m_titleShown) {
        m_titleShown = title;
        m_x->setTitleText(title);
    }
}

void BarChartView::paintChart(QPainter& painter) {
    if (m_dirty || !m_chart) refresh();
    scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())),
                    mapToScene(viewport()->rect()).boundingRect());
}

bool BarChartView::savePng(const QString& path) {
    QImage image(size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintChart(painter);
    painter.end();
    return image.save(path, "PNG");
}

bool BarChartView::saveSvg(const QString& path) {
    if (QFileInfo::exists(path) && !QFile::remove(path)) return false;
    {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(QRect(QPoint(0, 0), size()));
        svg.setTitle(QCoreApplication::translate("BarChartView", "Quintara GR Diagramm"));
        svg.setDescription(m_model->bottomTitle());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        paintChart(painter);
        painter.end();
    }
    return QFileInfo(path).size() > 0;
}
