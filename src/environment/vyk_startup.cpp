#include "environment/vyk_startup.h"
#include "platform/env/vyk_env.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {
const VYKStdioTable kStdioTable = {
    18, std::fopen, std::fclose, std::fread, std::fwrite, std::ferror, std::fscanf, std::fprintf,
    std::fseek, std::ftell, std::fsetpos, std::fgetpos, std::fgets, std::fgetc, std::fputs,
    std::fputc, std::ungetc, std::sscanf, std::sprintf};
}

void* vyk_malloc(const char*, int, const char*, std::size_t size) { return std::malloc(size); }
void* vyk_calloc(const char*, int, const char*, std::size_t count, std::size_t size) { return std::calloc(count, size); }
void* vyk_realloc(const char*, int, const char*, void* block, std::size_t size) { return std::realloc(block, size); }
void vyk_free(const char*, int, const char*, void* block) { std::free(block); }
char* vyk_strdup(const char*, int, const char*, const char* text) { return text ? ::strdup(text) : nullptr; }

void vyk_startup(void)
{
    SetVYKDllDirectory(nullptr);
    VYKCheckCWD();
    vyk_register_stdio();
}

void VYKCheckCWD(void)
{
    const char* cwd = VYKGetEnv("_VYK_CWD_");
    if (!cwd) return;
    if (::chdir(cwd) != 0) {
        std::printf("VYKCheckCWD: Fehler beim Setzen des CWD=%s\n", cwd);
        std::fflush(stdout);
    }
}

void vyk_register_stdio(void) { VYKSetStdioFctPtr(&kStdioTable); }

const VYKStdioTable* vyk_stdio_table(void) { return &kStdioTable; }
