#include "environment/dialog_text.h"
#include "sheets/wrapped_text.h"
#include "sheets_fixture.h"

#include <string>
#include <vector>

// Lines wrapped at the width become text items; an empty line adds no item but its step.
TEST_F(SheetsTest, WrappedTextIntoAViewArea)
{
    int area = sva_create(0, 0, 600, 400, 0, 0);
    ASSERT_GE(area, 0);
    const int width = text_width("ab cd e");   // "ab cd ef" breaks after "cd "
    int y = 10;
    wrap_text_into_view_area(area, 5, width, &y, "ab cd ef\n\nxy", 4096, BLACK_CI, 12);
    EXPECT_EQ(y, 10 + 4 * 12);
    std::vector<std::string> texts;
    std::vector<int> ys;
    for (SvaItem* it = sva_slot(area)->first_item; it; it = it->next) {
        EXPECT_EQ(it->type, SVA_TEXT);
        texts.push_back(it->text);
        ys.push_back(it->y1);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"ab cd ", "ef", "xy"}));
    EXPECT_EQ(ys, (std::vector<int>{10, 22, 46}));
}
