#include "helpers/value_readers.h"

#include "platform/os/atomic_file.h"
#include "platform/os/regular_file.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

bool parse_double(const std::string& token, double* value)
{
    const char* b = token.data();
    const char* e = b + token.size();
    if (b != e && *b == '+') ++b;
    auto r = std::from_chars(b, e, *value);
    return r.ec == std::errc() && r.ptr == e;
}

// One white-space separated token from the stream; empty at the end of the file.
std::string next_token(FILE* stream)
{
    int c;
    do {
        c = std::fgetc(stream);
    } while (c != EOF && std::isspace(c));
    std::string token;
    while (c != EOF && !std::isspace(c)) {
        if (token.size() < 64) token.push_back((char)c);
        c = std::fgetc(stream);
    }
    if (c != EOF) std::ungetc(c, stream);
    return token;
}

// The leading number of a token ("2.5x" reads 2.5), as "%lf" would take it.
bool leading_double(const std::string& token, double* value)
{
    for (size_t len = token.size(); len > 0; --len)
        if (parse_double(token.substr(0, len), value)) return true;
    return false;
}

} // namespace

int read_double_values(FILE* stream, double* values, int n)
{
    for (int i = 0; i < n; ++i) values[i] = 0.0;
    if (!stream) return 0;
    std::string line;
    int c = std::fgetc(stream);
    if (c == EOF) return 0;
    while (c != EOF && c != '\n') {
        if (line.size() < 199) line.push_back((char)c);
        c = std::fgetc(stream);
    }
    size_t pos = 0;
    for (int i = 0; i < n; ++i) {
        while (pos < line.size() && std::isspace((unsigned char)line[pos])) ++pos;
        size_t end = pos;
        while (end < line.size() && !std::isspace((unsigned char)line[end])) ++end;
        double v;
        if (end == pos || !leading_double(line.substr(pos, end - pos), &v)) break;
        values[i] = v;
        pos = end;
    }
    return 1;
}

int scan_double_values(FILE* stream, double* values, int n)
{
    if (!stream || !values || n <= 0) return 0;
    int read = 0;
    for (; read < n; ++read) {
        std::string token = next_token(stream);
        if (token.empty() || !parse_double(token, &values[read])) break;
    }
    for (int i = read; i < n; ++i) values[i] = 0.0;
    return read;
}

int scan_int_values(FILE* stream, int* values, int n)
{
    if (!stream || !values || n <= 0) return 0;
    int read = 0;
    for (; read < n; ++read) {
        if (std::fscanf(stream, " %i", &values[read]) != 1) break;
    }
    for (int i = read; i < n; ++i) values[i] = 0;
    return read;
}

int read_guillemet_text(FILE* stream, char* buffer)
{
    if (!stream || !buffer) return 1;
    int end = -1;
    buffer[0] = '\0';
    if (std::fscanf(stream, " \xAE%100[^\xAF]\xAF%n", buffer, &end) != 1 || end < 0) return 1;
    return 0;
}

int write_guillemet_text(FILE* stream, const char* text)
{
    if (!stream || !text) return 1;
    return std::fprintf(stream, "\xAE%s\xAF\n", text) < 0 ? 1 : 0;
}

int file_replace_text(const char* path, const char* pattern, const char* replacement)
{
    if (!path || !pattern || !*pattern || !replacement) return 0;
    FILE* in = open_regular_file(path, file_bounds::kTable, "r");
    if (!in) return 0;
    const std::string pat = pattern, rep = replacement;
    // A replacement that holds the pattern would be found again from the line's start without end:
    // then the search goes on after the text just put in.
    const bool after_insert = rep.find(pat) != std::string::npos;
    int count = 0;
    const bool saved = save_file_atomically(path, [&](FILE* out) {
        std::string line;
        bool more = true;
        while (more) {
            line.clear();
            int c;
            while ((c = std::fgetc(in)) != EOF) {
                line.push_back((char)c);
                if (c == '\n') break;
            }
            if (c == EOF) more = false;
            if (line.empty()) break;
            size_t from = 0;
            size_t at;
            int in_line = 0;
            while ((at = line.find(pat, from)) != std::string::npos) {
                line.replace(at, pat.size(), rep);
                ++count;
                // Searching the changed line from its start again, with a bound for any other chain.
                from = (after_insert || ++in_line > 100000) ? at + rep.size() : 0;
            }
            std::fputs(line.c_str(), out);
        }
        return true;
    });
    std::fclose(in);
    return saved ? count : 0;
}

int sibling_program_present()
{
    static int answer = -1;
    if (answer < 0) {
        answer = 0;
        const char* exec = std::getenv("EXEC");
        if (exec && *exec) {
            std::string path = std::string(exec) + "/K7-MOSK/K7-MOSK.exe";
            answer = access(path.c_str(), F_OK) == 0 ? 1 : 0;
        }
    }
    return answer;
}
