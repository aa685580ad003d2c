#include "gui/TForm6.h"
#include "base/Lotto.h"

#include "base/Errors.h"
#include "base/Log.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "gui/StandardIcon.h"
#include "gui/ScreenReaderNames.h"

#include <QApplication>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

Dialogs::FileRequest listFileRequest(const Platform& platform) {
    return {TForm6::tr("Werteliste|*.hlw"), QStringLiteral("hlw"),
            platform.clock->today().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".hlw"), {}};
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QStyle::StandardPixmap icon) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(standardIcon(icon));
    b->setAutoDefault(false);
    return b;
}

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QString& hint,
                             QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setIcon(standardIcon(icon));
    return b;
}

} // namespace

TForm6::TForm6(Platform platform, QWidget* parent) : QDialog(parent), m_platform(std::move(platform)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Welche Zahlen für die Berechnung"));

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        auto* b = new QCheckBox(QString::number(n), this);
        b->setObjectName(QStringLiteral("CheckBox") + QString::number(n));
        b->setChecked(true);
        m_boxes[static_cast<std::size_t>(n)] = b;
        grid->addWidget(b, (n - 1) / 7, (n - 1) % 7);
    }

    // In the messages' language: a window the generation run makes afresh gets no translation
    // file, and must not show German in Greek.
    SpeedButton1 = makeSpeedButton(this, "SpeedButton1", tr("Speichern der Liste"), QStyle::SP_DialogSaveButton);
    SpeedButton2 = makeSpeedButton(this, "SpeedButton2", tr("Laden der Liste"), QStyle::SP_DialogOpenButton);
    BitBtn1 = makeButton(this, "BitBtn1", tr("OK"), QStyle::SP_DialogOkButton);
    BitBtn2 = makeButton(this, "BitBtn2", tr("Abbrechen"), QStyle::SP_DialogCancelButton);
    BitBtn3 = makeButton(this, "BitBtn3", tr("&Ändern"), QStyle::SP_BrowserReload);
    BitBtn4 = makeButton(this, "BitBtn4", tr("&Zufall"), QStyle::SP_MediaPlay);
    BitBtn4->hide();
    BitBtn1->setDefault(true);

    auto* buttons = new QGridLayout;
    buttons->addWidget(SpeedButton1, 0, 0);
    buttons->addWidget(SpeedButton2, 0, 1);
    buttons->setColumnStretch(2, 1);
    buttons->addWidget(BitBtn1, 0, 3);
    // "&Zufall" takes the place of "&Ändern" when the tip editor uses the window.
    buttons->addWidget(BitBtn3, 0, 4);
    buttons->addWidget(BitBtn4, 0, 4);
    buttons->addWidget(BitBtn2, 0, 5);

    // OK and "&Ändern" look alike but differ: their hints say how. A hint a translation gives
    // the buttons takes precedence; these stand in while the buttons' own hints are empty, so
    // a translation file still sets and restores exactly what it names.
    m_explanations[BitBtn1] = QCoreApplication::translate(
        "TForm6", "Mit den angekreuzten Zahlen und ihren berechneten Gewichten rechnen; eine neu angekreuzte "
                  "Zahl zählt einfach");
    m_explanations[BitBtn3] = QCoreApplication::translate(
        "TForm6", "Mit den angekreuzten Zahlen und den Gewichten ihrer Hinweise rechnen (etwa aus einer geladenen "
                  "Liste)");
    BitBtn1->installEventFilter(this);
    BitBtn3->installEventFilter(this);

    // The title bar may cut the window's question; it stands whole above the numbers.
    Question = new QLabel(windowTitle(), this);
    QFont bold = Question->font();
    bold.setBold(true);
    Question->setFont(bold);
    Question->setWordWrap(true);
    connect(this, &QWidget::windowTitleChanged, Question, &QLabel::setText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Question);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrAbort); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(mrRetry); });
    connect(BitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { runAction(&TForm6::SpeedButton1Click); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { runAction(&TForm6::SpeedButton2Click); });
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
    nameForScreenReaders(this);
}

void TForm6::setBoxColour(int n, BoxColour colour) {
    QCheckBox* b = box(n);
    m_colours[static_cast<std::size_t>(n)] = colour;
    if (colour == BoxColour::Normal) {
        b->setAutoFillBackground(false);
        b->setPalette(QPalette());
        return;
    }
    QPalette p = b->palette();
    p.setColor(QPalette::Window, colour == BoxColour::Picked
                                     ? QColor(Qt::yellow)
                                     : QApplication::palette().color(QPalette::ToolTipBase));
    b->setPalette(p);
    b->setAutoFillBackground(true);
}

void TForm6::runAction(void (TForm6::*operation)()) {
    try {
        (this->*operation)();
    } catch (const std::exception& e) {
        logShownFailure(e);
        m_platform.dialogs->error(this, errorText(e));
    }
}

void TForm6::SpeedButton1Click() {
    const QString path = m_platform.dialogs->saveFile(this, listFileRequest(m_platform));
    if (path.isEmpty()) return;
    QStringList lines;
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        if (box(n)->isChecked() && hint(n).isEmpty()) setHint(n, QStringLiteral("1"));
        lines << (box(n)->isChecked() ? hint(n) : QString());
    }
    TextFile::writeLinesAtomic(path, lines);
}

void TForm6::SpeedButton2Click() {
    const QString path = m_platform.dialogs->openFileName(this, listFileRequest(m_platform));
    if (path.isEmpty()) return;
    // Read first: a file that cannot be read leaves the boxes as they were.
    const QStringList lines = TextFile::readLines(path);
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        const QString line = n <= lines.size() ? lines[n - 1] : QString();
        box(n)->setChecked(!line.isEmpty());
        setHint(n, line.isEmpty() ? QStringLiteral("1") : line);
    }
}

void TForm6::untickAllNeutral() {
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        box(n)->setChecked(false);
        setBoxColour(n, BoxColour::Neutral);
    }
}

void TForm6::BitBtn4Click() {
    if (Timer1->isActive() && PickIndex >= PickCount) {
        resetPick();
    } else if (Timer1->isActive()) {
        ++PickIndex;
    } else {
        Timer1->start();
        untickAllNeutral();
        for (int i = 1; i <= 26; ++i) PickedNumbers[static_cast<std::size_t>(i)] = 0;
        PickIndex = 1;
    }
}

void TForm6::Timer1Timer() {
    BitBtn4->setText(tr("%1 Stopp").arg(PickIndex));
    untickAllNeutral();
    // Positions are 1..26; a count beyond that has nowhere to keep its numbers.
    const int count = std::min<std::int32_t>(PickCount, 26);
    for (int i = 1; i < PickIndex && i <= count; ++i) {
        const int n = PickedNumbers[static_cast<std::size_t>(i)];
        if (n < 1 || n > Lotto::HighestNumber) continue;
        box(n)->setChecked(true);
        setBoxColour(n, BoxColour::Picked);
    }
    for (int i = std::max(PickIndex, 1); i <= count; ++i) {
        int b;
        do {
            b = static_cast<int>(Rng::random(49)) + 1;
            PickedNumbers[static_cast<std::size_t>(i)] = b;
        } while (box(b)->isChecked());
        box(b)->setChecked(true);
        setBoxColour(b, BoxColour::Picked);
    }
}

void TForm6::resetPick() {
    Timer1->stop();
    BitBtn4->setText(tr("Zufall"));
    PickIndex = 1;
}

void TForm6::done(int result) {
    resetPick();
    QDialog::done(result);
}

int TForm6::execute() {
    const int result = m_platform.dialogs->showModal(this);
    resetPick();
    return result;
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* button = qobject_cast<QWidget*>(watched);
        const QString text = explanation(button);
        if (button && button->toolTip().isEmpty() && !text.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, button);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
