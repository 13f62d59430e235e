// A table of the printed calculation being put together: column descriptors of the table
// writer and the value arrays they point into (one double or one text cell per row), freed
// when the table goes.
#pragma once
#include "output/oli_table.h"

#include <QString>

#include <cstdio>
#include <vector>

class PrintTable {
public:
    PrintTable(int ncols, int nrows);
    ~PrintTable();
    PrintTable(const PrintTable&) = delete;
    PrintTable& operator=(const PrintTable&) = delete;

    // Texts in UTF-8, written into the list in code page 437; a null or empty title is the
    // single blank of an untitled column.
    void row_numbers(const char* heading, int width);
    // A numeric column; returns its value array of one double per row. Values that are no
    // finite number are printed as "n.e." (not verifiable) when the table is written.
    double* numbers(const char* title, const char* heading, const char* unit, int width, int decimals);
    // A text column of cells of `cell` bytes; returns the zeroed cells.
    char* texts(const char* title, const char* heading, int width, int cell);

    void write(FILE* file);
    int columns() const { return used_; }

private:
    OliColumn* next(const char* title, const char* heading, const char* unit, int width, int decimals);

    int ncols_, nrows_;
    int used_ = 0;
    OliColumn* cols_ = nullptr;
    std::vector<void*> blocks_;
    std::vector<double*> numeric_;
};

// A text cut to fit a table cell of `cell` bytes with its terminator.
void print_cell_text(char* cell, int size, const char* text);

// The names of a text column that shows `visible` characters, as they are printed: a name that
// does not fit is cut and marked with "~" (the list's code page has no ellipsis), and cut so that
// two different names never print alike.
std::vector<QString> print_cut_names(const std::vector<QString>& names, int visible);
