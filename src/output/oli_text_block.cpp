#include "output/oli_text_block.h"
#include "platform/os/c_numeric.h"
#include "platform/env/vyk_env.h"
#include "platform/os/codepage.h"

#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum { NO_BLOCK = 1, LINE_START = 2, IN_LINE = 3 };
constexpr int MAX_TABS = 100;

struct Layer {
    bool initialised = false;
    int state = NO_BLOCK;
    ParagraphFormat pending{};
    ParagraphFormat written{};
    long changes = 0;
    long written_changes = 0;
    int tab_count = 0;
    double tab_pos[MAX_TABS] = {};
    int tab_kind[MAX_TABS] = {};
};

Layer& L()
{
    static Layer layer;
    return layer;
}

void init()
{
    Layer& l = L();
    if (l.initialised) return;
    l.initialised = true;
    l.state = NO_BLOCK;
    oli_text_default_format(&l.pending);
    oli_text_default_format(&l.written);
    l.changes = l.written_changes = 0;
    l.tab_count = 0;
}

// Every record goes through one writer; a negative result is a write error.
int put(FILE* f, const char* format, ...) __attribute__((format(printf, 2, 3)));
int put(FILE* f, const char* format, ...)
{
    if (!f) return -1;
    char small[1200];
    va_list ap;
    va_start(ap, format);
    int n = c_vsnprintf(small, sizeof small, format, ap);
    va_end(ap);
    if (n < 0) return -1;
    std::string text;
    if (n >= int(sizeof small)) {
        text.resize(size_t(n) + 1);
        va_start(ap, format);
        c_vsnprintf(&text[0], text.size(), format, ap);
        va_end(ap);
        text.resize(size_t(n));
    } else {
        text = small;
    }
    // The environment's stdio table: its fprintf entry decides what a write error is.
    int r = VYK_STDIO_FCT->fprintf_fn(f, "%s", text.c_str());
    if (r < 0 || std::ferror(f)) return -1;
    return r;
}

int unit_code(int unit)
{
    if (unit & 2) return 2;
    if (unit & 1) return 1;
    return 4;
}

bool same_format(const ParagraphFormat& a, const ParagraphFormat& b)
{
    return a.flags == b.flags && a.writer1 == b.writer1 && a.writer2 == b.writer2 && a.mode == b.mode &&
           a.space == b.space && a.distance4 == b.distance4 && a.unit_space == b.unit_space &&
           a.unit_distance4 == b.unit_distance4 && a.distance2 == b.distance2 &&
           a.distance3 == b.distance3 && a.unit_distance2 == b.unit_distance2 &&
           a.unit_distance3 == b.unit_distance3 && a.factor == b.factor && a.pair[0] == b.pair[0] &&
           a.pair[1] == b.pair[1] && a.tab_writer == b.tab_writer && a.user_data == b.user_data;
}

int closing_word(FILE* f, bool more)
{
    Layer& l = L();
    int w = 0;
    if (l.written.flags & 0x2000) w |= 0x2000;
    if ((l.pending.flags & 0x80) && (l.written.flags & 0x80)) w |= 0x100;
    if (l.pending.space != 0) w |= 0x1000;
    if (more) w |= 0x4;
    if (put(f, "0x%x\n", w) < 0) return -1;
    if (l.pending.space != 0 && put(f, "%d %.6g\n", 2, l.pending.space) < 0) return -1;
    return 0;
}

void reset_after_block()
{
    Layer& l = L();
    oli_text_default_format(&l.pending);
    ++l.changes;
    l.tab_count = 0;
}

void tabs_changed()
{
    Layer& l = L();
    l.pending.tab_writer = l.tab_count != 0 ? oli_text_write_tabs : nullptr;
    ++l.changes;
}

int write_text(FILE* f, const char* text)
{
    Layer& l = L();
    const char* p = text;
    while (*p) {
        const char* nl = std::strchr(p, '\n');
        size_t n = nl ? size_t(nl - p) : std::strlen(p);
        if (n > 0 || nl) {
            if (l.state == LINE_START) {
                if (put(f, " ") < 0) return -1;
                l.state = IN_LINE;
            }
            if (n > 0 && put(f, "%.*s", int(n), p) < 0) return -1;
        }
        if (!nl) break;
        if (put(f, "\n") < 0) return -1;
        l.state = LINE_START;
        p = nl + 1;
    }
    return 0;
}

} // namespace

void oli_text_layer_reset()
{
    L() = Layer();
}

void oli_text_default_format(ParagraphFormat* format)
{
    if (!format) return;
    std::memset(format, 0, sizeof *format);
    format->mode = 4;
    format->unit_space = format->unit_distance4 = format->unit_distance2 = format->unit_distance3 = 2;
    format->factor = 1.0;
}

int oli_text_write_para(FILE* stream, const ParagraphFormat* format, int with_keyword)
{
    if (!stream) return -1;
    ParagraphFormat def;
    if (!format) {
        oli_text_default_format(&def);
        format = &def;
    }
    int flags = format->flags;
    if (format->writer1) flags |= 0x1;
    if (format->writer2) flags |= 0x2;
    if (format->tab_writer) flags |= 0x40;
    if (format->space != 0) flags |= 0x10;
    if (format->distance2 != 0 || format->distance3 != 0) flags |= 0x20;
    if (format->pair[0] != 0 || format->pair[1] != 0) flags |= 0x200;
    if (format->factor != 1.0) flags |= 0x400;
    if (format->distance4 != 0) flags |= 0x800;

    if (with_keyword && put(stream, "\n#SHOWPARA\n") < 0) return -1;
    if (put(stream, "0x%x\n", flags) < 0) return -1;
    if (format->writer1 && !format->writer1(stream, format->user_data)) return -1;
    if (format->writer2 && !format->writer2(stream, format->user_data)) return -1;
    if (put(stream, "%d\n", format->mode) < 0) return -1;
    if ((flags & 0x10) && put(stream, "%d %.6g\n", unit_code(format->unit_space), format->space) < 0)
        return -1;
    if ((flags & 0x20) && put(stream, "%d %.6g %d %.6g\n", unit_code(format->unit_distance2),
                              format->distance2, unit_code(format->unit_distance3), format->distance3) < 0)
        return -1;
    if ((flags & 0x40) && format->tab_writer(stream, format->user_data) < 0) return -1;
    if ((flags & 0x400) && put(stream, "%.6g\n", format->factor) < 0) return -1;
    if ((flags & 0x800) &&
        put(stream, "%d %.6g\n", unit_code(format->unit_distance4), format->distance4) < 0)
        return -1;
    if ((flags & 0x200) && put(stream, "%d %d\n", format->pair[0], format->pair[1]) < 0) return -1;
    return 0;
}

int oli_text_write_para_keyword(FILE* stream, const ParagraphFormat* format)
{
    return oli_text_write_para(stream, format, 1);
}

int oli_text_write_tabs(FILE* stream, void*)
{
    init();
    Layer& l = L();
    if (l.tab_count == -1) {
        if (put(stream, "0x2\n") < 0) return -1;
        return put(stream, "%d %.6g\n", unit_code(l.tab_kind[0]), l.tab_pos[0]) < 0 ? -1 : 1;
    }
    if (put(stream, "0x%x %d\n", 0, l.tab_count) < 0) return -1;
    for (int i = 0; i < l.tab_count; ++i)
        if (put(stream, "%d %.6g\n", unit_code(l.tab_kind[i]), l.tab_pos[i]) < 0) return -1;
    return 1;
}

void oli_text_new_paragraph()
{
    init();
    oli_text_default_format(&L().pending);
    ++L().changes;
}

void oli_text_set_mode(int mode) { init(); L().pending.mode = mode; }
int oli_text_get_mode() { init(); return L().pending.mode; }
void oli_text_add_space(double cm) { init(); L().pending.space += cm; }
double oli_text_get_space() { init(); return L().pending.space; }
void oli_text_set_distance2(double cm) { init(); L().pending.distance2 = cm; }
double oli_text_get_distance2() { init(); return L().pending.distance2; }
void oli_text_set_distance3(double cm) { init(); L().pending.distance3 = cm; }
double oli_text_get_distance3() { init(); return L().pending.distance3; }
void oli_text_set_distance4(double cm) { init(); L().pending.distance4 = cm; }
double oli_text_get_distance4() { init(); return L().pending.distance4; }
void oli_text_set_factor(double f) { init(); L().pending.factor = f; }
double oli_text_get_factor() { init(); return L().pending.factor; }

void oli_text_set_flag_bits(int bits)
{
    init();
    L().pending.flags = (L().pending.flags & ~0x188) | (bits & 0x188);
}

void oli_text_set_keep_flag()
{
    init();
    L().written.flags |= 0x2000;
}

void oli_text_set_tabs(int kind, const int* kinds, const double* positions, int count)
{
    init();
    Layer& l = L();
    if (count <= 0 || !positions) {
        if (l.tab_count != 0) {
            l.tab_count = 0;
            tabs_changed();
        }
        return;
    }
    if (count > MAX_TABS) count = MAX_TABS;
    for (int i = 0; i < count; ++i) {
        l.tab_pos[i] = positions[i];
        l.tab_kind[i] = kinds ? kinds[i] : kind;
    }
    l.tab_count = count;
    tabs_changed();
}

void oli_text_set_single_tab(int kind, double distance)
{
    init();
    Layer& l = L();
    if (distance > 0) {
        l.tab_count = -1;
        l.tab_pos[0] = distance;
        l.tab_kind[0] = kind;
        tabs_changed();
    } else if (l.tab_count != 0) {
        l.tab_count = 0;
        tabs_changed();
    }
}

void oli_text_clear_tabs()
{
    init();
    if (L().tab_count != 0) {
        L().tab_count = 0;
        tabs_changed();
    }
}

int oli_text_tab_count() { init(); return L().tab_count; }

int oli_text_printf(FILE* stream, const char* format, ...)
{
    init();
    if (!stream || !format) return -1;
    char buf[1000];
    va_list ap;
    va_start(ap, format);
    int n = c_vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    if (n < 0) return -1;

    Layer& l = L();
    if (l.state == NO_BLOCK) {
        if (oli_text_write_para(stream, &l.pending, 1) < 0) return -1;
        if (put(stream, "-1\n") < 0) return -1;
        l.state = LINE_START;
        l.pending.space = 0;
        l.written = l.pending;
        l.written_changes = l.changes;
    } else if (!same_format(l.pending, l.written) || l.changes != l.written_changes) {
        if (l.state == IN_LINE) {
            if (put(stream, "\n") < 0) return -1;
            l.state = LINE_START;
        }
        if (put(stream, "#END_OF_TEXT\n") < 0) return -1;
        if (closing_word(stream, true) < 0) return -1;
        l.pending.space = 0;
        if (oli_text_write_para(stream, &l.pending, 0) < 0) return -1;
        if (put(stream, "-1\n") < 0) return -1;
        l.written = l.pending;
        l.written_changes = l.changes;
    }
    return write_text(stream, buf);
}

int oli_text_end_block(FILE* stream)
{
    init();
    Layer& l = L();
    if (l.state == NO_BLOCK || !stream) {
        reset_after_block();
        l.state = NO_BLOCK;
        return -1;
    }
    int r = 0;
    if (l.state == IN_LINE && put(stream, "\n") < 0) r = -1;
    if (r == 0 && put(stream, "#END_OF_TEXT\n") < 0) r = -1;
    if (r == 0 && closing_word(stream, false) < 0) r = -1;
    if (r == 0 && put(stream, "-1\n") < 0) r = -1;
    reset_after_block();
    l.state = NO_BLOCK;
    return r;
}

// ---- library records ------------------------------------------------------------------

int oli_text_begin_graphic(FILE* stream, const OliGraphicHeader* h)
{
    if (!stream) return -1;
    if (put(stream, "\n\n#SHOWGRAFIC\n") < 0) return -1;
    if (!h) {
        if (put(stream, "0 0 0\n0 0 0\n1\n%.6g %.6g %.6g %.6g\n", 0.0, 17.0, 0.0, 10.0) < 0) return -1;
        return 0;
    }
    if (h->caption1) { if (!h->caption1(stream, h->user_data)) return -1; }
    else if (put(stream, "0 0 0\n") < 0) return -1;
    if (h->caption2) { if (!h->caption2(stream, h->user_data)) return -1; }
    else if (put(stream, "0 0 0\n") < 0) return -1;
    if (h->flags != 0 && put(stream, "-999 %d ", h->flags) < 0) return -1;
    if (put(stream, "%d\n", h->kind) < 0) return -1;
    if ((h->flags & 0x10000) &&
        put(stream, "%.6g %.6g %.6g %.6g\n", h->box2[0], h->box2[1], h->box2[2], h->box2[3]) < 0)
        return -1;
    if (put(stream, "%.6g %.6g %.6g %.6g\n", h->box[0], h->box[1], h->box[2], h->box[3]) < 0) return -1;
    if (h->kind == 3 && put(stream, "%.6g\n", h->scale) < 0) return -1;
    return 0;
}

int oli_text_graphic_end(FILE* stream) { return put(stream, "0\n\n") < 0 ? -1 : 0; }
int oli_text_write_minus_one(FILE* stream) { return put(stream, "-1\n") < 0 ? -1 : 0; }
int oli_text_write_end_of_text(FILE* stream) { return put(stream, "#END_OF_TEXT\n") < 0 ? -1 : 0; }

int oli_text_write_tab_list(FILE* stream, int kind, const int* kinds, const double* positions, int count)
{
    if (count < 0) count = 0;
    if (count > MAX_TABS) count = MAX_TABS;
    if (put(stream, "0x%x %d\n", 0, count) < 0) return -1;
    for (int i = 0; i < count && positions; ++i)
        if (put(stream, "%d %.6g\n", unit_code(kinds ? kinds[i] : kind), positions[i]) < 0) return -1;
    return 0;
}

int oli_text_write_single_tab(FILE* stream, int kind, double distance)
{
    if (put(stream, "0x2\n") < 0) return -1;
    return put(stream, "%d %.6g\n", unit_code(kind), distance) < 0 ? -1 : 0;
}

static int frame_word(FILE* stream, const OliFrame* frame)
{
    int flags = frame ? frame->flags : 0;
    double d = frame ? frame->distance : 0;
    if (d != 0) {
        if (put(stream, "0x%x\n", flags | 0x1004) < 0) return -1;
        return put(stream, "%d %.6g\n", unit_code(frame->unit), d) < 0 ? -1 : 0;
    }
    return put(stream, "0x%x\n", (flags & ~0x1000) | 0x4) < 0 ? -1 : 0;
}

int oli_text_write_frame_para(FILE* stream, const OliFrame* frame, const ParagraphFormat* format)
{
    if (frame_word(stream, frame) < 0) return -1;
    return oli_text_write_para(stream, format, 0);
}

int oli_text_write_frame_end(FILE* stream, const OliFrame* frame)
{
    if (frame_word(stream, frame) < 0) return -1;
    return put(stream, "-1\n") < 0 ? -1 : 0;
}

char* strip_codes_to_ansi(char* text, int strip, int convert)
{
    if (!text) return text;
    if (strip) {
        unsigned char* r = reinterpret_cast<unsigned char*>(text);
        unsigned char* w = r;
        while (*r) {
            if (*r == 0xCE && r[1] == '{') {
                r += 2;
                while (*r && *r != '}' && *r != '\n') ++r;
                if (*r == '}') ++r;
            } else if (*r == 0xCE) {
                ++r;
                if (*r) ++r;
            } else {
                *w++ = *r++;
            }
        }
        *w = 0;
    }
    if (!convert) return text;
    unsigned char* p = reinterpret_cast<unsigned char*>(text);
    for (; *p; ++p) {
        unsigned char b = *p;
        if (b < 0x80) {
            if (b == 0x0F) *p = 0xA4;
            else if (b == 0x14) *p = 0xB6;
            else if (b == 0x15) *p = 0xA7;
            continue;
        }
        if (b == 0xFF) { *p = ' '; continue; }
        if (b == 0xF2 || b == 0xFE || (b >= 0xB0 && b <= 0xB2) || (b >= 0xDB && b <= 0xDF && b != 0xDF)) {
            *p = '_';
            continue;
        }
        if (b == 0xD5) { *p = 'i'; continue; }
        if (b == 0xDF) { *p = 0xB7; continue; }
        char32_t c = codepage::cp437_char(b);
        if (c >= 0x2500 && c <= 0x257F) {
            // box drawing: vertical lines, horizontal lines, everything else a corner or crossing
            if (c == 0x2502 || c == 0x2551) *p = 0xA6;
            else if (c == 0x2500 || c == 0x2550) *p = '-';
            else *p = '+';
            continue;
        }
        int m = codepage::cp1252_byte(c);
        *p = m >= 0 ? static_cast<unsigned char>(m) : '_';
    }
    return reinterpret_cast<char*>(p);
}
