#include "helpers/text_tools.h"

#include "helpers/mem_counted.h"

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool is_space(char c) { return std::isspace((unsigned char)c) != 0; }

struct RingSlot {
    char* text = nullptr;
    size_t size = 0;       // bytes held by text
    int reallocated = 0;   // the slot's last use (re)allocated its text
};
RingSlot g_ring[8];
int g_ring_next = 0;

char* ring_store(const char* src, size_t len)
{
    RingSlot& slot = g_ring[g_ring_next];
    g_ring_next = (g_ring_next + 1) % 8;
    if (slot.text && slot.size > len) {
        slot.reallocated = 0;
    } else {
        char* grown = (char*)std::realloc(slot.text, len + 1);
        if (!grown) {
            std::fprintf(stderr, "Assertion failed: NULL != strings[i]\n");
            std::abort();
        }
        slot.text = grown;
        slot.size = len + 1;
        slot.reallocated = 1;
    }
    std::memcpy(slot.text, src, len);
    slot.text[len] = '\0';
    return slot.text;
}

} // namespace

long double angle_to_0_360(double angle)
{
    long double a = fmodl(angle, 360.0L);
    if (a < 0) a += 360.0L;
    return a;
}

long double angle_to_pm180(double angle)
{
    long double a = fmodl((long double)angle + 180.0L, 360.0L);
    if (a < 0) a += 360.0L;
    return a - 180.0L;
}

void swap_double_values(double* a, double* b)
{
    double t = *a;
    *a = *b;
    *b = t;
}

double array_min(const double* values, int n, int* index)
{
    double best = 1e31;
    int bi = 0;
    for (int i = 0; i < n; ++i) {
        if (values[i] < best) {
            best = values[i];
            bi = i;
        }
    }
    if (index) *index = bi;
    return best;
}

double array_max(const double* values, int n, int* index)
{
    double best = -1e31;
    int bi = 0;
    for (int i = 0; i < n; ++i) {
        if (values[i] > best) {
            best = values[i];
            bi = i;
        }
    }
    if (index) *index = bi;
    return best;
}

void array_min_max_index(int n, const double* values, int* min_index, int* max_index)
{
    double lo = 1e200, hi = -1e200;
    for (int i = 0; i < n; ++i) {
        if (values[i] < lo) {
            lo = values[i];
            if (min_index) *min_index = i;
        }
        if (values[i] > hi) {
            hi = values[i];
            if (max_index) *max_index = i;
        }
    }
}

double* trapezoid_ordinates(double* start, double* end, double F, double e, double L)
{
    if (L > -0.00001 && L < 0.00001) {
        *start = *end = 0.0;
        return start;
    }
    *end = 2.0 * F / L * (3.0 * e / L - 1.0);
    *start = 2.0 * F / L - *end;
    return start;
}

int bit_is_set(int value, int n) { return ((unsigned)value >> ((unsigned)n % 32u)) & 1u; }

int bit_set(int* value, int n)
{
    *value = (int)((unsigned)*value | (1u << ((unsigned)n % 32u)));
    return 1;
}

int bit_clear(int* value, int n)
{
    *value = (int)((unsigned)*value & ~(1u << ((unsigned)n % 32u)));
    return 1;
}

void bit_assign(int flag, int* value, int n)
{
    if (flag) bit_set(value, n);
    else bit_clear(value, n);
}

int flag_set_init(FlagSet* set, int count, int caller_value)
{
    set->count = count;
    set->caller_value = caller_value;
    set->counter = 0;
    int bytes = count > 0 ? (count + 7) / 8 : 0;
    set->bits = (unsigned char*)mem_realloc_counted(nullptr, bytes, 1);
    return 0;
}

int text_trim_trailing_blanks(char* text)
{
    int len = (int)std::strlen(text);
    int removed = 0;
    while (len > 0 && text[len - 1] == ' ') {
        text[--len] = '\0';
        ++removed;
    }
    return removed;
}

int text_trim_line_end(char* text)
{
    int i = (int)std::strlen(text) - 1;
    while (i >= 0) {
        if (text[i] == '\n' || text[i] == '\0') {
            --i;
        } else if (text[i] == ' ') {
            text[i] = '\0';
            --i;
        } else {
            break;
        }
    }
    return i;
}

int text_encode_blanks(char* text)
{
    int n = 0;
    for (; text[n]; ++n) {
        if (text[n] == ' ') text[n] = (char)TEXT_CODE_BLANK;
        else if (text[n] == '\n') text[n] = (char)TEXT_CODE_LF;
        else if (text[n] == '\r') text[n] = (char)TEXT_CODE_CR;
    }
    return n;
}

int text_decode_blanks(char* text)
{
    int n = 0;
    for (; text[n]; ++n) {
        unsigned char c = (unsigned char)text[n];
        if (c == TEXT_CODE_BLANK) text[n] = ' ';
        else if (c == TEXT_CODE_LF) text[n] = '\n';
        else if (c == TEXT_CODE_CR) text[n] = '\r';
    }
    return n;
}

char* text_collapse_blanks(char* text)
{
    if (!text) return nullptr;
    char* out = text;
    const char* in = text;
    while (*in) {
        if (is_space(*in)) {
            *out++ = ' ';
            while (is_space(*in)) ++in;
        } else {
            *out++ = *in++;
        }
    }
    *out = '\0';
    return text;
}

char* text_pad_to_width(char* text, int width)
{
    if (width < 0) width = 0;
    int len = (int)std::strlen(text);
    for (int i = len; i < width; ++i) text[i] = ' ';
    text[width] = '\0';
    return text;
}

char* text_collapse_blanks_copy(const char* text)
{
    if (!text) return nullptr;
    char* copy = (char*)std::malloc(std::strlen(text) + 1);
    if (!copy) return nullptr;
    std::strcpy(copy, text);
    return text_collapse_blanks(copy);
}

char* text_replace_char(char* text, const char* ch, const char* replacement, int* count)
{
    if (count) *count = 0;
    if (!text) return nullptr;
    char c = *ch;
    int n = 0;
    for (const char* p = text; *p; ++p)
        if (*p == c) ++n;
    if (count) *count = n;
    if (n == 0) return text;
    size_t rl = replacement ? std::strlen(replacement) : 0;
    size_t len = std::strlen(text);
    char* out = (char*)std::malloc(len - n + n * rl + 1);
    if (!out) return nullptr;
    char* o = out;
    for (const char* p = text; *p; ++p) {
        if (*p == c) {
            if (rl) std::memcpy(o, replacement, rl);
            o += rl;
        } else {
            *o++ = *p;
        }
    }
    *o = '\0';
    return out;
}

int text_split_words(const char* line, int* count, char*** words)
{
    if (!line) return 0;
    int n = text_word_count(line);
    if (n == 0) return 0;
    char** arr = (char**)std::malloc(sizeof(char*) * n);
    if (!arr) return 0;
    const char* p = line;
    for (int k = 0; k < n; ++k) {
        while (is_space(*p)) ++p;
        const char* start = p;
        while (*p && !is_space(*p)) ++p;
        size_t len = (size_t)(p - start);
        arr[k] = (char*)std::malloc(len + 1);
        if (!arr[k]) {
            for (int j = 0; j < k; ++j) std::free(arr[j]);
            std::free(arr);
            return 0;
        }
        std::memcpy(arr[k], start, len);
        arr[k][len] = '\0';
    }
    *count = n;
    *words = arr;
    return 1;
}

int text_find_from(int start, const char* text, const char* pattern)
{
    int len = (int)std::strlen(text);
    if (start > len) return 0;
    if (start < 0) start = 0;
    const char* hit = std::strstr(text + start, pattern);
    return hit ? (int)(hit - text) : -1;
}

int text_word_count(const char* text)
{
    if (!text) return 0;
    int n = 0;
    bool in_word = false;
    for (const char* p = text; *p; ++p) {
        if (is_space(*p)) {
            in_word = false;
        } else if (!in_word) {
            in_word = true;
            ++n;
        }
    }
    return n;
}

char* ring_left(const char* text, int n)
{
    size_t len = std::strlen(text);
    size_t k = n < 0 ? 0 : ((size_t)n < len ? (size_t)n : len);
    return ring_store(text, k);
}

char* ring_right(const char* text, int n)
{
    size_t len = std::strlen(text);
    size_t k = n < 0 ? 0 : ((size_t)n < len ? (size_t)n : len);
    return ring_store(text + len - k, k);
}

char* ring_mid(const char* text, int start, int n)
{
    int len = (int)std::strlen(text);
    if (start < 0 || start >= len) return nullptr;
    int k = n < 0 ? 0 : n;
    if (k > len - start) k = len - start;
    return ring_store(text + start, (size_t)k);
}

void ring_release(const char* text)
{
    if (!text) return;
    for (RingSlot& slot : g_ring) {
        if (slot.text == text) {
            if (slot.reallocated) {
                std::free(slot.text);
                slot.text = nullptr;
                slot.size = 0;
                slot.reallocated = 0;
            }
            return;
        }
    }
}

void version_text_parse(const char* text, int* first, int* second, char* suffix4)
{
    int a = 0, b = 0;
    char suffix[5] = "???";
    if (text) {
        int len = (int)std::strlen(text);
        int blank = -1;
        for (int i = 1; i <= len - 2; ++i)
            if (text[i] == ' ') blank = i;
        if (blank >= 0) {
            char sep1, sep2;
            char s[5] = {0};
            int got = std::sscanf(text + blank + 1, "%d%c%d%c%4s", &a, &sep1, &b, &sep2, s);
            if (got < 1) a = 0;
            if (got < 3) b = 0;
            if (got >= 5) std::memcpy(suffix, s, 5);
        }
    }
    if (first) *first = a;
    if (second) *second = b;
    if (suffix4) std::memcpy(suffix4, suffix, 4);
}

int version_text_compare(const char* a, const char* b)
{
    int a1, a2, b1, b2;
    char sa[4], sb[4];
    version_text_parse(a, &a1, &a2, sa);
    version_text_parse(b, &b1, &b2, sb);
    if (a2 != b2) return a2 > b2 ? 1 : -1;
    if (a1 != b1) return a1 > b1 ? 1 : -1;
    int c = std::strncmp(sa, sb, 4);
    return c > 0 ? 1 : (c < 0 ? -1 : 0);
}
