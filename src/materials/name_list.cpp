#include "materials/name_list.h"

int fill_name_list(void* list, void (*append)(void* list, const char* text), const int* keys, int n, int key,
                   const char* (*name_of)(int key))
{
    if (!keys || n < 1)
        return 0;
    int pos = 0;
    bool found = false;
    for (int i = 0; i < n; ++i) {
        if (append)
            append(list, name_of(keys[i]));
        if (!found && keys[i] == key) {
            pos = i;
            found = true;
        }
    }
    return pos;
}

int key_at(const int* keys, int n, int i, int fallback)
{
    if (!keys || i < 0 || i >= n)
        return fallback;
    return keys[i];
}
