// Choices the window keeps across changes of other inputs: the grade of each wood kind and the
// screw diameter.
#include "gui/main_window.h"
#include "platform/env/qt_message_box.h"

void MainWindow::remember_grade_choice()
{
    if (grade_list_kind >= 0 && grade_list_kind < 4 && cb_holzguete->currentIndex() >= 0)
        grade_choice[grade_list_kind] = cb_holzguete->currentIndex();
}

bool MainWindow::restore_grade_choice(int kind)
{
    grade_list_kind = kind;
    if (kind < 0 || kind >= 4 || grade_choice[kind] < 0 || grade_choice[kind] >= cb_holzguete->count())
        return false;
    cb_holzguete->setCurrentIndex(grade_choice[kind]);
    return true;
}

void MainWindow::keep_screw_diameter(double old_d)
{
    const int keep = old_d > 0.0 ? cob_d_schraube->findData(old_d) : -1;
    cob_d_schraube->setCurrentIndex(keep);
    d_schraube_check_click();
    // No diameter fits: the first is shown and the check blocks calculating.
    if (cob_d_schraube->currentIndex() < 0 && cob_d_schraube->count() > 0)
        cob_d_schraube->setCurrentIndex(0);
    if (old_d > 0.0 && keep < 0 && cob_d_schraube->currentIndex() >= 0)
        qt_message_box(QMessageBox::Information, QStringLiteral("Schrauben"),
                       QStringLiteral("Den Durchmesser d = %1 mm gibt es für \"%2\" nicht.\n"
                                      "Gewählt ist jetzt d = %3 mm.")
                           .arg(QString::number(old_d, 'g', 6), cob_typ_schraube->currentText(),
                                cob_d_schraube->currentText()));
}

namespace {

template <class Box, typename T>
void named_range(Box* box, T lo, T hi, int decimals)
{
    const T before = box->value();
    box->setRange(lo, hi);
    const T after = box->value();
    if (after == before) return;
    const QString name = box->property("feldname").toString();
    qt_message_box(QMessageBox::Information, QStringLiteral("Wert angepasst"),
                   QStringLiteral("%1: %2 liegt nicht mehr im erlaubten Bereich von %3 bis %4.\nDer Wert ist jetzt %5.")
                       .arg(name, QString::number(before, 'f', decimals), QString::number(box->minimum(), 'f', decimals),
                            QString::number(box->maximum(), 'f', decimals), QString::number(after, 'f', decimals)));
}

} // namespace

void MainWindow::set_named_range(QSpinBox* box, int lo, int hi)
{
    named_range(box, lo, hi, 0);
}

void MainWindow::set_named_range(QDoubleSpinBox* box, double lo, double hi)
{
    named_range(box, lo, hi, box->decimals());
}
