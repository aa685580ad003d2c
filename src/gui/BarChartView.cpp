#include "gui/BarChartView.h"

#include <QTimer>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <map>

BarChartView::BarChartView(QWidget* parent) : QChartView(parent), m_model(new BarChartModel(this)) {
    setRenderHint(QPainter::Antialiasing, false);
    connect(m_model, &BarChartModel::changed, this, &BarChartView::scheduleRefresh);
    refresh();
}

void BarChartView::scheduleRefresh() {
    if (m_pending) return;
    m_pending = true;
    QTimer::singleShot(0, this, &BarChartView::refresh);
}

void BarChartView::refresh() {
    m_pending = false;
    // A fresh chart each time: reusing one and swapping its axes leaves stale axis items behind.
    auto* c = new QChart;
    c->legend()->hide();
    c->setMargins(QMargins(4, 4, 4, 4));

    QList<double> xs;
    // One bar set per colour, stacked, gives every bar its own colour.
    std::map<BarColour, QBarSet*> sets;
    auto* series = new QStackedBarSeries;
    for (const BarSeries* s : {m_model->series1(), m_model->series2()}) {
        if (!s->isActive()) continue;
        const int offset = static_cast<int>(xs.size());
        for (int i = 0; i < s->count(); ++i) {
            const Bar& b = s->bar(i);
            xs << b.x;
            QBarSet*& set = sets[b.colour];
            if (!set) {
                set = new QBarSet(QString());
                set->setColor(QColor::fromRgb(b.colour));
                set->setBorderColor(QColor::fromRgb(b.colour).darker(130));
            }
            while (set->count() < offset + i) set->append(0);
            set->append(b.y);
        }
        if (s->showMarks()) series->setLabelsVisible(true);
    }
    for (auto& [colour, set] : sets) {
        while (set->count() < xs.size()) set->append(0);
        series->append(set);
    }
    series->setBarWidth(0.8);
    c->addSeries(series);

    // Bars stand at positions 0, 1, 2, ...; the axis names every bar where there is room, else
    // every fifth or tenth category.
    auto* xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int n = static_cast<int>(xs.size());
    xAxis->setRange(-0.5, std::max(0.5, n - 0.5));
    const int step = n <= 25 ? 1 : (n <= 60 ? 5 : 10);
    for (int i = 0; i < n; ++i) {
        const qint64 x = static_cast<qint64>(xs[i]);
        if (step == 1 || x % step == 0) xAxis->append(QString::number(x), i);
    }
    xAxis->setTitleText(m_model->bottomTitle());
    QFont small = xAxis->labelsFont();
    small.setPixelSize(9);
    xAxis->setLabelsFont(small);
    xAxis->setGridLineVisible(false);
    c->addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);

    auto* yAxis = new QValueAxis;
    const double lo = m_model->leftAxis()->minimum();
    double hi = m_model->leftAxis()->maximum();
    if (hi <= lo) hi = lo + 1;
    yAxis->setRange(lo, hi);
    if (m_model->leftAxis()->isAutomatic()) yAxis->applyNiceNumbers();
    yAxis->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(yAxis);

    QChart* old = chart();
    setChart(c);
    if (old) old->deleteLater();
}
