// The side view of the main window: a to-scale elevation of the beam around the opening in
// millimetres (x along the beam, y downwards, top edge y = 0), fitted into its graphics view.
#pragma once

class QGraphicsScene;
class QGraphicsView;
class QObject;

enum SideViewReinforcement { SIDE_NONE = -1, SIDE_PLATES = 0, SIDE_RODS = 1, SIDE_SCREWS = 2 };

struct SideViewInput {
    int h = 0, h_ro = 0, h_ru = 0, a = 0;   // beam height, edge distances, opening length (mm)
    bool circular = false;
    int reinforcement = SIDE_NONE;
    int a_r = 0, h_1 = 0;                   // plate overhang beside and above/below the opening
    double bar_d = 0, bar_l = 0;            // rod or screw: diameter and length
    double a3c = 0;                         // distance of the bar axes from the opening's sides
    bool from_top = true;                   // bars from the top edge, else from the bottom edge

    bool operator==(const SideViewInput& o) const;
    bool operator!=(const SideViewInput& o) const { return !(*this == o); }
};

// Draws the side view into a new scene with the given parent (at most six items).
QGraphicsScene* draw_side_view(const SideViewInput& in, QObject* parent);

// Draws the side view into a scene that holds an earlier one. Items of the same kind in the same
// place of the drawing are moved rather than replaced, so that the view repaints only what moved;
// the scene rectangle is that of the items, as in a new scene.
void redraw_side_view(QGraphicsScene* scene, const SideViewInput& in);

// Fits all items, with 10 % room to the right and below, into the view keeping the aspect ratio.
void fit_side_view(QGraphicsView* view, QGraphicsScene* scene);
