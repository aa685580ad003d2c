#include "app/Errors.h"
#include "app/Random.h"
#include "app/TForm1.h"
#include "generator/HistoricAnalysis.h"

void TForm1::SpeedButton13Click() {
    const QString answer =
        m_platform.dialogs->inputBox(this, QStringLiteral("Ihre Glückszahl (1-99999999)?"),
                                     HistoricAnalysis::InputPrompt, QString::number(Rng::seedSigned()));
    int lucky = 0;
    // A text that is no whole number changes nothing, silently.
    if (!tryToInt(answer, lucky)) return;
    Rng::setSeedSigned(lucky);
    ui.StatusBar1->setPanelText(1, HistoricAnalysis::seedStatus(lucky));
}
