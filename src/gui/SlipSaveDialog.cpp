#include "gui/SlipSaveDialog.h"

#include "evaluation/Slips.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QVBoxLayout>

SlipSaveDialog::SlipSaveDialog(const QDate& firstDraw, int columns, double stakePerDraw, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SlipSaveDialog"));
    setWindowTitle(tr("Als gespielt speichern"));
    auto* box = new QVBoxLayout(this);
    const QLocale locale;
    SlipInfo = new QLabel(tr("Erste Ziehung: %1, %2 Spalten, %3 € pro Ziehung")
                              .arg(locale.toString(firstDraw, QStringLiteral("ddd dd.MM.yyyy")))
                              .arg(columns)
                              .arg(locale.toString(stakePerDraw, 'f', 2)),
                          this);
    SlipInfo->setObjectName(QStringLiteral("SlipInfo"));
    box->addWidget(SlipInfo);

    auto* form = new QFormLayout;
    SlipDraws = new QSpinBox(this);
    SlipDraws->setObjectName(QStringLiteral("SlipDraws"));
    SlipDraws->setRange(1, Slips::MaxDraws);
    SlipDraws->setValue(1);
    SlipName = new QLineEdit(firstDraw.toString(QStringLiteral("dd.MM.yyyy")), this);
    SlipName->setObjectName(QStringLiteral("SlipName"));
    form->addRow(tr("Anzahl der Ziehungen:"), SlipDraws);
    form->addRow(tr("Name:"), SlipName);
    box->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("SlipButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    box->addWidget(buttons);
}

int SlipSaveDialog::draws() const {
    return SlipDraws->value();
}

QString SlipSaveDialog::name() const {
    return SlipName->text().trimmed();
}
