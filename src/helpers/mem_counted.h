// Counted heap layer of the general helpers: every block taken here is counted, padded
// and, when memory runs out, ends the program with a message instead of returning null.
#pragma once

// Takes or resizes a block of size + pad bytes; null (nothing requested) when that is 0.
// zero_fill clears the whole resulting block, old contents included.
void* mem_realloc_counted(void* block, int size, int zero_fill);
// New zeroed block of size + pad bytes; counted even when size + pad is 0 (null returned).
void* mem_calloc_counted(int size);
// Row-pointer matrix: rows pointers followed by rows x cols doubles; null for 0 rows or cols.
double** mem_matrix_alloc(double** block, int rows, int cols);
// Heap copy of a text (counted); null without stopping when it cannot be made.
char* mem_strdup_counted(const char* text);
// Resizes *block to n doubles (+ pad), copies the values and stores the block back.
double* mem_copy_doubles(int n, double** block, const double* values);
// address_of_block is the address of a block pointer (T**): frees, counts down, nulls it.
void mem_free_and_null(void* address_of_block);

int mem_set_pad(int n);      // negative becomes 0; returns the new pad
int mem_count();             // blocks taken and not given back
void mem_count_reset();

// "Speicher nicht aussreichend!" through msg_print, then exit code 3.
[[noreturn]] void mem_out_of_memory_stop();
void mem_check_or_exit(const void* p);
