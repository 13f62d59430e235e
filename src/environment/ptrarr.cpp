#include "environment/ptrarr.h"

#include "environment/vyk_startup.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

PtrArrCompare g_compare = nullptr;

// Null items after all others; two nulls compare equal.
int ptrarr_compare_items(const void* a, const void* b)
{
    const void* ia = *(const void* const*)a;
    const void* ib = *(const void* const*)b;
    if (!ia && !ib) return 0;
    if (!ia) return 1;
    if (!ib) return -1;
    return g_compare(ia, ib);
}

// Reallocates the slots to exactly n, new slots null; false when that fails.
bool resize_slots(PtrArr* a, int n)
{
    void** p = (void**)vyk_realloc(__FILE__, __LINE__, "null", a->items, sizeof(void*) * (size_t)n);
    if (!p) return false;
    for (int i = a->capacity; i < n; ++i) p[i] = nullptr;
    a->items = p;
    a->capacity = n;
    return true;
}

// Growth rule: the larger of i + 1 and capacity + 10.
bool grow_for(PtrArr* a, int i)
{
    if (i < a->capacity) return true;
    if (i >= INT_MAX - 10) return false;
    int want = i + 1 > a->capacity + 10 ? i + 1 : a->capacity + 10;
    return resize_slots(a, want);
}

} // namespace

PtrArr* ptrarr_new(int capacity)
{
    PtrArr* a = (PtrArr*)vyk_malloc(__FILE__, __LINE__, "null", sizeof(PtrArr));
    if (!a) return nullptr;
    if (!ptrarr_init(a, capacity)) {
        vyk_free(__FILE__, __LINE__, "null", a);
        return nullptr;
    }
    return a;
}

int ptrarr_init(PtrArr* array, int capacity)
{
    if (!array) return 0;
    array->items = nullptr;
    array->count = 0;
    array->capacity = 0;
    if (capacity > 0 && !resize_slots(array, capacity)) return 0;
    return 1;
}

void ptrarr_clear(PtrArr* array)
{
    if (!array) return;
    vyk_free(__FILE__, __LINE__, "null", array->items);
    array->items = nullptr;
    array->count = 0;
    array->capacity = 0;
}

void ptrarr_delete(PtrArr* array)
{
    if (!array) return;
    ptrarr_clear(array);
    vyk_free(__FILE__, __LINE__, "null", array);
}

int ptrarr_set_capacity(PtrArr* array, int n)
{
    if (!array) return 0;
    if (n <= 0) {
        ptrarr_clear(array);
        return 1;
    }
    if (!resize_slots(array, n)) return 0;
    if (array->count > n) array->count = n;
    return 1;
}

int ptrarr_count(const PtrArr* array) { return array ? array->count : 0; }
int ptrarr_capacity(const PtrArr* array) { return array ? array->capacity : 0; }

void* ptrarr_item_at(const PtrArr* array, int i)
{
    if (!array || i < 0 || i >= array->count) return nullptr;
    return array->items[i];
}

void* ptrarr_set(PtrArr* array, int i, void* item)
{
    if (!array || i < 0) return nullptr;
    if (!grow_for(array, i)) return nullptr;
    if (i < array->count) {
        void* old = array->items[i];
        array->items[i] = item;
        return old;
    }
    array->items[i] = item;
    array->count = i + 1;
    return nullptr;
}

void* ptrarr_insert(PtrArr* array, int i, void* item)
{
    if (!array || i < 0) return nullptr;
    if (i >= array->count) {
        if (!grow_for(array, i)) return nullptr;
        ptrarr_set(array, i, item);
        return item;
    }
    if (!grow_for(array, array->count)) return nullptr;
    std::memmove(array->items + i + 1, array->items + i, sizeof(void*) * (size_t)(array->count - i));
    array->items[i] = item;
    array->count++;
    return item;
}

void* ptrarr_remove(PtrArr* array, int i)
{
    if (!array || i < 0 || i >= array->count) return nullptr;
    void* item = array->items[i];
    std::memmove(array->items + i, array->items + i + 1, sizeof(void*) * (size_t)(array->count - i - 1));
    array->count--;
    array->items[array->count] = nullptr;
    return item;
}

void ptrarr_sort(PtrArr* array, PtrArrCompare compare)
{
    if (!array || array->count < 2 || !compare) return;
    g_compare = compare;
    std::qsort(array->items, (size_t)array->count, sizeof(void*), ptrarr_compare_items);
    g_compare = nullptr;
}

void* ptrarr_find(const PtrArr* array, const void* key, PtrArrCompare compare, int* index)
{
    int n = array ? array->count : 0;
    for (int i = 0; i < n; ++i) {
        if (compare(&array->items[i], key) == 0) {
            if (index) *index = i;
            return array->items[i];
        }
    }
    if (index) *index = n;
    return nullptr;
}

void* ptrarr_bsearch(const PtrArr* array, const void* key, PtrArrCompare compare, int* index)
{
    int n = array ? array->count : 0;
    auto found = [&](int i, void* item) {
        if (index) *index = i;
        return item;
    };
    if (n == 0) return found(0, nullptr);
    int c = compare(&array->items[n - 1], key);
    if (c == 0) return found(n - 1, array->items[n - 1]);
    if (c < 0) return found(n, nullptr);
    c = compare(&array->items[0], key);
    if (c == 0) return found(0, array->items[0]);
    if (c > 0) return found(0, nullptr);
    int low = 0, high = n;   // item[low] < key < item[high] (high == n: beyond)
    while (high - low > 1) {
        int mid = (low + high) / 2;
        c = compare(&array->items[mid], key);
        if (c == 0) return found(mid, array->items[mid]);
        if (c < 0) low = mid;
        else high = mid;
    }
    return found(high, nullptr);
}

void* ptrarr_find_if(const PtrArr* array, const void* key, int (*predicate)(const void* item, const void* key),
                     int* index)
{
    int n = array ? array->count : 0;
    for (int i = 0; i < n; ++i) {
        if (predicate(array->items[i], key)) {
            if (index) *index = i;
            return array->items[i];
        }
    }
    if (index) *index = n;
    return nullptr;
}
