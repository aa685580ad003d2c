// The generator options of the Optionen pages: spins whose limits follow each other on the
// mouse, the percentage label of the preference bands and the attempt limit.
#include "app/TForm1.h"

void TForm1::connectOptions() {
    // Only the mouse moves the limits: typed values and restored settings are left alone.
    connect(ui.UpDown3, &UpDown::mousePressed, this, &TForm1::UpDown3MouseDown);
    connect(ui.UpDown1, &UpDown::mouseReleased, this, &TForm1::UpDown1MouseUp);
    connect(ui.UpDown16, &UpDown::mouseReleased, this, &TForm1::UpDown16MouseUp);
    connect(ui.UpDown17, &UpDown::mouseReleased, this, &TForm1::UpDown17MouseUp);
    connect(ui.UpDown17, &UpDown::mousePressed, this, &TForm1::UpDown17MouseDown);

    connect(ui.UpDown12, &UpDown::clicked, this, &TForm1::UpDown12Click);
    connect(ui.UpDown14, &UpDown::clicked, this, &TForm1::UpDown14Click);
    connect(ui.UpDown13, &UpDown::clicked, this, &TForm1::UpDown13Click);

    connect(ui.UpDown7, &UpDown::changing, this, &TForm1::UpDown7Changing);

    // Chart shortcuts whose statistic exists; SpeedButton20 is wired with the controls.
}

void TForm1::UpDown3MouseDown() {
    ui.UpDown1->setMaximum(ui.UpDown3->position());
}

void TForm1::UpDown1MouseUp() {
    ui.UpDown3->setMinimum(ui.UpDown1->position());
}

void TForm1::UpDown16MouseUp() {
    ui.UpDown16->setMaximum(6 - ui.UpDown17->position());
}

void TForm1::UpDown17MouseUp() {
    ui.UpDown17->setMaximum(6 - ui.UpDown16->position());
}

void TForm1::UpDown17MouseDown() {
    ui.UpDown16->setMaximum(6 - ui.UpDown17->position());
}

namespace {
QString bandText(int percent, const QString& sentence) {
    return sentence.arg(percent);
}
} // namespace

void TForm1::UpDown12Click() {
    ui.Label76->setText(bandText(ui.UpDown12->position(),
                                 TForm1::tr("Für die Tippberechnung werden die ersten %1% ausgehend von der am häufigsten Gezogenen verwendet.")));
}

void TForm1::UpDown14Click() {
    ui.Label76->setText(bandText(ui.UpDown14->position(),
                                 TForm1::tr("Für die Tippberechnung werden die ersten %1% ausgehend von der am seltesten Gezogenen verwendet.")));
}

void TForm1::UpDown13Click() {
    ui.Label76->setText(bandText(ui.UpDown13->position(),
                                 TForm1::tr("Für die Tippberechnung werden die ersten %1% ausgehend von der am längsten Ausstehenden verwendet.")));
}

void TForm1::UpDown7Changing() {
    m_maxRuns = ui.UpDown7->position() * 1000;
}
