// Column heading strips: columns with a symbol, subscript, unit and description, laid out side
// by side on a form, with their heading rows, a rule below them and a legend.
#pragma once

struct HeadingColumn {
    char description[101];
    char symbol[51];
    char subscript[11];
    char unit[21];
    int x_offset;
    int value;
    int width;
    int gap;
};

struct HeadingStrip {
    int first;
    int left_width;
    int reserved[3];
    int reserved2[2];
    int count;
    HeadingColumn* columns;
    int minimum_end;
    int capacity;   // columns the strip owns
};

void heading_strip_init(HeadingStrip* strip, int n, HeadingColumn** columns);
void heading_strip_reset(HeadingStrip* strip, int n);
void heading_strip_free(HeadingStrip* strip);
int heading_strip_width(const HeadingStrip* strip);
HeadingColumn* heading_strip_add_column(HeadingStrip* strip, const char* description, const char* symbol,
                                        const char* subscript, const char* unit, int value, int width, int gap);
void heading_strip_draw(int x, int y, int unused, int n, const HeadingColumn* columns);
void heading_strip_draw_auto(int x, int y, const HeadingStrip* strip);
void heading_strip_legend(int x, int y, int n, const HeadingColumn* columns);
