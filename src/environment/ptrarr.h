// Growable array of pointers to items it does not own.
#pragma once

struct PtrArr {
    void** items;   // slots, null when capacity is 0
    int count;      // used slots
    int capacity;   // allocated slots; slots at and beyond count hold null
};

typedef int (*PtrArrCompare)(const void* a, const void* b);

PtrArr* ptrarr_new(int capacity);
int ptrarr_init(PtrArr* array, int capacity);
void ptrarr_clear(PtrArr* array);
void ptrarr_delete(PtrArr* array);
int ptrarr_set_capacity(PtrArr* array, int n);
int ptrarr_count(const PtrArr* array);
int ptrarr_capacity(const PtrArr* array);
void* ptrarr_item_at(const PtrArr* array, int i);
void* ptrarr_set(PtrArr* array, int i, void* item);
void* ptrarr_insert(PtrArr* array, int i, void* item);
void* ptrarr_remove(PtrArr* array, int i);
// Null items sort after all others; compare(item a, item b) decides between two items.
void ptrarr_sort(PtrArr* array, PtrArrCompare compare);
// compare(pointer to the item slot, key) returns 0 on a match.
void* ptrarr_find(const PtrArr* array, const void* key, PtrArrCompare compare, int* index);
// Array sorted ascending under compare(pointer to the item slot, key); on a miss the index is
// the insertion index.
void* ptrarr_bsearch(const PtrArr* array, const void* key, PtrArrCompare compare, int* index);
// predicate(item, key) non-zero on a match.
void* ptrarr_find_if(const PtrArr* array, const void* key, int (*predicate)(const void* item, const void* key),
                     int* index);
