// The parameter sheets at the program's own fonts: no text, mark or field covers another, none
// is cut at the pane's edges; and each number field of the timber sheet is bound to the member
// its row names (an edit changes that member and nothing else).
#include "national_annex/nad_current.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_sheet_common.h"
#include "nad_sheet_fixture.h"
#include "platform/screen/fonts.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct WordBox {
    int x1, y1, x2, y2;
    std::string what;
};

class NadSheetLayout : public NadSheetFolders {
protected:
    // The pane of the parameter sheet (420 x 560, pane 8 and 40 inside, a vertical slider).
    static constexpr int kPaneWidth = 404 - 17;
    int area = -1;

    void SetUp() override
    {
        NadSheetFolders::SetUp();
        screen_set_metrics(SCREEN_METRICS_QT);
        screen_picture_folder(TAVO_SOURCE_DATA_DIR "/DATA/BITMAPS");
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
        area = sva_create(20, 20, 20 + 404, 20 + 4000, 0, 1);
    }
    void TearDown() override
    {
        screen_picture_folder(nullptr);
        screen_set_metrics(SCREEN_METRICS_CELL);
        NadSheetFolders::TearDown();
    }

    static int text_pixels(const char* text, int font)
    {
        Pop_RFont(font);
        const int w = font_text_pixels(text, int(std::strlen(text)));
        Push_RFont();
        return w;
    }
    static void font_extent(int font, int* ascent, int* descent)
    {
        Pop_RFont(font);
        *ascent = font_ascent();
        *descent = font_descent();
        Push_RFont();
    }

    // What each text, mark and field of the area covers as drawn; pictures and shading are the
    // ground they stand on and are left out.
    std::vector<WordBox> word_boxes() const
    {
        std::vector<WordBox> boxes;
        for (const SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
            int a = 0, d = 0;
            font_extent(it->font, &a, &d);
            switch (it->type) {
            case SVA_TEXT: {
                const int w = text_pixels(it->text, it->font) + (it->x2 == 1 ? 1 : 0);
                boxes.push_back({it->x1, it->y1 - a, it->x1 + w, it->y1 + d, std::string("text ") + it->text});
                break;
            }
            case SVA_TOGGLE:
            case SVA_RADIO: {
                const int w = it->text && *it->text ? text_pixels(it->text, it->font) + (it->x2 == 1 ? 1 : 0) : 0;
                boxes.push_back({it->x1 - 20, std::min(it->y1 - 10, it->y1 - a), it->x1 + w, std::max(it->y1 + 2, it->y1 + d),
                                 std::string(it->type == SVA_TOGGLE ? "toggle " : "radio ") + (it->text ? it->text : "")});
                break;
            }
            case SVA_TEXT_FIELD: {
                std::string shown(it->text, std::min<size_t>(std::strlen(it->text), size_t(std::max(0, it->y2))));
                int w = text_pixels(shown.c_str(), it->font);
                w += w & 1;
                boxes.push_back({it->x1 - 7, it->y1 - 13, it->x1 + w + 7, it->y1 + 5, "field " + shown});
                break;
            }
            case SVA_GRAPHICS:
                if (it->draw_callback != nad_ec5_draw_picture)
                    boxes.push_back({it->x1, it->y1, it->x2, it->y2, "symbol"});
                break;
            default: break;
            }
        }
        return boxes;
    }

    // Every pair that overlaps and every box outside the pane, as lines to read.
    std::vector<std::string> faults() const
    {
        std::vector<std::string> out;
        const auto boxes = word_boxes();
        for (size_t i = 0; i < boxes.size(); ++i) {
            const WordBox& p = boxes[i];
            if (p.x1 < 0 || p.x2 > kPaneWidth)
                out.push_back("outside the pane: " + p.what + " x " + std::to_string(p.x1) + ".." + std::to_string(p.x2));
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const WordBox& q = boxes[j];
                if (p.x1 < q.x2 && q.x1 < p.x2 && p.y1 < q.y2 && q.y1 < p.y2)
                    out.push_back(p.what + " / " + q.what + " at y " + std::to_string(p.y1));
            }
        }
        return out;
    }

    // For a person to look at: the page in screens of 700 pixels, as PNGs in TAVO_PICTURE_DIR.
    void picture(const std::string& name)
    {
        const char* dir = std::getenv("TAVO_PICTURE_DIR");
        if (!dir) return;
        int w = 0, h = 0;
        sva_get_extent(area, &w, &h);
        const int screen = std::min(700, NPIXEL_Y - 40);
        sva_reshape(area, 20, 20, 20 + 404, 20 + screen);
        for (int top = 0, n = 1; top < h; top += screen - 20, ++n) {
            sva_slot(area)->scroll_y = top;
            sva_update(area);
            Activate_Prop_Sheet();
            screen_save_png((std::string(dir) + "/" + name + "_" + std::to_string(n) + ".png").c_str(), 20, 20, 20 + 404,
                            20 + screen);
        }
        sva_reshape(area, 20, 20, 20 + 404, 20 + 4000);
    }
};

TEST_F(NadSheetLayout, TimberSheetOfBothSetsHasNoOverlaps)
{
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        nad_ec5_sheet(area, nad_part_ec5(), 1);
        for (const std::string& f : faults()) ADD_FAILURE() << f;
        picture(std::string("nad_ec5_") + set);
    }
}

} // namespace
