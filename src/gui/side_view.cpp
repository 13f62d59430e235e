#include "gui/side_view.h"
#include "gui/panel_resources.h"
#include <QBrush>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <algorithm>
#include <vector>

namespace {

const double kCornerRadius = 30.0;   // rounded corners of a rectangular opening, in pixels on screen
const char* const kWood = ":/button/images/wood.png";
const char* const kWoodAcross = ":/button/images/wood90.png";

enum class Shape { Rect, Line, Ellipse, RoundedRect };

// One item of the drawing: its kind, place, pen and either a texture or a plain fill.
struct Part {
    Shape shape = Shape::Rect;
    QRectF rect;
    QLineF line;
    QPen pen;
    const char* texture = nullptr;
    QColor fill = Qt::white;
};

// The items bottom first: beam, both cut lines, plate or bars, and the opening on top.
std::vector<Part> side_view_parts(const SideViewInput& in)
{
    const double h = in.h;
    const double h_d = in.h - in.h_ro - in.h_ru;
    const double w = in.circular ? h_d : in.a;

    double L = std::max(h, 3.0 * w);
    if (in.reinforcement == SIDE_PLATES)
        L += 2.0 * in.a_r;
    else if (in.reinforcement == SIDE_RODS || in.reinforcement == SIDE_SCREWS)
        L += 2.0 * in.a3c;
    const double x0 = (L - w) / 2.0;

    const QPen pen(Qt::black, 1, Qt::SolidLine);
    QPen cut(pen);
    cut.setStyle(Qt::DashDotLine);

    std::vector<Part> parts;
    Part beam;
    beam.rect = QRectF(0, 0, L, h);
    beam.pen = pen;
    beam.texture = kWood;
    parts.push_back(beam);
    for (double x : {0.0, L}) {
        Part line;
        line.shape = Shape::Line;
        line.line = QLineF(x, 1.05 * h, x, -0.05 * h);
        line.pen = cut;
        parts.push_back(line);
    }
    if (in.reinforcement == SIDE_PLATES) {
        Part plate;
        plate.rect = QRectF(x0 - in.a_r, in.h_ro - in.h_1, w + 2.0 * in.a_r, h_d + 2.0 * in.h_1);
        plate.pen = pen;
        plate.texture = kWoodAcross;
        parts.push_back(plate);
    } else if (in.reinforcement == SIDE_RODS || in.reinforcement == SIDE_SCREWS) {
        const double y = in.from_top ? 0.0 : h - in.bar_l;
        for (double axis : {x0 - in.a3c, x0 + w + in.a3c}) {
            Part bar;
            bar.rect = QRectF(axis - in.bar_d / 2.0, y, in.bar_d, in.bar_l);
            bar.pen = pen;
            bar.fill = QColor(20, 180, 240);
            parts.push_back(bar);
        }
    }
    // Residual heights that fill the beam leave no opening to draw: the rules name them.
    if (h_d <= 0.0 || w <= 0.0)
        return parts;
    // The opening last, so that it lies over the beam and the plates.
    Part opening;
    opening.shape = in.circular ? Shape::Ellipse : Shape::RoundedRect;
    opening.rect = QRectF(x0, in.h_ro, in.circular ? h_d : w, h_d);
    opening.pen = pen;
    parts.push_back(opening);
    return parts;
}

int item_type(Shape s)
{
    switch (s) {
    case Shape::Rect: return QGraphicsRectItem::Type;
    case Shape::Line: return QGraphicsLineItem::Type;
    case Shape::Ellipse: return QGraphicsEllipseItem::Type;
    case Shape::RoundedRect: return QGraphicsPathItem::Type;
    }
    return 0;
}

QGraphicsItem* add_item(QGraphicsScene* scene, Shape s)
{
    switch (s) {
    case Shape::Rect: return scene->addRect(QRectF());
    case Shape::Line: return scene->addLine(QLineF());
    case Shape::Ellipse: return scene->addEllipse(QRectF());
    case Shape::RoundedRect: return scene->addPath(QPainterPath());
    }
    return nullptr;
}

// The texture brush is loaded only when the item's texture changes: loading a pixmap, even from
// the cache, costs more than the rest of a redraw.
void set_fill(QAbstractGraphicsShapeItem* item, const Part& p)
{
    const QString tag = p.texture ? QString::fromLatin1(p.texture) : QString();
    if (p.texture) {
        if (item->data(0).toString() != tag)
            item->setBrush(QBrush(Qt::white, QPixmap(tag)));
    } else {
        item->setBrush(QBrush(p.fill));
    }
    item->setData(0, tag);
}

// A rectangle or an ellipse: its box, outline and fill.
template <class BoxItem>
void update_box(QGraphicsItem* item, const Part& p)
{
    auto* box = static_cast<BoxItem*>(item);
    box->setRect(p.rect);
    box->setPen(p.pen);
    set_fill(box, p);
}

// Setters that are given what the item has already change nothing and repaint nothing.
void update_item(QGraphicsItem* item, const Part& p)
{
    switch (p.shape) {
    case Shape::Line: {
        auto* l = static_cast<QGraphicsLineItem*>(item);
        l->setPen(p.pen);
        l->setLine(p.line);
        return;
    }
    case Shape::Rect: update_box<QGraphicsRectItem>(item, p); return;
    case Shape::Ellipse: update_box<QGraphicsEllipseItem>(item, p); return;
    case Shape::RoundedRect: {
        auto* path_item = static_cast<QGraphicsPathItem*>(item);
        QPainterPath path;
        path.addRoundedRect(p.rect, kCornerRadius, kCornerRadius, Qt::AbsoluteSize);
        path_item->setPath(path);
        path_item->setPen(p.pen);
        set_fill(path_item, p);
        return;
    }
    }
}

} // namespace

bool SideViewInput::operator==(const SideViewInput& o) const
{
    return h == o.h && h_ro == o.h_ro && h_ru == o.h_ru && a == o.a && circular == o.circular &&
           reinforcement == o.reinforcement && a_r == o.a_r && h_1 == o.h_1 && bar_d == o.bar_d && bar_l == o.bar_l &&
           a3c == o.a3c && from_top == o.from_top;
}

void redraw_side_view(QGraphicsScene* scene, const SideViewInput& in)
{
    panel_init_resources();
    const std::vector<Part> parts = side_view_parts(in);
    QList<QGraphicsItem*> items = scene->items(Qt::AscendingOrder);
    bool same_kinds = items.size() == int(parts.size());
    for (size_t i = 0; same_kinds && i < parts.size(); ++i)
        same_kinds = items[int(i)]->type() == item_type(parts[i].shape);
    if (!same_kinds) {
        scene->clear();
        items.clear();
        for (const Part& p : parts)
            items.append(add_item(scene, p.shape));
    }
    for (size_t i = 0; i < parts.size(); ++i)
        update_item(items[int(i)], parts[i]);
    scene->setSceneRect(scene->itemsBoundingRect());
}

QGraphicsScene* draw_side_view(const SideViewInput& in, QObject* parent)
{
    auto* scene = new QGraphicsScene(parent);
    redraw_side_view(scene, in);
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
