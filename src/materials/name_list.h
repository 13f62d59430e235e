#pragma once
// Filling a caller's list with the names of grade keys.

// Appends name_of(keys[i]) for each of the n keys through append (none when append is null);
// returns the position of the first key equal to key, 0 when there is none or n < 1.
int fill_name_list(void* list, void (*append)(void* list, const char* text), const int* keys, int n, int key,
                   const char* (*name_of)(int key));

// keys[i], or fallback when keys is null or i lies outside 0 .. n - 1.
int key_at(const int* keys, int n, int i, int fallback);
