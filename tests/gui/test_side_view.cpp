// The side view: beam length, cut lines, reinforcement and opening for each opening kind and
// reinforcement, and the fitting into the view.
#include "gui/side_view.h"
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Items bottom first, in the order they were drawn.
QList<QGraphicsItem*> drawn(QGraphicsScene* s) { return s->items(Qt::AscendingOrder); }

QRectF rect_of(QGraphicsItem* item)
{
    if (auto* r = qgraphicsitem_cast<QGraphicsRectItem*>(item)) return r->rect();
    if (auto* e = qgraphicsitem_cast<QGraphicsEllipseItem*>(item)) return e->rect();
    if (auto* p = qgraphicsitem_cast<QGraphicsPathItem*>(item)) return p->path().boundingRect();
    return {};
}

void expect_rect(const QRectF& r, double x, double y, double w, double h, const char* what)
{
    EXPECT_DOUBLE_EQ(r.x(), x) << what;
    EXPECT_DOUBLE_EQ(r.y(), y) << what;
    EXPECT_DOUBLE_EQ(r.width(), w) << what;
    EXPECT_DOUBLE_EQ(r.height(), h) << what;
}

} // namespace

TEST(SideView, RectangularOpeningUnreinforced)
{
    SideViewInput in;
    in.h = 400; in.h_ro = 150; in.h_ru = 150; in.a = 300;
    std::unique_ptr<QGraphicsScene> s(draw_side_view(in, nullptr));
    const auto items = drawn(s.get());
    ASSERT_EQ(items.size(), 4);
    // L = max(400, 3 * 300) = 900; x0 = (900 - 300) / 2 = 300.
    auto* beam = qgraphicsitem_cast<QGraphicsRectItem*>(items[0]);
    ASSERT_TRUE(beam);
    expect_rect(beam->rect(), 0, 0, 900, 400, "beam");
    EXPECT_EQ(beam->brush().style(), Qt::TexturePattern);
    // Cut lines at both ends, 5 % of h beyond both edges, dash-dotted.
    auto* left = qgraphicsitem_cast<QGraphicsLineItem*>(items[1]);
    auto* right = qgraphicsitem_cast<QGraphicsLineItem*>(items[2]);
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->line(), QLineF(0, 420, 0, -20));
    EXPECT_EQ(right->line(), QLineF(900, 420, 900, -20));
    EXPECT_EQ(left->pen().style(), Qt::DashDotLine);
    auto* hole = qgraphicsitem_cast<QGraphicsPathItem*>(items[3]);
    ASSERT_TRUE(hole);
    expect_rect(rect_of(hole), 300, 150, 300, 100, "opening");
    EXPECT_EQ(hole->brush().color(), QColor(Qt::white));
}

TEST(SideView, PlatesWidenTheBeam)
{
    SideViewInput in;
    in.h = 400; in.h_ro = 150; in.h_ru = 150; in.a = 300;
    in.reinforcement = SIDE_PLATES; in.a_r = 50; in.h_1 = 40;
    std::unique_ptr<QGraphicsScene> s(draw_side_view(in, nullptr));
    const auto items = drawn(s.get());
    ASSERT_EQ(items.size(), 5);
    // L = 900 + 2 * 50 = 1000; x0 = 350; plate from x0 - a_r = 300, width 300 + 100 = 400,
    // from h_ro - h_1 = 110 with height 100 + 80 = 180.
    expect_rect(rect_of(items[0]), 0, 0, 1000, 400, "beam");
    expect_rect(rect_of(items[3]), 300, 110, 400, 180, "plate");
    EXPECT_EQ(qgraphicsitem_cast<QGraphicsRectItem*>(items[3])->brush().style(), Qt::TexturePattern);
    expect_rect(rect_of(items[4]), 350, 150, 300, 100, "opening over the plate");
}

TEST(SideView, CircularOpening)
{
    SideViewInput in;
    in.h = 500; in.h_ro = 150; in.h_ru = 150; in.a = 999; in.circular = true;
    std::unique_ptr<QGraphicsScene> s(draw_side_view(in, nullptr));
    const auto items = drawn(s.get());
    ASSERT_EQ(items.size(), 4);
    // h_d = 200; L = max(500, 600) = 600; circle of diameter 200 centred at x = 300.
    expect_rect(rect_of(items[0]), 0, 0, 600, 500, "beam");
    auto* circle = qgraphicsitem_cast<QGraphicsEllipseItem*>(items[3]);
    ASSERT_TRUE(circle);
    expect_rect(circle->rect(), 200, 150, 200, 200, "circle");
    EXPECT_DOUBLE_EQ(circle->rect().center().x(), 300.0);
}

TEST(SideView, RodsAndScrewsBesideTheOpening)
{
    struct Case { const char* what; int kind; bool top; double y; };
    // h = 400, h_d = 100, a = 100: L = max(400, 300) + 2 * 40 = 480; x0 = 190;
    // axes at 190 - 40 = 150 and 190 + 100 + 40 = 330; bars 12 wide, 250 long.
    const Case cases[] = {
        {"rods from the top", SIDE_RODS, true, 0},
        {"rods from the bottom", SIDE_RODS, false, 150},
        {"screws from the top", SIDE_SCREWS, true, 0},
        {"screws from the bottom", SIDE_SCREWS, false, 150},
    };
    for (const Case& c : cases) {
        SideViewInput in;
        in.h = 400; in.h_ro = 150; in.h_ru = 150; in.a = 100;
        in.reinforcement = c.kind; in.bar_d = 12; in.bar_l = 250; in.a3c = 40; in.from_top = c.top;
        std::unique_ptr<QGraphicsScene> s(draw_side_view(in, nullptr));
        const auto items = drawn(s.get());
        ASSERT_EQ(items.size(), 6) << c.what;
        expect_rect(rect_of(items[0]), 0, 0, 480, 400, c.what);
        expect_rect(rect_of(items[3]), 144, c.y, 12, 250, c.what);
        expect_rect(rect_of(items[4]), 324, c.y, 12, 250, c.what);
        EXPECT_EQ(qgraphicsitem_cast<QGraphicsRectItem*>(items[3])->brush().color(), QColor(20, 180, 240)) << c.what;
        expect_rect(rect_of(items[5]), 190, 150, 100, 100, c.what);
    }
}

TEST(SideView, FitShowsTheWholeDrawingWithRoomRightAndBelow)
{
    SideViewInput in;
    in.h = 400; in.h_ro = 150; in.h_ru = 150; in.a = 300;
    QGraphicsView view;
    view.resize(320, 200);
    QGraphicsScene* s = draw_side_view(in, &view);
    view.setScene(s);
    fit_side_view(&view, s);
    const QRectF shown = view.mapToScene(view.viewport()->rect()).boundingRect();
    const QRectF all = s->itemsBoundingRect();
    // Within a pixel (about 3 mm here) of rounding at the left and top edges.
    EXPECT_TRUE(shown.adjusted(-5, -5, 5, 5).contains(all));
    // The scene rectangle enlarged by 10 % fills one direction of the view, give or take the frame.
    const double fill = std::max(1.1 * all.width() / shown.width(), 1.1 * all.height() / shown.height());
    EXPECT_NEAR(fill, 1.0, 0.05);
}

// Drawing into a scene that shows an earlier view gives the same items as a new scene would, and
// keeps the items that only moved, whatever the view showed before.
TEST(SideView, RedrawGivesWhatANewSceneGives)
{
    SideViewInput plain;
    plain.h = 400; plain.h_ro = 150; plain.h_ru = 150; plain.a = 300;
    SideViewInput moved = plain;
    moved.h_ro = 140;                                           // the opening 10 mm higher
    SideViewInput circle = plain;
    circle.circular = true;
    SideViewInput plates = plain;
    plates.reinforcement = SIDE_PLATES; plates.a_r = 50; plates.h_1 = 40;
    SideViewInput rods = plain;
    rods.reinforcement = SIDE_RODS; rods.bar_d = 12; rods.bar_l = 250; rods.a3c = 40;
    SideViewInput screws = rods;
    screws.reinforcement = SIDE_SCREWS; screws.from_top = false;
    struct Case { const char* what; SideViewInput from, to; bool same_items; };
    const Case cases[] = {
        {"opening moved", plain, moved, true},
        {"bars from below", rods, screws, true},
        {"to a circle", plain, circle, false},
        {"plates added", plain, plates, false},
        {"plates to rods", plates, rods, false},
        {"rods removed", rods, plain, false},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QGraphicsScene> fresh(draw_side_view(c.to, nullptr));
        std::unique_ptr<QGraphicsScene> s(draw_side_view(c.from, nullptr));
        const auto before = drawn(s.get());
        redraw_side_view(s.get(), c.to);
        const auto after = drawn(s.get());
        const auto want = drawn(fresh.get());
        ASSERT_EQ(after.size(), want.size()) << c.what;
        for (int i = 0; i < want.size(); ++i) {
            EXPECT_EQ(after[i]->type(), want[i]->type()) << c.what << " item " << i;
            EXPECT_EQ(after[i]->boundingRect(), want[i]->boundingRect()) << c.what << " item " << i;
            if (auto* shape = dynamic_cast<QAbstractGraphicsShapeItem*>(after[i])) {
                auto* other = dynamic_cast<QAbstractGraphicsShapeItem*>(want[i]);
                ASSERT_TRUE(other) << c.what;
                EXPECT_EQ(shape->brush().style(), other->brush().style()) << c.what << " item " << i;
                EXPECT_EQ(shape->brush().color(), other->brush().color()) << c.what << " item " << i;
                EXPECT_EQ(shape->brush().texture().cacheKey(), other->brush().texture().cacheKey())
                    << c.what << " item " << i;
            }
        }
        EXPECT_EQ(s->sceneRect(), fresh->sceneRect()) << c.what;
        EXPECT_EQ(before == after, c.same_items) << c.what;
    }
}

// Residual heights that fill the beam leave no opening: the beam and its cut lines only, no item
// of negative size far outside the beam.
TEST(SideView, NoOpeningWhereTheResidualHeightsFillTheBeam)
{
    for (const int h_ro : {140, 9999}) {
        SideViewInput in;
        in.h = 240; in.h_ro = h_ro; in.h_ru = 100; in.a = 90;
        std::unique_ptr<QGraphicsScene> s(draw_side_view(in, nullptr));
        ASSERT_EQ(drawn(s.get()).size(), 3) << h_ro;
        // L = max(240, 3 * 90) = 270; cut lines 12 beyond both edges.
        const QRectF box = s->itemsBoundingRect();
        EXPECT_LE(box.bottom(), 240 + 12 + 1) << h_ro;
        EXPECT_LE(box.right(), 270 + 1) << h_ro;
    }
}
