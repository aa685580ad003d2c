// The slips window's parts that need the main window: where the slips, the history, the prize
// tables and the reduced-system tables are, and the button and menu item that open it.
#include "app/TForm1.h"
#include "gui/SlipsWindow.h"

void TForm1::connectSlipsWindow() {
    bind(ui.SlipsOpenButton, &QPushButton::clicked, &TForm1::SlipsOpenButtonClick);
    bind(ui.MenuSlips, &QAction::triggered, &TForm1::SlipsOpenButtonClick);
}

SlipsWindow* TForm1::slipsWindow() {
    if (m_slipsWindow) return m_slipsWindow;
    SlipsWindow::Sources sources;
    sources.slipsPath = slipsPath();
    sources.dataDirectory = m_paths.dataDirectory();
    sources.dialogDirectory = m_paths.dialogDirectory();
    sources.history = [this] { return storedDraws(); };
    sources.dividends = [this] { return dividendSource(); };
    m_slipsWindow = new SlipsWindow(std::move(sources), m_platform.dialogs, m_platform.printing, this);
    return m_slipsWindow;
}

void TForm1::SlipsOpenButtonClick() {
    SlipsWindow* window = slipsWindow();
    window->reload();
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm1::refreshSlipsWindow() {
    if (m_slipsWindow && m_slipsWindow->isVisible()) m_slipsWindow->reload();
}
