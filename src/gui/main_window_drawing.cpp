// The main window's side view: drawn anew after every geometry check and fitted into gv_plot.
#include "gui/main_window.h"
#include "core/tavo52_data.h"
#include "gui/side_view.h"
#include <QGraphicsScene>

void MainWindow::plot_ansicht_gs()
{
    SideViewInput in;
    in.h = ed_Balken_h->value();
    in.h_ro = ed_Balken_hro->value();
    in.h_ru = ed_Balken_hru->value();
    in.a = ed_Balken_a->value();
    in.circular = rb_typ_durchbruch_kreis->isChecked();
    in.a_r = ed_Verst_ar->value();
    in.h_1 = ed_Verst_h1->value();
    if (gb_Verstaerkung->isChecked()) {
        if (rb_verst_laschen->isChecked()) {
            in.reinforcement = SIDE_PLATES;
        } else if (rb_verst_gewindestangen->isChecked()) {
            b_check_click();   // a3,c of the current rod
            in.reinforcement = SIDE_RODS;
            in.bar_d = cob_dr_GS->currentIndex() >= 0 ? cob_dr_GS->currentData(Qt::UserRole).toDouble() : 0.0;
            in.bar_l = ed_GS_le->value();
            in.from_top = rb_oben_gs->isChecked();
        } else if (rb_verst_schrauben->isChecked()) {
            b_check_click();
            in.reinforcement = SIDE_SCREWS;
            in.bar_d = data_object.sc_d;
            in.bar_l = data_object.sc_l;
            in.from_top = rb_oben_sc->isChecked();
        }
        in.a3c = data_object.a_3c;
    }
    QGraphicsScene* old = plot_scene;
    plot_scene = draw_side_view(in, this);
    gv_plot->setScene(plot_scene);
    delete old;
    gv_plot->clearMask();
    gv_plot->update();
    gv_plot->viewport()->update();
}

void MainWindow::plot_ansicht_fit(bool)
{
    fit_side_view(gv_plot, plot_scene);
}
