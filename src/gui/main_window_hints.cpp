// Hints the window derives from the inputs on screen.
#include "gui/main_window.h"

#include "core/tavo52_data.h"
#include "core/unconfirmed_values.h"

void MainWindow::update_unconfirmed_hint()
{
    const int tab = tabWidget->indexOf(tab_verstaerkung);
    if (tab < 0) return;
    tabWidget->setTabToolTip(tab, QString::fromStdString(unconfirmed_values_note(data_object)));
}
