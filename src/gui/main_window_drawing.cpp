// The main window's side view: drawn after every geometry check and fitted into gv_plot. Only what
// changed is drawn again, so that an edit repaints the part of the view that moved.
#include "gui/main_window.h"
#include "core/tavo52_data.h"
#include "gui/side_view.h"
#include <QEvent>
#include <QGraphicsScene>

namespace {

// Fits the drawing again whenever the view changes its size: the first drawing is made before
// the window has its size, and a later layout (a wrapped status line, a new font) resizes the view.
class RefitOnResize : public QObject {
public:
    RefitOnResize(MainWindow* window, QObject* parent) : QObject(parent), window_(window) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            window_->plot_ansicht_fit(true);
        return false;
    }

private:
    MainWindow* window_;
};

} // namespace

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
    if (!plot_scene) {
        plot_scene = new QGraphicsScene(this);
        gv_plot->setScene(plot_scene);
    }
    if (plot_drawn && in == plot_input)
        return;
    redraw_side_view(plot_scene, in);
    plot_input = in;
    plot_drawn = true;
    gv_plot->clearMask();
}

void MainWindow::plot_ansicht_fit(bool)
{
    if (!plot_scene)
        return;
    QWidget* viewport = gv_plot->viewport();
    if (!viewport->property("refit_on_resize").toBool()) {
        viewport->installEventFilter(new RefitOnResize(this, viewport));
        viewport->setProperty("refit_on_resize", true);
        // The whole drawing is fitted in: no scroll bars that could cover a part of it.
        gv_plot->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        gv_plot->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    // The drawing sets the scene's rectangle to that of its items.
    const QRectF drawing = plot_scene->sceneRect();
    const QSize viewport_size = viewport->size();
    if (drawing == plot_fit_rect && viewport_size == plot_fit_viewport && gv_plot->scene() == plot_scene)
        return;
    fit_side_view(gv_plot, plot_scene);
    plot_fit_rect = drawing;
    plot_fit_viewport = viewport_size;
}
