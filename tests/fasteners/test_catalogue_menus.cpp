#include "fasteners/catalogue_menus.h"
#include "materials/material_names.h"
#include "sheets/sheets_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace {

int item_count(int area)
{
    int n = 0;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) ++n;
    return n;
}

const int kMenuValues[20] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

} // namespace

TEST(ScrewCatalogues, NamesOfBothCatalogues)
{
    EXPECT_STREQ(screw_head_name_a(0), "Senkkopf");
    EXPECT_STREQ(screw_head_name_a(1), "Senkfr\x84staschenkopf");
    EXPECT_STREQ(screw_head_name_a(10), "Top Head Kopf");
    EXPECT_EQ(screw_head_name_a(11), nullptr);
    EXPECT_EQ(screw_head_name_a(-1), nullptr);
    EXPECT_STREQ(screw_thread_name_a(1), "Unterkopfgewinde");
    EXPECT_STREQ(screw_thread_name_b(1), "Doppelgewinde");
    EXPECT_STREQ(screw_tip_name_a(2), "Plus Bohrspitze Pyramidenform");
    EXPECT_STREQ(screw_tip_name_b(2), "4CUT-Spitze");
    EXPECT_EQ(screw_tip_name_b(3), nullptr);
    EXPECT_STREQ(screw_head_name_b(5), "R\x81" "ckwandkopf");
    EXPECT_EQ(screw_head_name_b(7), nullptr);
}

TEST(ScrewCatalogues, ListsAfterTheMaterialListsCarryTheNamesAndValues)
{
    material_lists_init();
    struct Case { ChoiceEntry* list; int count; const char* first; const char* last; int value; };
    const Case cases[] = {
        {screw_name_lists(), SCREW_HEADS_A, "Senkkopf", "Top Head Kopf", 0},
        {screw_thread_list_a(), SCREW_THREADS_A, "Teilgewinde", "Doppelgewinde", 0},
        {screw_tip_list_a(), SCREW_TIPS_A, "Spitzengewinde", "Plus Bohrspitze Spitzenform", 0},
        {screw_diameter_list_a(), SCREW_DIAMETERS_A, "3.0", "12.0", BLACK_CI},
        {screw_head_list_b(), SCREW_HEADS_B, "Tellerkopf", "Zierkopf", 0},
        {screw_thread_list_b(), SCREW_THREADS_B, "Teilgewinde", "Vollgewinde", 0},
        {screw_tip_list_b(), SCREW_TIPS_B, "Normalspitze", "4CUT-Spitze", 0},
        {screw_diameter_list_b(), SCREW_DIAMETERS_B, "2.0", "12.0", BLACK_CI},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.list[0].text, c.first);
        EXPECT_STREQ(c.list[c.count - 1].text, c.last);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(c.list[i].value, c.value) << c.first << " " << i;
    }
    EXPECT_STREQ(screw_diameter_list_b()[3].text, "3.5");
}

TEST(ScrewCatalogues, SmallScrewHeadValue)
{
    struct Case { int head; double d; double value; };
    const Case cases[] = {
        {4, 3.45, 7.8}, {4, 3.2, -20}, {11, 3.0, -10}, {-1, 3.5, -10}, {5, 3.0, -1},
        {10, 2.95, 5.25}, {0, 3.6, -20}, {3, 3.5, 4.9},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(small_screw_head_value(c.head, c.d), c.value) << c.head << " " << c.d;
}

// Every type code the menu offers goes to its entry and back.
TEST(CatalogueMenus, MenuAndTypeRoundTrip)
{
    for (int type = -2; type <= 42; ++type) {
        int first = -7, second = -7;
        int value = fastener_menu_of_type(type, &first, &second);
        ASSERT_GE(value, 0) << type;
        ASSERT_LE(value, 19) << type;
        EXPECT_EQ(fastener_type_of_menu(value, first, second, kMenuValues), type) << type;
    }
    struct Case { int type, value, first, second; };
    const Case cases[] = {
        {-2, 0, -7, -7}, {-1, 1, -7, -7}, {0, 2, -7, -7}, {1, 3, -7, -7}, {2, 4, 0, 0}, {7, 4, 1, 2},
        {10, 4, 2, 2}, {11, 5, -7, -7}, {15, 9, -7, -7}, {16, 10, 0, 0}, {24, 10, 2, 2}, {25, 11, -7, -7},
        {30, 16, -7, -7}, {31, 17, -7, -7}, {33, 19, -7, -7}, {34, 10, 1, 3}, {42, 10, 3, 5},
        {43, -1, -7, -7}, {46, -1, -7, -7}, {-3, -1, -7, -7},
    };
    for (const Case& c : cases) {
        int first = -7, second = -7;
        EXPECT_EQ(fastener_menu_of_type(c.type, &first, &second), c.value) << c.type;
        EXPECT_EQ(first, c.first) << c.type;
        EXPECT_EQ(second, c.second) << c.type;
    }
}

TEST(CatalogueMenus, PairsTheMenuDoesNotOfferGiveMinusOne)
{
    struct Case { int value, first, second, type; };
    const Case cases[] = {
        {4, 1, 2, 7}, {4, 3, 0, -1}, {4, 0, -1, -1}, {10, 0, 3, -1}, {10, 1, 3, 34}, {10, 3, 2, -1},
        {10, 0, 2, 18}, {1, 0, 0, -1}, {20, 0, 0, -1}, {-1, 0, 0, -1},
    };
    for (const Case& c : cases) {
        const int values[1] = {c.value};
        EXPECT_EQ(fastener_type_of_menu(0, c.first, c.second, values), c.type) << c.value;
    }
    EXPECT_EQ(fastener_type_of_menu(0, 0, 0, nullptr), -1);
    // The menu has 20 entries: an index past them reads nothing.
    EXPECT_EQ(fastener_type_of_menu(19, 0, 0, kMenuValues), 33);
    EXPECT_EQ(fastener_type_of_menu(20, 0, 0, kMenuValues), -1);
    EXPECT_EQ(fastener_type_of_menu(-1, 0, 0, kMenuValues), -1);
}

TEST(CatalogueMenus, IndexSkip)
{
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 3}, {5, 6}, {-4, -4}};
    for (const auto& c : cases) {
        int v = c[0];
        EXPECT_EQ(menu_index_skip(&v), c[1]);
        EXPECT_EQ(v, c[1]);
    }
}

TEST_F(SheetsTest, FastenerPictureAddsTheTypesFile)
{
    int area = sva_create(0, 0, 600, 400, 0, 0);
    ASSERT_GE(area, 0);
    EXPECT_EQ(fastener_picture(1, area, 10, 20, BLACK_CI), 0);
    EXPECT_EQ(fastener_picture(43, area, 10, 20, BLACK_CI), 0);
    EXPECT_EQ(item_count(area), 0);

    struct Case { int type; const char* file; };
    const Case cases[] = {
        {45, "SonderNagel.bmp"}, {0, "Nagel.bmp"}, {6, "Schraube.bmp"}, {12, "SPAX_Teil_Teller.bmp"},
        {14, "SPAX_Voll.bmp"}, {37, "SonderNagel.bmp"}, {29, "Stabduebel_G10.bmp"}, {33, "Scheibenduebel_C11.bmp"},
    };
    for (const Case& c : cases) {
        sva_clear(area);
        int next = fastener_picture(c.type, area, 10, 20, BLACK_CI);
        EXPECT_GE(next, 20 + 100 + 9) << c.type;
        SvaItem* it = sva_slot(area)->first_item;
        ASSERT_NE(it, nullptr) << c.type;
        EXPECT_EQ(it->type, SVA_BITMAP);
        EXPECT_STREQ(it->text, c.file);
        EXPECT_EQ(it->x1, 10);
        EXPECT_EQ(it->y1, 20);
        EXPECT_EQ(it->x2, 10 + 153);
        EXPECT_EQ(it->y2, 20 + 100);
        // The shipped picture of the kind is there and fills the place pixel for pixel.
        const QImage shipped(QString(TAVO_TEST_DATA_DIR "/../../../data/DATA/BITMAPS/") + c.file);
        EXPECT_EQ(shipped.size(), QSize(154, 101)) << c.file;
    }
}

TEST_F(SheetsTest, CatalogueChoiceFieldReturnsTheSelectedCode)
{
    int area = sva_create(0, 0, 600, 400, 0, 0);
    ASSERT_GE(area, 0);
    static CodedChoice choices[100];
    static SvaChoiceEntry entries[100];
    for (int i = 0; i < 100; ++i) {
        choices[i] = {i + 50, 0, 1000 + i};
        entries[i] = {0, "x"};
    }
    int selection = 1;
    EXPECT_EQ(catalogue_choice_field(area, 5, 5, choices, entries, 4096, 10, 100, &selection, nullptr), -1);
    EXPECT_EQ(item_count(area), 0);
    EXPECT_EQ(entries[0].colour, 0);   // nothing copied either

    EXPECT_EQ(catalogue_choice_field(area, 5, 5, choices, entries, 4096, 10, 3, nullptr, nullptr), -1);
    selection = 3;
    EXPECT_EQ(catalogue_choice_field(area, 5, 5, choices, entries, 4096, 10, 3, &selection, nullptr), -1);
    selection = -1;
    EXPECT_EQ(catalogue_choice_field(area, 5, 5, choices, entries, 4096, 10, 3, &selection, nullptr), -1);
    EXPECT_EQ(item_count(area), 0);

    selection = 2;
    EXPECT_EQ(catalogue_choice_field(area, 5, 5, choices, entries, 4096, 10, 99, &selection, nullptr), 1002);
    EXPECT_EQ(item_count(area), 1);
    EXPECT_EQ(sva_slot(area)->first_item->type, SVA_CHOICE_FIELD);
    EXPECT_EQ(entries[0].colour, 50);
    EXPECT_EQ(entries[98].colour, 148);
    EXPECT_EQ(entries[99].colour, 0);
}
