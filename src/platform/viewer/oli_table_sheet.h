// An output-list table read back from a file and shown in a sheet of its own on the virtual
// screen, with the colours of such sheets. The environment's table sheet, standing in on this
// machine: the table is the first "#SHOWTABLE" block of the stream, read with the viewer's parser.
#pragma once
#include <cstdio>

struct OLITable;

// Reads the stream from its current position to its end and takes its first table block. Null
// when the stream holds no table, the block is damaged or it does not end with "#END_OF_TEXT".
OLITable* readOLITableFromFILE(FILE* stream);
void deleteOLITable(OLITable* table);

// The table's text lines (captions, then rows) in code page 437 without inline codes.
int OLITable_line_count(const OLITable* table);
const char* OLITable_line(const OLITable* table, int index);

// Colours of the table sheets (colour values of the screen), in this order.
enum {
    OLI_TABLE_TITLE_FACE = 0,   // the face of the caption and header rows
    OLI_TABLE_BODY_FACE = 1,    // the face of the rows
    OLI_TABLE_TEXT = 2,         // the text
    OLI_TABLE_GRID = 3,         // lines between rows
    OLI_TABLE_FRAME = 4,        // the face around the table
    OLI_TABLE_COLOURS = 5
};
// Copies the colours into colours[OLI_TABLE_COLOURS]; 1, or 0 for a null array.
int getOLITableColours(int* colours);
// Takes the colours for every later sheet; 1, or 0 for a null array.
int setOLITableColours(const int* colours);
void resetOLITableColours(void);   // back to the defaults

// The sheet's record: a flag word, the rectangle x1, y1, x2, y2, its centre, four words kept.
enum { OLI_TABLE_RECORD_WORDS = 11 };
// Shows the table under the title in the record's rectangle until the user closes the sheet (the
// OK button, Enter, Esc or the window's close button). Returns 1 when shown, 0 for a null table
// or record. The flag is kept but changes nothing.
int OLITablePropSheet(const char* title, int flag, const OLITable* table, const int* record);
