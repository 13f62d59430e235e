#include "helpers/mem_counted.h"

#include "environment/vyk_startup.h"
#include "helpers/messages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int g_pad = 0;
int g_count = 0;
bool g_stopping = false;

void* request(void* block, long long total)
{
    if (total == 0) return nullptr;
    void* p = total < 0 ? nullptr : vyk_realloc(__FILE__, __LINE__, "null", block, (size_t)total);
    if (!p) mem_out_of_memory_stop();
    return p;
}

} // namespace

void* mem_realloc_counted(void* block, int size, int zero_fill)
{
    long long total = (long long)size + g_pad;
    void* p = request(block, total);
    if (p && zero_fill) std::memset(p, 0, (size_t)total);
    if (!block) ++g_count;
    return p;
}

void* mem_calloc_counted(int size)
{
    return mem_realloc_counted(nullptr, size, 1);
}

double** mem_matrix_alloc(double** block, int rows, int cols)
{
    if (rows <= 0 || cols <= 0) return nullptr;
    long long total = (long long)g_pad + (long long)rows * (long long)sizeof(double*) +
                      (long long)rows * cols * (long long)sizeof(double);
    double** m = (double**)request(block, total);
    if (!block) ++g_count;
    double* area = (double*)(m + rows);
    for (int i = 0; i < rows; ++i) m[i] = area + (size_t)cols * i;
    return m;
}

char* mem_strdup_counted(const char* text)
{
    ++g_count;
    if (!text) return nullptr;
    return vyk_strdup(__FILE__, __LINE__, "null", text);
}

double* mem_copy_doubles(int n, double** block, const double* values)
{
    long long total = (long long)n * (long long)sizeof(double) + g_pad;
    double* old = *block;
    double* p = (double*)request(old, total);
    if (!old) ++g_count;
    for (int i = 0; i < n; ++i) p[i] = values[i];
    *block = p;
    return p;
}

void mem_free_and_null(void* address_of_block)
{
    void** pp = (void**)address_of_block;
    if (!pp || !*pp) return;
    vyk_free(__FILE__, __LINE__, "null", *pp);
    --g_count;
    *pp = nullptr;
}

int mem_set_pad(int n)
{
    g_pad = n < 0 ? 0 : n;
    return g_pad;
}

int mem_count() { return g_count; }
void mem_count_reset() { g_count = 0; }

void mem_out_of_memory_stop()
{
    // The message itself needs a small block; when even that fails, print without it.
    if (g_stopping) {
        std::fputs("Speicher nicht aussreichend!\n", stderr);
    } else {
        g_stopping = true;
        msg_print("Speicher nicht aussreichend!");
    }
    std::fflush(nullptr);
    std::_Exit(3);
}

void mem_check_or_exit(const void* p)
{
    if (!p) mem_out_of_memory_stop();
}
