// The parameter sheets at the program's own fonts: no text, mark or field covers another, none
// is cut at the pane's edges; and each number field of the timber sheet is bound to the member
// its row names (an edit changes that member and nothing else).
#include "national_annex/nad_current.h"
#include "national_annex/nad_param_sheets.h"
#include "national_annex/nad_select_sheets.h"
#include "national_annex/nad_sheet_common.h"
#include "nad_sheet_fixture.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen_qt.h"
#include "platform/screen/screen_state.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <functional>
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
    std::vector<WordBox> word_boxes() const { return boxes_of(area); }
    std::vector<std::string> faults() const { return faults_of(area, kPaneWidth); }

    static std::vector<WordBox> boxes_of(int area)
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
            case SVA_IMAGE_BUTTON:
                boxes.push_back({it->x1, it->y1, it->x2, it->y2, "button"});
                break;
            case SVA_GRAPHICS:
                if (it->draw_callback != nad_ec5_draw_picture)
                    boxes.push_back({it->x1, it->y1, it->x2, it->y2, "symbol"});
                break;
            default: break;
            }
        }
        return boxes;
    }

public:
    // Every text, mark or field box that lies on a picture's drawn ink (a label or a formula of
    // the picture): each picture is drawn alone on white and the pixels under each box are read.
    static std::vector<std::string> picture_faults(int area, const std::vector<WordBox>& boxes)
    {
        std::vector<std::string> out;
        for (const SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
            const bool ec5 = it->type == SVA_GRAPHICS && it->draw_callback == nad_ec5_draw_picture;
            if (it->type != SVA_BITMAP && !ec5) continue;
            const int ox = 10 - it->x1, oy = 10 - it->y1;   // the picture's place on the screen
            {
                screen::Guard l;
                screen_image().fill(Qt::white);
            }
            if (ec5) {
                it->draw_callback(it->x1 + ox, it->y1 + oy, it->x2 + ox, it->y2 + oy, it->link1);
            } else {
                int r, g, b;
                pxQCR(it->colour, &r, &g, &b);
                pxDrawTransparentDIB(it->text, it->x1 + ox, it->y1 + oy, it->x2 + ox, it->y2 + oy, 201, -1, r, g, b);
            }
            screen::Guard l;
            const QImage& img = screen_image();
            for (const WordBox& w : boxes) {
                const int x1 = std::max(w.x1, it->x1), x2 = std::min(w.x2, it->x2);
                const int y1 = std::max(w.y1, it->y1), y2 = std::min(w.y2, it->y2);
                bool ink = false;
                for (int y = y1; y < y2 && !ink; ++y)
                    for (int x = x1; x < x2 && !ink; ++x)
                        ink = img.valid(x + ox, y + oy) && (img.pixel(x + ox, y + oy) & 0xFFFFFFu) != 0xFFFFFFu;
                if (ink)
                    out.push_back(w.what + " on the picture " + (it->text ? it->text : "of the timber sheet") + " at y " +
                                  std::to_string(w.y1) + ", x " + std::to_string(w.x1) + ".." + std::to_string(w.x2));
            }
        }
        return out;
    }

    // Every pair that overlaps, every box outside the pane and every box on a picture's ink, as
    // lines to read.
    static std::vector<std::string> faults_of(int area, int pane_width)
    {
        const auto boxes = boxes_of(area);
        std::vector<std::string> out = picture_faults(area, boxes);
        for (size_t i = 0; i < boxes.size(); ++i) {
            const WordBox& p = boxes[i];
            if (p.x1 < 0 || p.x2 > pane_width)
                out.push_back("outside the pane: " + p.what + " x " + std::to_string(p.x1) + ".." + std::to_string(p.x2));
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                const WordBox& q = boxes[j];
                if (p.x1 < q.x2 && q.x1 < p.x2 && p.y1 < q.y2 && q.y1 < p.y2)
                    out.push_back(p.what + " / " + q.what + " at y " + std::to_string(p.y1) + ", x " +
                                  std::to_string(p.x1) + ".." + std::to_string(p.x2) + " and " + std::to_string(q.x1) +
                                  ".." + std::to_string(q.x2));
            }
        }
        return out;
    }

protected:
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
        // A set without an annex names no table of the German one.
        if (nad_part_ec5()->country == 0)
            for (const SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
                if (it->text)
                    for (const char* german : {"/NA", "Tab. NA", "Tabelle NA", "NA.1"})
                        EXPECT_EQ(std::strstr(it->text, german), nullptr) << it->text;
        picture(std::string("nad_ec5_") + set);
    }
}

// The other sheets with every rule and row shown and every section open, for both sets.
TEST_F(NadSheetLayout, EverySheetOfBothSetsHasNoOverlaps)
{
    application(0, 1);
    // The open sections last for the run: they are put back for the tests after this one.
    struct Keep {
        int ec6 = ec6_sheet_open, ec31 = ec3_1_open, ec3f = ec3_fire_open, b0 = ec0_buildings_open,
            r0 = ec0_bridges_open, b2 = ec2_buildings_open, f2 = ec2_fire_open, r2 = ec2_bridges_open;
        int ec38[4] = {ec3_8_open[0], ec3_8_open[1], ec3_8_open[2], ec3_8_open[3]};
        ~Keep()
        {
            ec6_sheet_open = ec6, ec3_1_open = ec31, ec3_fire_open = ec3f, ec0_buildings_open = b0;
            ec0_bridges_open = r0, ec2_buildings_open = b2, ec2_fire_open = f2, ec2_bridges_open = r2;
            std::copy(ec38, ec38 + 4, ec3_8_open);
        }
    } keep;
    ec6_sheet_open = ec3_1_open = ec3_fire_open = 1;
    ec0_buildings_open = ec0_bridges_open = ec2_buildings_open = ec2_fire_open = ec2_bridges_open = 1;
    for (int& open : ec3_8_open) open = 1;
    struct Sheet { const char* name; std::function<void()> build; };
    const Sheet sheets[] = {
        {"ec6", [&] { nad_ec6_sheet(area, nad_part_ec6(), 1); }},
        {"ec9", [&] { nad_ec9_sheet(area, nad_part_ec9(), 1); }},
        {"ec0", [&] { nad_ec0_sheet(area, nad_part_ec0(), 1); }},
        {"ec3", [&] { nad_ec3_sheet(area, nad_part_ec3(), 1); }},
        {"ec2", [&] { nad_ec2_sheet(area, nad_part_ec2(), 1); }},
    };
    const char* only = std::getenv("TAVO_SHEET_ONLY");
    for (const char* set : {"Deutschland", "EC-Standardparameter"})
        for (const Sheet& sheet : sheets) {
            if (only && std::strcmp(only, sheet.name) != 0) continue;
            SCOPED_TRACE(std::string(sheet.name) + " " + set);
            ASSERT_EQ(nad_set_active(set), 0);
            sheet.build();
            for (const std::string& f : faults()) ADD_FAILURE() << f;
            picture(std::string("nad_") + sheet.name + "_" + set);
        }
}

// The warning for a vanished set at the program's fonts: its lines wrapped to the pane, nothing
// under the select button, with a long name too.
std::vector<std::string> warning_faults;
int warning_pane_width = 0;
void inspect_warning()
{
    for (int n = 0; n < 20; ++n)
        if (sva_slot(n)) {
            for (const std::string& f : NadSheetLayout::faults_of(n, warning_pane_width)) warning_faults.push_back(f);
            if (const char* dir = std::getenv("TAVO_PICTURE_DIR")) {
                Scrollable_View_Area* a = sva_slot(n);
                screen_save_png((std::string(dir) + "/nad_warning.png").c_str(), a->x1 - 10, a->y1 - 40, a->x2 + 10,
                                a->y2 + 10);
            }
        }
}

TEST_F(NadSheetLayout, WarningSheetKeepsItsWordsApart)
{
    sva_delete_all();
    prop_sheet_reset();
    warning_pane_width = 240;
    for (const char* name : {"Verschwunden", "Projekt Sporthalle Nordstadt 2024 Variante B"}) {
        SCOPED_TRACE(name);
        warning_faults.clear();
        Set_CallSometimesFunc_to_PS(inspect_warning);
        EXPECT_EQ(nad_warning_sheet(name, "Deutschland"), 0);
        Set_CallSometimesFunc_to_PS(nullptr);
        EXPECT_TRUE(calllog::contains("Warnung"));
        for (const std::string& f : warning_faults) ADD_FAILURE() << f;
    }
}

} // namespace

namespace {

class NadSheetBindings : public NadSheetFolders {
protected:
    int area = -1;
    void SetUp() override
    {
        NadSheetFolders::SetUp();
        Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", 1, 0);
        area = sva_create(10, 10, 500, 900, 0, 1);
    }
    // The number fields in the order a reader meets them: by row, then from the left.
    std::vector<SvaItem*> fields() const
    {
        std::vector<SvaItem*> v;
        for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next)
            if (nad_sheet_number_member(it)) v.push_back(it);
        std::stable_sort(v.begin(), v.end(), [](const SvaItem* a, const SvaItem* b) {
            return a->y1 != b->y1 ? a->y1 < b->y1 : a->x1 < b->x1;
        });
        return v;
    }
    // Types a new value into the field and takes it: a step up, or down where the step up lies
    // outside the field's range; the value taken.
    double edit(SvaItem* field)
    {
        const double old = *nad_sheet_number_member(field);
        const bool whole = old >= 10;
        const double step = whole ? 1 : 0.01;
        for (double v : {old + step, old - step}) {
            std::snprintf(field->text, 25, whole ? "%.0f" : "%.2f", v);
            calllog::clear();
            if (nad_sheet_take_numbers(area)) return std::strtod(field->text, nullptr);
            EXPECT_TRUE(calllog::contains("liegt nicht zwischen"));
        }
        ADD_FAILURE() << "neither step was taken";
        return old;
    }
};

// Each field of the timber sheet changes the member its row names and nothing else: the fields
// in reading order against the members in the order the sheet labels them.
TEST_F(NadSheetBindings, TimberFieldsChangeTheirOwnMembers)
{
    for (const char* set : {"Deutschland", "EC-Standardparameter"}) {
        SCOPED_TRACE(set);
        ASSERT_EQ(nad_set_active(set), 0);
        NadEc5Block* b = nad_part_ec5();
        std::vector<double*> expected = {&b->gamma_m_solid, &b->gamma_m_glulam, &b->gamma_m_accidental, &b->gamma_m_fire};
        for (int d = 0; d < 5; ++d)
            for (int c = 0; c < 3; ++c) expected.push_back(&b->kmod[d][c]);
        for (int c = 0; c < 3; ++c) expected.push_back(&b->kdef[c]);
        for (int r = 0; r < 3; ++r) {
            expected.push_back(&b->deflection_limits[r][0]);
            expected.push_back(&b->deflection_limits[r][1]);
        }
        for (double* m : {&b->kcr_solid_glulam, &b->kcr_other, &b->kshape_factor, &b->kshape_max, &b->ltb_factor,
                          &b->gamma_m_solid, &b->gamma_m_glulam, &b->gamma_m_clt, &b->gamma_m_lvl_plywood_osb,
                          &b->gamma_m_particleboard, &b->gamma_m_hard_fibreboard, &b->gamma_m_medium_fibreboard,
                          &b->gamma_m_mdf, &b->gamma_m_soft_fibreboard, &b->gamma_m_connections,
                          &b->gamma_m_punched_metal_plates, &b->gamma_m_accidental})
            expected.push_back(m);
        if (b->country) {
            expected.push_back(&b->gamma_m_steel_in_connections);
            expected.push_back(&b->gamma_m_plasterboard);
        } else {
            expected.push_back(&b->kcr_solid_glulam);
            expected.push_back(&b->kcr_other);
        }
        nad_ec5_sheet(area, b, 1);
        const auto shown = fields();
        ASSERT_EQ(shown.size(), expected.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(nad_sheet_number_member(shown[i]), expected[i]);
            NadEc5Block want = *b;
            const double v = edit(shown[i]);
            *reinterpret_cast<double*>(reinterpret_cast<char*>(&want) +
                                       (reinterpret_cast<char*>(expected[i]) - reinterpret_cast<char*>(b))) = v;
            EXPECT_DOUBLE_EQ(*expected[i], v);
            EXPECT_EQ(std::memcmp(&want, b, sizeof want), 0) << "another member changed too";
        }
    }
}

// The other sheets: every field edits exactly one member of its block, and no two fields share one.
TEST_F(NadSheetBindings, EveryFieldOfTheOtherSheetsEditsOneMemberOfItsOwn)
{
    application(0, 1);   // every rule, every row
    NadSet& s = nad_current_set;
    nad_part_ec5();
    struct Sheet { const char* name; std::function<void()> build; void* block; size_t size; };
    const Sheet sheets[] = {
        {"EC0", [&] { nad_ec0_sheet(area, &s.ec0, 1); }, &s.ec0, sizeof s.ec0},
        {"EC2", [&] { nad_ec2_sheet(area, &s.ec2, 1); }, &s.ec2, sizeof s.ec2},
        {"EC3", [&] { nad_ec3_sheet(area, &s.ec3, 1); }, &s.ec3, sizeof s.ec3},
        {"EC6", [&] { nad_ec6_sheet(area, &s.ec6, 1); }, &s.ec6, sizeof s.ec6},
        {"EC9", [&] { nad_ec9_sheet(area, &s.ec9, 1); }, &s.ec9, sizeof s.ec9},
    };
    for (const Sheet& sheet : sheets) {
        SCOPED_TRACE(sheet.name);
        sheet.build();
        const auto shown = fields();
        ASSERT_GT(shown.size(), 0u);
        std::vector<const double*> members;
        for (SvaItem* f : shown) {
            const double* m = nad_sheet_number_member(f);
            ASSERT_GE(reinterpret_cast<const char*>(m), static_cast<const char*>(sheet.block));
            ASSERT_LT(reinterpret_cast<const char*>(m), static_cast<const char*>(sheet.block) + sheet.size);
            EXPECT_EQ(std::count(members.begin(), members.end(), m), 0) << "two fields share a member";
            members.push_back(m);
            std::vector<char> before(static_cast<const char*>(sheet.block),
                                     static_cast<const char*>(sheet.block) + sheet.size);
            const double v = edit(f);
            EXPECT_DOUBLE_EQ(*m, v);
            size_t changed = 0;
            for (size_t k = 0; k < sheet.size; ++k)
                if (before[k] != static_cast<const char*>(sheet.block)[k]) changed = std::max(changed, k + 1);
            std::memcpy(static_cast<char*>(sheet.block) + (reinterpret_cast<const char*>(m) - static_cast<const char*>(sheet.block)),
                        before.data() + (reinterpret_cast<const char*>(m) - static_cast<const char*>(sheet.block)), sizeof(double));
            EXPECT_EQ(std::memcmp(before.data(), sheet.block, sheet.size), 0) << "another member changed too";
            *const_cast<double*>(m) = v;
        }
    }
}

} // namespace
