#include "app/TForm1.h"
#include "history/DrawHistory.h"

void TForm1::BitBtn4Click() {
    {
        BusyCursor busy;
        history().removeDate(currentDraw.date);
    }
    SpeedButton5Click();
}
