#include "environment/param_list.h"

#include "environment/text_block.h"
#include "environment/vyk_startup.h"
#include "platform/os/c_numeric.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kEmpty = "";

void* xrealloc(void* p, size_t n) { return vyk_realloc(__FILE__, __LINE__, "null", p, n); }
void xfree(void* p) { vyk_free(__FILE__, __LINE__, "null", p); }
char* xstrdup(const char* s) { return vyk_strdup(__FILE__, __LINE__, "null", s); }

// Copies a marked string into buffer (size bytes); an over-long string is cut and its rest
// read up to the closing mark, so that the next field of the file reads right.
int read_until_close(FILE* stream, char* buffer, int size, int close)
{
    int n = 0;
    int c;
    while ((c = std::fgetc(stream)) != EOF && c != close) {
        if (n < size - 1) buffer[n++] = (char)c;
    }
    buffer[n] = '\0';
    return n;
}

// Numbers in the files always carry a decimal point, whatever the user's locale says.
bool read_double(FILE* stream, double* value)
{
    int c;
    do {
        c = std::fgetc(stream);
    } while (c != EOF && std::isspace(c));
    std::string token;
    while (c != EOF && (std::isalnum(c) || c == '.' || c == '+' || c == '-')) {
        if (token.size() < 64) token.push_back((char)c);
        c = std::fgetc(stream);
    }
    if (c != EOF) std::ungetc(c, stream);
    if (token.empty()) return false;
    const char* b = token.data();
    const char* e = b + token.size();
    if (*b == '+') ++b;
    auto r = std::from_chars(b, e, *value);
    return r.ec == std::errc() && r.ptr == e;
}

bool write_double(FILE* stream, double v)
{
    const CNumericScope c_numbers;
    char text[64];
    c_snprintf(text, sizeof text, " %.6e", v);
    for (char* p = text; *p; ++p)
        if (*p == ',') *p = '.';
    return std::fputs(text, stream) >= 0;
}

bool resize_array(void** array, int old_count, int new_count, size_t elem)
{
    if (new_count == 0) {
        xfree(*array);
        *array = nullptr;
        return true;
    }
    void* p = xrealloc(*array, elem * (size_t)new_count);
    if (!p) return false;
    if (new_count > old_count) std::memset((char*)p + elem * (size_t)old_count, 0, elem * (size_t)(new_count - old_count));
    *array = p;
    return true;
}

int clamp0(int n) { return n < 0 ? 0 : n; }

} // namespace

// ---- parameter headers ----

int vyk_param_header_clear(ParamHeader* header)
{
    if (!header) return 0;
    header->type = header->id = header->link = 0;
    header->name = nullptr;
    header->comment = nullptr;
    return 1;
}

int vyk_param_header_set(int type, int id, int link, const char* name, ParamHeader* header)
{
    if (!header) return 0;
    header->type = type;
    header->id = id;
    header->link = link;
    xfree(header->name);
    header->name = nullptr;
    if (name) {
        header->name = xstrdup(name);
        if (!header->name) return 0;
    }
    return 1;
}

int vyk_param_header_set_comment(char* text, ParamHeader* header)
{
    if (!header) return 0;
    xfree(header->comment);
    header->comment = text;
    return 1;
}

void vyk_param_header_free(ParamHeader* header)
{
    if (!header) return;
    xfree(header->name);
    xfree(header->comment);
}

int vyk_param_header_read(FILE* stream, ParamHeader* header)
{
    if (!stream || !header) return 0;
    vyk_param_header_clear(header);
    if (c_fscanf(stream, " %i %d", &header->type, &header->id) != 2) return 0;
    char name[HEADER_NAME_SIZE];
    read_delimited_string(stream, name, HEADER_NAME_SIZE, MARK_OPEN, MARK_CLOSE);
    header->name = xstrdup(name);
    if (!header->name) return 0;
    int rest[2] = {0, 0};
    read_int_values(stream, rest, 2);
    header->link = rest[0];
    if (rest[1] & 1) {
        header->comment = txb_read(stream);
        find_line_with_keyword(stream, "#EOC", 0);
    }
    return 1;
}

int vyk_param_header_write(FILE* stream, const ParamHeader* header)
{
    if (!stream || !header) return 0;
    c_fprintf(stream, "0x%x %d %c%s%c %d %d\n", (unsigned)header->type, header->id, MARK_OPEN,
                 header->name ? header->name : "", MARK_CLOSE, header->link, header->comment ? 1 : 0);
    if (header->comment) {
        txb_write(stream, header->comment);
        std::fputs("#EOC\n", stream);
    }
    return std::ferror(stream) ? 0 : 1;
}

// ---- parameter lists ----

int param_list_init(ParamList* list)
{
    if (!list) return 0;
    std::memset(list, 0, sizeof *list);
    return 1;
}

int param_list_resize(ParamList* list, int ints, int doubles, int strings)
{
    if (!list) return 0;
    ints = clamp0(ints);
    doubles = clamp0(doubles);
    strings = clamp0(strings);
    if (ints != list->int_count) {
        if (!resize_array((void**)&list->ints, list->int_count, ints, sizeof(int))) return 0;
        list->int_count = ints;
    }
    if (doubles != list->double_count) {
        if (!resize_array((void**)&list->doubles, list->double_count, doubles, sizeof(double))) return 0;
        list->double_count = doubles;
    }
    if (strings != list->string_count) {
        for (int i = strings; i < list->string_count; ++i) {
            xfree(list->strings[i]);
            list->strings[i] = nullptr;
        }
        if (!resize_array((void**)&list->strings, list->string_count, strings, sizeof(char*))) return 0;
        list->string_count = strings;
    }
    return 1;
}

int param_list_free(ParamList* list)
{
    if (!list) return 0;
    for (int i = 0; i < list->string_count; ++i) xfree(list->strings[i]);
    xfree(list->ints);
    xfree(list->doubles);
    xfree(list->strings);
    return param_list_init(list);
}

int param_list_zero(ParamList* list)
{
    if (!list) return 0;
    for (int i = 0; i < list->int_count; ++i) list->ints[i] = 0;
    for (int i = 0; i < list->double_count; ++i) list->doubles[i] = 0.0;
    for (int i = 0; i < list->string_count; ++i) {
        xfree(list->strings[i]);
        list->strings[i] = nullptr;
    }
    return 1;
}

int param_list_read(FILE* stream, int ints, int doubles, int strings, ParamList* list, int flags)
{
    const CNumericScope c_numbers;
    if (!list) return 0;
    param_list_init(list);
    if (!stream) return 0;
    int stated[3] = {0, 0, 0};
    const int wanted[3] = {ints, doubles, strings};
    for (int k = 0; k < 3; ++k) {
        if (wanted[k] < 0) continue;
        if (c_fscanf(stream, " %d", &stated[k]) != 1) return 0;
        if (stated[k] < 0) return 0;
    }
    int size[3];
    for (int k = 0; k < 3; ++k) size[k] = (flags & 1) ? stated[k] : clamp0(wanted[k]);

    // Values are collected first, so that a count the file cannot back takes no room.
    bool ok = true;
    std::vector<int> iv;
    for (int i = 0; ok && i < stated[0]; ++i) {
        int v;
        if (c_fscanf(stream, " %d", &v) != 1) ok = false;
        else if (i < size[0]) iv.push_back(v);
    }
    std::vector<double> dv;
    for (int i = 0; ok && i < stated[1]; ++i) {
        double v;
        if (!read_double(stream, &v)) ok = false;
        else if (i < size[1]) dv.push_back(v);
    }
    std::vector<std::string> sv;
    for (int i = 0; ok && i < stated[2]; ++i) {
        char buf[GUILLEMET_BUFFER_SIZE];
        read_guillemet_string(stream, buf);
        if (std::feof(stream) && buf[0] == '\0') ok = false;   // nothing left to read
        else if (i < size[2]) sv.push_back(buf);
    }
    if (ok) {
        if (!param_list_resize(list, size[0], size[1], size[2])) return 0;
    } else if (!param_list_resize(list, (int)iv.size(), (int)dv.size(), (int)sv.size())) {
        return 0;
    }
    for (size_t i = 0; i < iv.size() && (int)i < list->int_count; ++i) list->ints[i] = iv[i];
    for (size_t i = 0; i < dv.size() && (int)i < list->double_count; ++i) list->doubles[i] = dv[i];
    for (size_t i = 0; i < sv.size() && (int)i < list->string_count; ++i) {
        list->strings[i] = xstrdup(sv[i].c_str());
        if (!list->strings[i]) return 0;
    }
    return ok ? 1 : 0;
}

int param_list_write(FILE* stream, const ParamList* list)
{
    const CNumericScope c_numbers;
    if (!stream || !list) return 0;
    int ni = list->ints ? list->int_count : 0;
    int nd = list->doubles ? list->double_count : 0;
    int ns = list->strings ? list->string_count : 0;
    c_fprintf(stream, "%d %d %d\n", ni, nd, ns);
    if (ni > 0) {
        for (int i = 0; i < ni; ++i) c_fprintf(stream, " %d", list->ints[i]);
        std::fputc('\n', stream);
    }
    if (nd > 0) {
        for (int i = 0; i < nd; ++i) write_double(stream, list->doubles[i]);
        std::fputc('\n', stream);
    }
    for (int i = 0; i < ns; ++i) {
        write_guillemet_string(stream, list->strings[i]);
        std::fputc('\n', stream);
    }
    return std::ferror(stream) ? 0 : 1;
}

int param_list_any_set(const ParamList* list)
{
    if (!list) return 0;
    for (int i = 0; i < list->int_count; ++i)
        if (list->ints[i] != 0) return 1;
    for (int i = 0; i < list->double_count; ++i)
        if (list->doubles[i] != 0.0) return 1;
    for (int i = 0; i < list->string_count; ++i)
        if (list->strings[i]) return 1;
    return 0;
}

int param_list_copy(ParamList* target, const ParamList* source)
{
    if (!target) return 0;
    param_list_free(target);
    if (!source) return 1;
    if (!param_list_resize(target, source->int_count, source->double_count, source->string_count)) return 0;
    for (int i = 0; i < source->int_count; ++i) target->ints[i] = source->ints[i];
    for (int i = 0; i < source->double_count; ++i) target->doubles[i] = source->doubles[i];
    for (int i = 0; i < source->string_count; ++i) {
        if (source->strings[i]) {
            target->strings[i] = xstrdup(source->strings[i]);
            if (!target->strings[i]) return 0;
        }
    }
    return 1;
}

int param_list_gather(const ParamList* list, int* int_out, const int* int_defaults, int int_n,
                      double* double_out, const double* double_defaults, int double_n,
                      const char** string_out, const char* const* string_defaults, int string_n)
{
    if (!list) return 0;
    if (int_out && int_n > 0) {
        for (int i = 0; i < int_n; ++i)
            int_out[i] = i < list->int_count ? list->ints[i] : (int_defaults ? int_defaults[i] : 0);
    }
    if (double_out && double_n > 0) {
        for (int i = 0; i < double_n; ++i)
            double_out[i] = i < list->double_count ? list->doubles[i] : (double_defaults ? double_defaults[i] : 0.0);
    }
    if (string_out && string_n > 0) {
        for (int i = 0; i < string_n; ++i) {
            if (i < list->string_count) string_out[i] = list->strings[i];
            else string_out[i] = string_defaults ? string_defaults[i] : kEmpty;
        }
    }
    return 1;
}

namespace {

// Largest target index + 1 (or n without a map).
int needed_size(const int* dst_map, int n)
{
    if (!dst_map) return n;
    int need = 0;
    for (int k = 0; k < n; ++k)
        if (dst_map[k] + 1 > need) need = dst_map[k] + 1;
    return need;
}

} // namespace

int param_list_scatter(ParamList* list, const int* int_src, const int* int_src_map, int int_n,
                       const int* int_dst_map, const double* double_src, const int* double_src_map,
                       int double_n, const int* double_dst_map, const char* const* string_src,
                       const int* string_src_map, int string_n, const int* string_dst_map)
{
    if (!list) return 0;
    int ni = list->int_count, nd = list->double_count, ns = list->string_count;
    if (int_src && int_n > 0 && needed_size(int_dst_map, int_n) > ni) ni = needed_size(int_dst_map, int_n);
    if (double_src && double_n > 0 && needed_size(double_dst_map, double_n) > nd)
        nd = needed_size(double_dst_map, double_n);
    if (string_src && string_n > 0 && needed_size(string_dst_map, string_n) > ns)
        ns = needed_size(string_dst_map, string_n);
    if (!param_list_resize(list, ni, nd, ns)) return 0;
    for (int k = 0; int_src && k < int_n; ++k) {
        int s = int_src_map ? int_src_map[k] : k;
        int d = int_dst_map ? int_dst_map[k] : k;
        if (s >= 0 && d >= 0) list->ints[d] = int_src[s];
    }
    for (int k = 0; double_src && k < double_n; ++k) {
        int s = double_src_map ? double_src_map[k] : k;
        int d = double_dst_map ? double_dst_map[k] : k;
        if (s >= 0 && d >= 0) list->doubles[d] = double_src[s];
    }
    for (int k = 0; string_src && k < string_n; ++k) {
        int s = string_src_map ? string_src_map[k] : k;
        int d = string_dst_map ? string_dst_map[k] : k;
        if (s < 0 || d < 0) continue;
        xfree(list->strings[d]);
        list->strings[d] = nullptr;
        if (string_src[s]) {
            list->strings[d] = xstrdup(string_src[s]);
            if (!list->strings[d]) return 0;
        }
    }
    return 1;
}

int param_list_get_int(const ParamList* list, int i)
{
    if (!list || i < 0 || i >= list->int_count) return 0;
    return list->ints[i];
}

double param_list_get_double(const ParamList* list, int i)
{
    if (!list || i < 0 || i >= list->double_count) return 0.0;
    return list->doubles[i];
}

const char* param_list_get_string(const ParamList* list, int i)
{
    if (!list || i < 0 || i >= list->string_count) return kEmpty;
    return list->strings[i];
}

// ---- marked strings and lines ----

int read_guillemet_string(FILE* stream, char* buffer)
{
    if (!buffer) return 0;
    buffer[0] = '\0';
    if (!stream) return 0;
    if (skip_blanks(stream) != MARK_OPEN) return 0;
    return read_until_close(stream, buffer, GUILLEMET_BUFFER_SIZE, MARK_CLOSE);
}

int write_guillemet_string(FILE* stream, const char* text)
{
    return write_delimited_string(stream, text ? text : "", MARK_OPEN, MARK_CLOSE);
}

int read_delimited_string(FILE* stream, char* buffer, int size, int open, int close)
{
    if (!buffer || !stream || size < 1) return -1;
    buffer[0] = '\0';
    int c;
    do {
        c = std::fgetc(stream);
    } while (c != EOF && std::isspace(c));
    if (c != (open & 0xFF)) return 0;
    return read_until_close(stream, buffer, size, close & 0xFF);
}

int write_delimited_string(FILE* stream, const char* text, int open, int close)
{
    if (!stream) return 1;
    int r = c_fprintf(stream, "%c%s%c", open, text ? text : "", close);
    return r < 0 ? 1 : 0;
}

int trim_text(char* text, int flags)
{
    if (!text || !*text) return 0;
    int len = (int)std::strlen(text);
    if (flags & 2) {
        while (len > 0 && std::isspace((unsigned char)text[len - 1])) --len;
        text[len] = '\0';
    }
    if (flags & 1) {
        int start = 0;
        while (start < len && std::isspace((unsigned char)text[start])) ++start;
        if (start > 0) {
            std::memmove(text, text + start, (size_t)(len - start + 1));
            len -= start;
        }
    }
    return len;
}

int copy_text_trimmed(const char* source, char* target, int size, int flags)
{
    if (!target || size < 1) return 0;
    int n = 0;
    if (source) {
        for (; source[n] && n < size - 1; ++n) target[n] = source[n];
    }
    target[n] = '\0';
    int len = trim_text(target, flags & 3);
    if (flags & 4) {
        while (len < size - 1) target[len++] = ' ';
        target[len] = '\0';
    }
    return len;
}

int find_line_with_keyword(FILE* stream, const char* keyword, int from_start)
{
    if (!stream || !keyword || !*keyword) return 0;
    if (from_start) std::rewind(stream);
    size_t klen = std::strlen(keyword);
    if (klen > 100) klen = 100;
    for (;;) {
        size_t matched = 0;
        int c = std::fgetc(stream);
        if (c == EOF) return 0;
        while (c != EOF && c != '\n' && matched < klen && c == (unsigned char)keyword[matched]) {
            ++matched;
            if (matched < klen) c = std::fgetc(stream);
        }
        if (matched == klen) {
            skip_line(stream);
            return 1;
        }
        while (c != EOF && c != '\n') c = std::fgetc(stream);
        if (c == EOF) return 0;
    }
}

void skip_line(FILE* stream)
{
    if (!stream) return;
    int c;
    while ((c = std::fgetc(stream)) != EOF && c != '\n') {
    }
}

int read_text_line(FILE* stream, char* buffer, int size)
{
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!stream) return 1;
    int n = 0;
    int c;
    while ((c = std::fgetc(stream)) != EOF && c != '\n') {
        if (n < size - 1) buffer[n++] = (char)c;
    }
    if (n > 0 && buffer[n - 1] == '\r' && c == '\n') --n;
    buffer[n] = '\0';
    return n + 1;
}

int read_int_values(FILE* stream, int* values, int n)
{
    for (int i = 0; i < n; ++i) values[i] = 0;
    if (!stream) return 0;
    char line[200];
    int len = 0;
    int c = std::fgetc(stream);
    if (c == EOF) return 0;
    // The whole rest of the line is consumed; its first 199 characters are parsed.
    while (c != EOF && c != '\n') {
        if (len < (int)sizeof line - 1) line[len++] = (char)c;
        c = std::fgetc(stream);
    }
    line[len] = '\0';
    const char* p = line;
    for (int i = 0; i < n; ++i) {
        char* end = nullptr;
        long v = std::strtol(p, &end, 0);
        if (end == p) break;
        values[i] = (int)v;
        p = end;
    }
    return 1;
}
