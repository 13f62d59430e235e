#include "helpers/versioned_files.h"

#include "helpers/mem_counted.h"
#include "helpers/messages.h"
#include "helpers/rounding.h"
#include "platform/os/c_numeric.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

FILE* g_read = nullptr;
FILE* g_write = nullptr;
double g_versions[DFILE_MAX_NESTING + 1];
int g_depth = 0;   // index of the current version in g_versions

const char kNewerFile[] = "Alte Programmversion -> kann Daten nicht lesen!";
const char kEmptyMarker[] = "!\xA7$%&/()=?";
constexpr unsigned char kBlankCode = 0x8C;
constexpr int kTextLimit = DFILE_TEXT_SIZE - 1;
constexpr int kCommentLimit = 298;

bool is_separator(int ch) { return ch != EOF && (unsigned char)ch <= 32; }

// One word of bytes above 32 into buffer (size bytes); the rest of a longer word is skipped.
// False when no byte of a word could be read.
bool read_word(char* buffer, int size)
{
    if (!g_read) return false;
    int n = 0;
    int ch;
    while ((ch = std::fgetc(g_read)) != EOF && !is_separator(ch)) {
        if (buffer && n < size - 1) buffer[n] = (char)ch;
        ++n;
    }
    if (ch != EOF) std::ungetc(ch, g_read);
    if (buffer) buffer[n < size - 1 ? n : size - 1] = '\0';
    return n > 0;
}

int rounded_default(double v) { return (int)(v >= 0 ? v + 0.5 : v - 0.5); }

bool field_present(double since) { return since <= g_versions[g_depth]; }

// The presence test of the text fields: current - since at 2 decimals not negative.
bool text_present(double since)
{
    return round_to_decimals(g_versions[g_depth] - since, 2) >= 0.0L;
}

void copy_text(char* destination, const char* text)
{
    if (!text) text = "";
    std::strncpy(destination, text, kTextLimit);
    destination[kTextLimit] = '\0';
}

int read_text_field(char* destination)
{
    if (!read_word(destination, DFILE_TEXT_SIZE)) return 1;
    if (std::strcmp(destination, kEmptyMarker) == 0) {
        destination[0] = '\0';
        return 0;
    }
    dfile_unescape_text(destination);
    return 0;
}

int read_present_field(void* destination, char type)
{
    const CNumericScope c_numbers;
    dfile_skip_comments();
    if (!g_read) return 1;
    switch (type) {
    case 'c': {
        int ch = std::fgetc(g_read);
        if (ch == EOF) return 1;
        *(char*)destination = (char)ch;
        return 0;
    }
    case 'd':
        return c_fscanf(g_read, "%lf", (double*)destination) == 1 ? 0 : 1;
    case 'i':
        return c_fscanf(g_read, "%d", (int*)destination) == 1 ? 0 : 1;
    case 's':
        return read_word((char*)destination, DFILE_TEXT_SIZE) ? 0 : 1;
    case 't':
        return read_text_field((char*)destination);
    default:
        return 1;
    }
}

bool valid_type(char type)
{
    return type == 'c' || type == 'd' || type == 'i' || type == 's' || type == 't';
}

} // namespace

void dfile_skip_comments()
{
    if (!g_read) return;
    for (;;) {
        int ch = std::fgetc(g_read);
        if (ch == EOF) return;
        if ((unsigned char)ch <= 32) continue;
        if (ch == '#') {
            // The comment runs to the line end, at most 298 bytes of it are dropped.
            for (int n = 0; n < kCommentLimit; ++n) {
                int c = std::fgetc(g_read);
                if (c == EOF || c == '\n') break;
            }
            continue;
        }
        std::ungetc(ch, g_read);
        return;
    }
}

int dfile_read_data_version(FILE* stream, double program_version)
{
    const CNumericScope c_numbers;
    g_read = stream;
    g_depth = 0;
    g_versions[0] = 0.0;
    dfile_skip_comments();
    double v;
    if (!g_read || c_fscanf(g_read, "%lf", &v) != 1) return 1;
    g_versions[0] = v;
    if (v == -1.0) return -1;
    if (v > program_version) {
        msg_print_in_mode(MSG_MODE_WINDOW, "%s", kNewerFile);
        return 2;
    }
    return 0;
}

int dfile_read_struct_version(double program_version)
{
    const CNumericScope c_numbers;
    if (g_depth >= DFILE_MAX_NESTING) return 1;
    dfile_skip_comments();
    double v;
    bool ok = g_read && c_fscanf(g_read, "%lf", &v) == 1;
    // The depth is raised even when no number can be read, so that the caller's matching
    // dfile_end_struct stays balanced; the record then keeps the enclosing version.
    g_versions[g_depth + 1] = ok ? v : g_versions[g_depth];
    ++g_depth;
    if (!ok) return 1;
    if (v > program_version) {
        msg_print_in_mode(MSG_MODE_WINDOW, "%s", kNewerFile);
        return 2;
    }
    return 0;
}

void dfile_push_struct_version(double version)
{
    if (g_depth >= DFILE_MAX_NESTING) return;
    g_versions[++g_depth] = version;
}

void dfile_end_struct()
{
    if (g_depth > 0) --g_depth;
}

double dfile_current_version() { return g_versions[g_depth]; }

void dfile_set_current_version(double version) { g_versions[g_depth] = version; }

int dfile_read_field(void* destination, char type, double since, double default_value)
{
    if (!valid_type(type)) return 1;
    dfile_skip_comments();
    if (!field_present(since)) {
        switch (type) {
        case 'c': *(char*)destination = '\0'; break;
        case 'd': *(double*)destination = default_value; break;
        case 'i': *(int*)destination = rounded_default(default_value); break;
        default: *(char*)destination = '\0'; break;
        }
        return 0;
    }
    return read_present_field(destination, type);
}

int dfile_read_text_default(char* destination, double since, const char* default_text)
{
    dfile_skip_comments();
    if (!text_present(since)) {
        copy_text(destination, default_text);
        return 0;
    }
    return read_present_field(destination, 't');
}

int dfile_read_counted_text(char** text, double since, const char* default_text)
{
    mem_free_and_null(text);
    if (!text_present(since)) {
        if (default_text) *text = mem_strdup_counted(default_text);
        return 0;
    }
    dfile_skip_comments();
    int length;
    if (!g_read || c_fscanf(g_read, "%d", &length) != 1) return 1;
    if (length <= 0) return 0;
    std::fgetc(g_read);   // the blank after the length
    // Read as the bytes arrive, so that a false length cannot claim memory the file lacks.
    std::string bytes;
    char chunk[4096];
    while ((int)bytes.size() < length) {
        size_t want = std::min<size_t>(sizeof chunk, (size_t)length - bytes.size());
        size_t got = std::fread(chunk, 1, want, g_read);
        bytes.append(chunk, got);
        if (got < want) return 1;
    }
    char* block = (char*)mem_realloc_counted(nullptr, length + 1, 0);
    mem_check_or_exit(block);
    std::memcpy(block, bytes.data(), (size_t)length);
    block[length] = '\0';
    *text = block;
    return 0;
}

int dfile_read_int()
{
    dfile_skip_comments();
    int v;
    if (!g_read || c_fscanf(g_read, "%d", &v) != 1) return 1;
    return v;
}

int dfile_read_int_since(double since, double default_value)
{
    dfile_skip_comments();
    if (!field_present(since)) return rounded_default(default_value);
    int v;
    if (!g_read || c_fscanf(g_read, "%d", &v) != 1) return 1;
    return v;
}

int dfile_skip_field(char type, double since)
{
    if (!valid_type(type)) return 1;
    dfile_skip_comments();
    if (!field_present(since)) return 0;
    if (type == 's' || type == 't') {
        dfile_skip_comments();
        return read_word(nullptr, 0) ? 0 : 1;
    }
    double scratch[2];
    return read_present_field(scratch, type);
}

int dfile_discard_field(char type) { return dfile_skip_field(type, dfile_current_version()); }

long dfile_tell() { return g_read ? std::ftell(g_read) : -1L; }

int dfile_seek(long position) { return g_read ? std::fseek(g_read, position, SEEK_SET) : -1; }

FILE* dfile_read_file() { return g_read; }

FILE* dfile_write_file() { return g_write; }

int dfile_write_data_version(FILE* stream, double version)
{
    const CNumericScope c_numbers;
    g_write = stream;
    if (!g_write) return 1;
    return c_fprintf(g_write, " %lf  # Datenversionsnummer\n", version) < 0 ? 1 : 0;
}

int dfile_write_struct_version(double version)
{
    const CNumericScope c_numbers;
    if (!g_write) return 1;
    return c_fprintf(g_write, " %lf # Strukturversionsnummer\n", version) < 0 ? 1 : 0;
}

void dfile_end_struct_write() {}

int dfile_write_field(const void* source, char type)
{
    const CNumericScope c_numbers;
    if (!g_write) return 1;
    int r;
    switch (type) {
    case 'c': r = c_fprintf(g_write, " %c ", *(const char*)source); break;
    case 'd': r = c_fprintf(g_write, " %e ", *(const double*)source); break;
    case 'i': r = c_fprintf(g_write, " %d ", *(const int*)source); break;
    case 's': r = c_fprintf(g_write, " %s ", (const char*)source); break;
    case 't': {
        char text[DFILE_TEXT_SIZE];
        copy_text(text, (const char*)source);
        if (text[0] == '\0')
            std::strcpy(text, kEmptyMarker);
        else
            dfile_escape_text(text);
        r = c_fprintf(g_write, " %s ", text);
        break;
    }
    default: return 1;
    }
    return r < 0 ? 1 : 0;
}

int dfile_write_placeholder(char type)
{
    switch (type) {
    case 'c': {
        char c = '*';
        return dfile_write_field(&c, 'c');
    }
    case 'd': {
        double d = -1.0;
        return dfile_write_field(&d, 'd');
    }
    case 'i': {
        int i = 0;
        return dfile_write_field(&i, 'i');
    }
    case 's':
    case 't': return dfile_write_field("***", type);
    default: return 1;
    }
}

int dfile_write_counted_text(char* const* text)
{
    if (!g_write) return 1;
    const char* s = text && *text ? *text : "";
    size_t length = std::strlen(s);
    if (c_fprintf(g_write, " %d ", (int)length) < 0) return 1;
    if (length && std::fwrite(s, 1, length, g_write) != length) return 1;
    return std::fputc('\n', g_write) == EOF ? 1 : 0;
}

int dfile_write_comment(const char* text)
{
    if (!g_write) return 1;
    return c_fprintf(g_write, "# %s\n", text ? text : "") < 0 ? 1 : 0;
}

int dfile_write_newline()
{
    if (!g_write) return 1;
    return std::fputc('\n', g_write) == EOF ? 1 : 0;
}

int dfile_escape_text(char* text)
{
    if (text[0] == '\0') std::strcpy(text, " ");
    int n = 0;
    for (; text[n]; ++n)
        if (text[n] == ' ') text[n] = (char)kBlankCode;
    return n;
}

int dfile_unescape_text(char* text)
{
    int n = 0;
    for (; text[n]; ++n)
        if ((unsigned char)text[n] == kBlankCode) text[n] = ' ';
    if (std::strcmp(text, " ") == 0) {
        text[0] = '\0';
        return 0;
    }
    return n;
}
