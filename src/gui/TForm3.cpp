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
    UpDown** numbers[] = {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6};
    for (int i = 0; i < 6; ++i) {
        *numbers[i] = new UpDown(QStringLiteral("UpDown%1").arg(i + 1), QStringLiteral("Edit%1").arg(i + 1),
                                 1, 49, 49, this);
        row->addWidget(*numbers[i]);
    }
    Label1 = new QLabel(QStringLiteral("Z:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The additional number is carried over from the newest draw; 0 (a draw without one) must
    // survive the trip instead of becoming a made-up 1.
    UpDown7 = new UpDown(QStringLiteral("UpDown7"), QStringLiteral("Edit7"), 0, 49, 49, this);
    Label2 = new QLabel(QStringLiteral("S:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    UpDown8 = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit8"), 0, 9, 9, this);
    for (QWidget* hidden : std::initializer_list<QWidget*>{Label1, UpDown7, Label2, UpDown8}) hidden->hide();
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

UpDown* TForm3::number(int i) const {
    UpDown* const numbers[] = {UpDown1, UpDown2, UpDown3, UpDown4, UpDown5, UpDown6};
    return numbers[i - 1];
}

std::optional<DrawEntry::FieldProblem> TForm3::problem() const {
    std::array<QString, 6> texts;
    for (int i = 1; i <= 6; ++i) texts[static_cast<std::size_t>(i - 1)] = number(i)->edit()->text();
    if (auto late = DrawEntry::checkDate(DateTimePicker1->date(), today)) return late;
    return DrawEntry::check(texts, UpDown7->position());
}

void TForm3::markProblem(int field) {
    if (field == 0) {
        DateTimePicker1->setFocus();
        DateTimePicker1->selectAll();
        return;
    }
    UpDown* target = field == 7 ? UpDown7 : number(field);
    if (field == 7) {
        Label1->show();
        UpDown7->show();
    }
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
