#include "environment/ptrarr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

int by_name(const void* a, const void* b) { return std::strcmp((const char*)a, (const char*)b); }
// find and bsearch hand the address of the item slot first.
int slot_by_name(const void* slot, const void* key) { return std::strcmp(*(const char* const*)slot, (const char*)key); }
int same_text(const void* item, const void* key) { return std::strcmp((const char*)item, (const char*)key) == 0; }

std::vector<std::string> names(const PtrArr* a)
{
    std::vector<std::string> out;
    for (int i = 0; i < ptrarr_count(a); ++i) {
        const char* s = (const char*)ptrarr_item_at(a, i);
        out.push_back(s ? s : "(null)");
    }
    return out;
}

char A[] = "a", B[] = "b", C[] = "c", X[] = "x";

} // namespace

TEST(PtrArr, GrowthBySetAndInsert)
{
    PtrArr* a = ptrarr_new(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(ptrarr_capacity(a), 0);
    EXPECT_EQ(ptrarr_set(a, 0, A), nullptr);
    EXPECT_EQ(ptrarr_capacity(a), 10);   // the larger of 1 and 0 + 10
    EXPECT_EQ(ptrarr_count(a), 1);
    EXPECT_EQ(ptrarr_set(a, 0, B), A);    // replacing returns the old item

    EXPECT_EQ(ptrarr_set(a, 25, C), nullptr);   // beyond capacity 10: grows to 26
    EXPECT_EQ(ptrarr_capacity(a), 26);
    EXPECT_EQ(ptrarr_count(a), 26);
    EXPECT_EQ(ptrarr_item_at(a, 1), nullptr);
    EXPECT_EQ(ptrarr_item_at(a, 24), nullptr);
    EXPECT_EQ(ptrarr_item_at(a, 26), nullptr);
    EXPECT_EQ(ptrarr_item_at(a, -1), nullptr);
    EXPECT_EQ(ptrarr_set(a, -1, X), nullptr);

    // Inserting into a full array grows it by 10.
    ASSERT_EQ(ptrarr_set_capacity(a, 26), 1);
    EXPECT_EQ(ptrarr_insert(a, 0, X), X);
    EXPECT_EQ(ptrarr_capacity(a), 36);
    EXPECT_EQ(ptrarr_count(a), 27);
    EXPECT_EQ(ptrarr_item_at(a, 1), B);
    EXPECT_EQ(ptrarr_item_at(a, 26), C);

    EXPECT_EQ(ptrarr_set_capacity(a, 2), 1);   // cuts the count
    EXPECT_EQ(names(a), (std::vector<std::string>{"x", "b"}));
    ptrarr_clear(a);
    EXPECT_EQ(ptrarr_count(a), 0);
    EXPECT_EQ(ptrarr_capacity(a), 0);
    ptrarr_delete(a);
}

TEST(PtrArr, InsertAndRemove)
{
    PtrArr a;
    ASSERT_EQ(ptrarr_init(&a, 2), 1);
    ptrarr_set(&a, 0, A);
    ptrarr_set(&a, 1, B);
    ptrarr_insert(&a, 0, X);
    EXPECT_EQ(names(&a), (std::vector<std::string>{"x", "a", "b"}));
    ptrarr_insert(&a, 5, C);   // beyond the count: stored like set
    EXPECT_EQ(ptrarr_count(&a), 6);
    EXPECT_EQ(ptrarr_remove(&a, 5), C);
    EXPECT_EQ(ptrarr_count(&a), 5);
    EXPECT_EQ(a.items[5], nullptr);   // the slot that falls free is cleared
    EXPECT_EQ(ptrarr_remove(&a, 0), X);
    EXPECT_EQ(names(&a), (std::vector<std::string>{"a", "b", "(null)", "(null)"}));
    EXPECT_EQ(ptrarr_remove(&a, 4), nullptr);
    EXPECT_EQ(ptrarr_item_at(&a, 4), nullptr);
    ptrarr_clear(&a);
}

TEST(PtrArr, NullLastSortFindAndBinarySearch)
{
    char pear[] = "pear", apple[] = "apple", fig[] = "fig";
    PtrArr a;
    ptrarr_init(&a, 0);
    ptrarr_set(&a, 0, pear);
    ptrarr_set(&a, 2, apple);   // slot 1 stays null
    ptrarr_set(&a, 3, fig);
    ptrarr_sort(&a, by_name);
    EXPECT_EQ(names(&a), (std::vector<std::string>{"apple", "fig", "pear", "(null)"}));

    int index = -1;
    EXPECT_EQ(ptrarr_find(&a, "fig", slot_by_name, &index), fig);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(ptrarr_find_if(&a, "pear", same_text, &index), pear);
    EXPECT_EQ(index, 2);
    ptrarr_remove(&a, 3);
    EXPECT_EQ(ptrarr_find(&a, "kiwi", slot_by_name, &index), nullptr);
    EXPECT_EQ(index, 3);
    ptrarr_clear(&a);

    char k1[] = "b", k2[] = "d", k3[] = "f", k4[] = "h", k5[] = "j";
    char* sorted[] = {k1, k2, k3, k4, k5};
    for (int i = 0; i < 5; ++i) ptrarr_set(&a, i, sorted[i]);
    struct Case {
        const char* key;
        bool hit;
        int index;
    };
    const Case cases[] = {{"e", false, 2}, {"a", false, 0}, {"k", false, 5}, {"b", true, 0},
                          {"j", true, 4}, {"f", true, 2}, {"d", true, 1}, {"i", false, 4}};
    for (const Case& c : cases) {
        void* item = ptrarr_bsearch(&a, c.key, slot_by_name, &index);
        EXPECT_EQ(item != nullptr, c.hit) << c.key;
        EXPECT_EQ(index, c.index) << c.key;
        if (c.hit) {
            EXPECT_STREQ((const char*)item, c.key);
        }
    }
    ptrarr_clear(&a);
    EXPECT_EQ(ptrarr_bsearch(&a, "x", slot_by_name, &index), nullptr);
    EXPECT_EQ(index, 0);
}
