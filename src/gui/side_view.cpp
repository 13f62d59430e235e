#include "gui/side_view.h"
#include "gui/panel_resources.h"
#include <QBrush>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGraphicsItem>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <algorithm>

namespace {

QBrush texture(const char* resource)
{
    return QBrush(Qt::white, QPixmap(QString::fromLatin1(resource)));
}

} // namespace

QGraphicsScene* draw_side_view(const SideViewInput& in, QObject* parent)
{
    panel_init_resources();
    auto* scene = new QGraphicsScene(parent);
    const double h = in.h;
    const double h_d = in.h - in.h_ro - in.h_ru;
    const double w = in.circular ? h_d : in.a;

    double L = std::max(h, 3.0 * w);
    if (in.reinforcement == SIDE_PLATES)
        L += 2.0 * in.a_r;
    else if (in.reinforcement == SIDE_RODS || in.reinforcement == SIDE_SCREWS)
        L += 2.0 * in.a3c;
    const double x0 = (L - w) / 2.0;

    QPen pen(Qt::black, 1, Qt::SolidLine);
    scene->addRect(0, 0, L, h, pen, texture(":/button/images/wood.png"));

    QPen cut(pen);
    cut.setStyle(Qt::DashDotLine);
    scene->addLine(0, 1.05 * h, 0, -0.05 * h, cut);
    scene->addLine(L, 1.05 * h, L, -0.05 * h, cut);

    if (in.reinforcement == SIDE_PLATES) {
        scene->addRect(x0 - in.a_r, in.h_ro - in.h_1, w + 2.0 * in.a_r, h_d + 2.0 * in.h_1, pen,
                       texture(":/button/images/wood90.png"));
    } else if (in.reinforcement == SIDE_RODS || in.reinforcement == SIDE_SCREWS) {
        const QBrush bar(QColor(20, 180, 240));
        const double y = in.from_top ? 0.0 : h - in.bar_l;
        for (double axis : {x0 - in.a3c, x0 + w + in.a3c})
            scene->addRect(axis - in.bar_d / 2.0, y, in.bar_d, in.bar_l, pen, bar);
    }

    // The opening last, so that it lies over the beam and the plates.
    if (in.circular) {
        scene->addEllipse(x0, in.h_ro, h_d, h_d, pen, QBrush(Qt::white));
    } else {
        QPainterPath path;
        path.addRoundedRect(QRectF(x0, in.h_ro, w, h_d), 30, 30, Qt::AbsoluteSize);
        scene->addPath(path, pen, QBrush(Qt::white));
    }
    return scene;
}

void fit_side_view(QGraphicsView* view, QGraphicsScene* scene)
{
    if (!view || !scene) return;
    QRectF r = scene->itemsBoundingRect();
    r.setWidth(r.width() * 1.1);
    r.setHeight(r.height() * 1.1);
    view->fitInView(r, Qt::KeepAspectRatio);
}
