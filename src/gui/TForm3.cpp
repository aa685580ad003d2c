#include "gui/TForm3.h"
#include "gui/ScreenReaderNames.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Zahlen der Ziehung eingeben"));
    setModal(true);

    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    DateTimePicker1 =
        new DatePicker(QStringLiteral("DateTimePicker1"), QDate(1900, 1, 1), QDate(2002, 7, 9), this);
    row->addWidget(DateTimePicker1);
    for (int i = 1; i <= 6; ++i) {
        m_numbers[static_cast<std::size_t>(i - 1)] =
            new UpDown(QStringLiteral("UpDown%1").arg(i), QStringLiteral("Edit%1").arg(i), 1, 49, 49, this);
        row->addWidget(number(i));
    }
    Label1 = new QLabel(QStringLiteral("Z:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The additional number is carried over from the newest draw; 0 (a draw without one) must
    // survive the trip instead of becoming a made-up 1.
    UpDown7 = new UpDown(QStringLiteral("UpDown7"), QStringLiteral("Edit7"), 0, 49, 49, this);
    auto* label2 = new QLabel(QStringLiteral("S:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    UpDown8 = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit8"), 0, 9, 9, this);
    for (QWidget* hidden : std::initializer_list<QWidget*>{Label1, UpDown7, label2, UpDown8}) hidden->hide();
    column->addLayout(row);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(tr("Abbruch"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    column->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    nameForScreenReaders(this);
}

std::optional<DrawEntry::FieldProblem> TForm3::problem() const {
    std::array<QString, 6> texts;
    for (int i = 1; i <= 6; ++i) texts[static_cast<std::size_t>(i - 1)] = number(i)->edit()->text();
    if (auto late = DrawEntry::checkDate(DateTimePicker1->date(), today)) return late;
    return DrawEntry::check(texts, UpDown7->position());
}

void TForm3::markProblem(int field) {
    if (field == 7) {
        Label1->show();
        UpDown7->show();
    }
    QAbstractSpinBox* target =
        field == 0 ? static_cast<QAbstractSpinBox*>(DateTimePicker1) : field == 7 ? UpDown7 : number(field);
    target->setFocus();
    target->selectAll();
}

void TForm3::accept() {
    if (const auto p = problem()) {
        if (reportProblem) reportProblem(p->message);
        markProblem(p->field);
        return;
    }
    QDialog::accept();
}
