#include "environment/text_block.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kChunk = 100;
constexpr int kMaxChunks = 100000;
constexpr int kKeywordPiece = 510;

} // namespace

void txb_write(FILE* stream, const char* text)
{
    if (!stream) return;
    int len = text ? (int)std::strlen(text) : 0;
    std::fprintf(stream, "TXB%d\n", len);
    for (int pos = 0; pos < len; pos += kChunk) {
        int n = len - pos < kChunk ? len - pos : kChunk;
        std::fputc(MARK_OPEN, stream);
        for (int i = 0; i < n; ++i) {
            char c = text[pos + i];
            std::fputc(c == '\n' ? 0x01 : (unsigned char)c, stream);
        }
        std::fputc(MARK_CLOSE, stream);
        std::fputc('\n', stream);
    }
}

char* txb_read(FILE* stream)
{
    if (!stream) return nullptr;
    int c;
    do {
        c = std::fgetc(stream);
    } while (c == ' ' || c == '\n' || c == '\r');
    if (c != 'T') return nullptr;
    int length = 0;
    if (std::fscanf(stream, "XB%d", &length) != 1) return nullptr;
    if (length <= 0) return nullptr;
    // The stated length only bounds the text; room is taken for what is really there.
    std::string text;
    int remaining = length;
    char chunk[MARKED_STRING_SIZE];
    for (int k = 0; k < kMaxChunks && remaining > 0; ++k) {
        int n = read_marked_string(stream, chunk);
        if (n < 0) break;
        if (n > remaining) n = remaining;
        for (int i = 0; i < n; ++i) text.push_back(chunk[i] == 0x01 ? '\n' : chunk[i]);
        remaining -= n;
        if (n == 0 && std::feof(stream)) break;
    }
    char* out = (char*)std::malloc(text.size() + 1);
    if (!out) return nullptr;
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
    return out;
}

int text_size(const char* text) { return text ? (int)std::strlen(text) + 1 : 0; }

char* text_free(char* text)
{
    if (text) std::free(text);
    return nullptr;
}

int read_marked_string(FILE* stream, char* buffer)
{
    if (buffer) buffer[0] = '\0';
    if (!stream || !buffer) return -1;
    int c = skip_blanks(stream);
    if (c != MARK_OPEN) return -1;
    int n = 0;
    while ((c = std::fgetc(stream)) != EOF && c != MARK_CLOSE) {
        if (n < MARKED_STRING_SIZE - 1) {
            buffer[n++] = (char)c;
        }
        // An over-long string is cut; its rest is read up to the closing mark so that the
        // next field starts where it should.
    }
    buffer[n] = '\0';
    return n;
}

int skip_blanks(FILE* stream)
{
    if (!stream) return EOF;
    int c;
    do {
        c = std::fgetc(stream);
    } while (c == ' ' || c == '\t' || c == '\n' || c == '\r');
    return c;
}

int find_keyword_line(const char* keyword, FILE* stream, int* number)
{
    if (!keyword || !stream) return 0;
    size_t klen = std::strlen(keyword);
    std::rewind(stream);
    char line[kKeywordPiece + 1];
    while (std::fgets(line, sizeof line, stream)) {
        if (std::strncmp(line, keyword, klen) == 0) {
            if (number) {
                int v;
                if (std::sscanf(line + klen, "%d", &v) == 1) *number = v;
            }
            return 1;
        }
    }
    return 0;
}
