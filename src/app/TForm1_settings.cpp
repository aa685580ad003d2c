#include "app/TForm1.h"

// Settings are not stored yet: every control keeps its built-in state.
void TForm1::loadSettings() {
    EvaluationEnabled = true;
}
void TForm1::saveSettings() {}
