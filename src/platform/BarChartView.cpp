#include "platform/BarChartView.h"

#include <QTimer>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <map>

BarChartView::BarChartView(QWidget* parent) : QChartView(parent), m_model(new BarChartModel(this)) {
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
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
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }

    QStringList categories;
    // One bar set per colour, stacked, gives every bar its own colour.
    std::map<BarColour, QBarSet*> sets;
    auto* series = new QStackedBarSeries;
    for (const BarSeries* s : {m_model->series1(), m_model->series2()}) {
        if (!s->isActive()) continue;
        const int offset = static_cast<int>(categories.size());
        for (int i = 0; i < s->count(); ++i) {
            const Bar& b = s->bar(i);
            categories << (b.label.isEmpty() ? QString::number(b.x) : b.label);
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
        while (set->count() < categories.size()) set->append(0);
        series->append(set);
    }
    series->setBarWidth(0.8);
    c->addSeries(series);

    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    xAxis->setTitleText(m_model->bottomTitle());
    QFont small = xAxis->labelsFont();
    small.setPixelSize(categories.size() > 60 ? 7 : 9);
    xAxis->setLabelsFont(small);
    xAxis->setLabelsAngle(categories.size() > 30 ? -90 : 0);
    c->addAxis(xAxis, Qt::AlignBottom);
    series->attachAxis(xAxis);

    auto* yAxis = new QValueAxis;
    const double lo = m_model->leftAxis()->minimum();
    double hi = m_model->leftAxis()->maximum();
    if (hi <= lo) hi = lo + 1;
    if (m_model->leftAxis()->isAutomatic()) {
        yAxis->setRange(lo, hi);
        yAxis->applyNiceNumbers();
    } else {
        yAxis->setRange(lo, hi);
    }
    yAxis->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(yAxis);
}
