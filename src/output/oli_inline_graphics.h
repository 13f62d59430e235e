// Inline graphics inside a table row (bars and coloured rectangles between two cells) and
// picture blocks that place a picture file of the viewer's fonts folder into the list.
#pragma once
#include <cstdio>

void oli_cell_bar(FILE* stream, double x, double y, double w, double h);
void oli_cell_bar_full(FILE* stream, double f);
void oli_cell_bar_pair(FILE* stream, double f);
void oli_cell_rect(FILE* stream, int filled, int colour, double x, double y, double w, double h);
void oli_cell_rect_full(FILE* stream, int filled, int colour);

void oli_set_picture_folder(const char* path);   // at most 99 characters are kept
void oli_picture_block(FILE* stream, double width, double height, const char* name);
void oli_picture_block_framed(FILE* stream, double width, double height, const char* name);
