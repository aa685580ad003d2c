#include "gui/ChartPane.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const ModuleFile = "quintara_chart.so";

} // namespace

ChartPane::ChartPane(QWidget* parent)
    : QWidget(parent), m_model(new BarChartModel(this)), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    // As the drawing itself: the pane takes the room the page has left.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// The drawing goes before the model it shows.
ChartPane::~ChartPane() {
    if (m_drawing) delete m_drawing->widget();
}

void ChartPane::setMaker(std::shared_ptr<ChartMaker> maker) {
    m_maker = std::move(maker);
}

QString ChartPane::missingText() {
    return tr("Das Diagramm kann nicht gezeigt werden: Das Diagrammmodul %1 fehlt oder lässt sich nicht "
              "laden. Bitte installieren Sie das Programm neu.")
        .arg(QLatin1String(ModuleFile));
}

QString ChartPane::cannotSaveText() {
    return tr("Das Diagramm kann nicht gespeichert werden: Das Diagrammmodul %1 fehlt oder lässt sich "
              "nicht laden. Bitte installieren Sie das Programm neu.")
        .arg(QLatin1String(ModuleFile));
}

void ChartPane::ensureDrawing() {
    if (m_tried) return;
    m_tried = true;
    m_drawing = m_maker ? m_maker->make(m_model, this) : nullptr;
    QWidget* shown = nullptr;
    if (m_drawing) {
        shown = m_drawing->widget();
    } else {
        m_missing = new QLabel(missingText(), this);
        m_missing->setObjectName(QStringLiteral("ChartMissing"));
        m_missing->setTextFormat(Qt::PlainText);
        m_missing->setWordWrap(true);
        m_missing->setAlignment(Qt::AlignCenter);
        m_missing->setMargin(24);
        shown = m_missing;
    }
    m_layout->addWidget(shown);
    // Placed at once, not after the page is first painted: the drawing lays out its texts for
    // the width it has when it is shown.
    m_layout->activate();
    if (isVisible()) shown->show();
    updateGeometry();
}

void ChartPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ensureDrawing();
}

void ChartPane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_missing) m_missing->setText(missingText());
}

void ChartPane::refresh() {
    ensureDrawing();
    if (m_drawing) m_drawing->refresh();
}

bool ChartPane::canDraw() {
    ensureDrawing();
    return m_drawing != nullptr;
}

bool ChartPane::savePng(const QString& path) {
    return canDraw() && m_drawing->savePng(path);
}

bool ChartPane::saveSvg(const QString& path) {
    return canDraw() && m_drawing->saveSvg(path);
}
