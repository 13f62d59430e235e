// Allocation wrappers of the library modules and the start-up of the environment link.
#pragma once
#include <cstddef>

struct VYKStdioTable;

// The wrappers do exactly malloc, calloc, realloc, free and strdup; module, line and name are
// taken for diagnostics and ignored.
void* vyk_malloc(const char* module, int line, const char* name, std::size_t size);
void* vyk_calloc(const char* module, int line, const char* name, std::size_t count, std::size_t size);
void* vyk_realloc(const char* module, int line, const char* name, void* block, std::size_t size);
void vyk_free(const char* module, int line, const char* name, void* block);
char* vyk_strdup(const char* module, int line, const char* name, const char* text);

// SetVYKDllDirectory(null), VYKCheckCWD, vyk_register_stdio, in this order.
void vyk_startup(void);
// Enters the folder named by _VYK_CWD_; a failure prints one console line and start-up goes on.
void VYKCheckCWD(void);
// Hands the program's stdio table to the environment library.
void vyk_register_stdio(void);
// The program's stdio table (count 18, then fopen ... sprintf).
const VYKStdioTable* vyk_stdio_table(void);
