// Feeds raw bytes to the readers of the environment's text files: parameter headers and
// lists, text blocks, marked strings and the line routines. Each must return, never crash.
#include "environment/param_list.h"
#include "environment/text_block.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    for (int round = 0; round < 4 && !std::feof(f); ++round) {
        ParamHeader h;
        vyk_param_header_read(f, &h);
        vyk_param_header_free(&h);
        ParamList l;
        param_list_read(f, 0, 0, 0, &l, 1);
        param_list_free(&l);
        param_list_read(f, 2, -1, 3, &l, 0);
        param_list_free(&l);
        text_free(txb_read(f));
        char marked[MARKED_STRING_SIZE];
        read_marked_string(f, marked);
        char g[GUILLEMET_BUFFER_SIZE];
        read_guillemet_string(f, g);
        char d[20];
        read_delimited_string(f, d, sizeof d, 0xAE, 0xAF);
        int v[3];
        read_int_values(f, v, 3);
        char line[16];
        read_text_line(f, line, sizeof line);
    }
    int n = 0;
    find_keyword_line("RESULTS", f, &n);
    find_line_with_keyword(f, "#EOC", 1);
    std::fclose(f);
    return 0;
}
