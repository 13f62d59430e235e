// Text-block layer of the output list: paragraphs described by a ParagraphFormat and grouped
// into "#SHOWPARA" blocks. One pending format that callers change, one last-written format;
// a paragraph record is written only when the pending format differs or was changed.
#pragma once
#include <cstdio>

typedef int (*OliParaWriter)(FILE* stream, void* user_data);

struct ParagraphFormat {
    int flags;                 // 0x2000 keep; 0x8, 0x80, 0x100 from oli_text_set_flag_bits
    OliParaWriter writer1;     // optional extra record writers (bits 0x1, 0x2)
    OliParaWriter writer2;
    int mode;                  // 3 remark, 4 text / headings 2..6, 5 level-1 heading, 7 default text
    double space;              // space before (0x10); the closing word carries a pending space
    double distance4;          // 0x800
    int unit_space;
    int unit_distance4;
    double distance2;          // 0x20 with distance 3
    double distance3;
    int unit_distance2;
    int unit_distance3;
    double factor;             // 0x400 when not 1
    int pair[2];               // 0x200
    OliParaWriter tab_writer;  // 0x40
    void* user_data;
};

void oli_text_default_format(ParagraphFormat* format);

int oli_text_write_para(FILE* stream, const ParagraphFormat* format, int with_keyword);
int oli_text_write_para_keyword(FILE* stream, const ParagraphFormat* format);
int oli_text_write_tabs(FILE* stream, void* user_data);

void oli_text_new_paragraph();
void oli_text_set_mode(int mode);
int oli_text_get_mode();
void oli_text_add_space(double cm);
double oli_text_get_space();
void oli_text_set_distance2(double cm);
double oli_text_get_distance2();
void oli_text_set_distance3(double cm);
double oli_text_get_distance3();
void oli_text_set_distance4(double cm);
double oli_text_get_distance4();
void oli_text_set_factor(double f);
double oli_text_get_factor();
void oli_text_set_flag_bits(int bits);
void oli_text_set_keep_flag();

void oli_text_set_tabs(int kind, const int* kinds, const double* positions, int count);
void oli_text_set_single_tab(int kind, double distance);
void oli_text_clear_tabs();
int oli_text_tab_count();   // -1 for one default distance

int oli_text_printf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int oli_text_end_block(FILE* stream);

// Library records (offered, not used by the printed calculation).
struct OliGraphicHeader {
    int (*caption1)(FILE*, void*);
    int (*caption2)(FILE*, void*);
    void* user_data;
    int flags;
    int kind;
    double box2[4];            // with flag 0x10000
    double box[4];
    double scale;              // kind 3
};
int oli_text_begin_graphic(FILE* stream, const OliGraphicHeader* header);
int oli_text_graphic_end(FILE* stream);
int oli_text_write_minus_one(FILE* stream);
int oli_text_write_end_of_text(FILE* stream);
int oli_text_write_tab_list(FILE* stream, int kind, const int* kinds, const double* positions,
                            int count);
int oli_text_write_single_tab(FILE* stream, int kind, double distance);

struct OliFrame {
    int flags;
    int unit;
    double distance;
};
int oli_text_write_frame_para(FILE* stream, const OliFrame* frame, const ParagraphFormat* format);
int oli_text_write_frame_end(FILE* stream, const OliFrame* frame);

// In place: strip removes the inline codes and graphics, convert maps code page 437 to
// Windows-1252 (box drawing to 0xA6, "+" and "-"). Returns the text, or with convert the
// position of its terminating zero.
char* strip_codes_to_ansi(char* text, int strip, int convert);

// Test seam: forget all layer state (as at process start).
void oli_text_layer_reset();
