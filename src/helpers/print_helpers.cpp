#include "helpers/print_helpers.h"
#include "platform/os/c_numeric.h"

#include "helpers/mem_counted.h"
#include "platform/screen/prop_sheet.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>

namespace {

int g_console = 1;
int g_measure = 0;
int g_first_start = 1;
int g_start[100];
int g_stop[100];

CallSometimesFn* g_stack = nullptr;
int g_stack_count = 0;
int g_stack_capacity = 0;

// The run-time clock: milliseconds since its first reading, 1000 ticks a second.
int clock_ticks()
{
    using namespace std::chrono;
    static const steady_clock::time_point origin = steady_clock::now();
    return (int)duration_cast<milliseconds>(steady_clock::now() - origin).count();
}

// The sheet manager calls the registered routine between events while a sheet waits.
void register_with_sheets(CallSometimesFn routine) { Set_CallSometimesFunc_to_PS(routine); }

CallSometimesFn top() { return g_stack_count > 0 ? g_stack[g_stack_count - 1] : nullptr; }

} // namespace

int fprintf_if_open(FILE* stream, const char* format, ...)
{
    if (!stream) return 0;
    va_list ap;
    va_start(ap, format);
    int r = c_vfprintf(stream, format, ap);
    va_end(ap);
    return r;
}

void console_enable(int flag) { g_console = flag ? 1 : 0; }

int console_printf(const char* format, ...)
{
    if (!g_console) return 0;
    va_list ap;
    va_start(ap, format);
    int r = c_vfprintf(stdout, format, ap);
    va_end(ap);
    std::fflush(stdout);
    return r;
}

void runtime_measure_switch(int on)
{
    if (on) {
        console_printf("\n>> Rechenzeitmessung aktiviert\n");
        g_measure = 1;
    } else {
        if (g_measure) console_printf("\n>> Rechenzeitmessung deaktiviert\n");
        g_measure = 0;
    }
}

void runtime_start(int i)
{
    if (!g_measure || (unsigned)i > 99u) return;
    if (g_first_start) {
        g_first_start = 0;
        for (int& t : g_start) t = 0;
    }
    g_start[i] = clock_ticks();
}

void runtime_stop(int i, const char* label)
{
    if (!g_measure || (unsigned)i > 99u) return;
    g_stop[i] = clock_ticks();
    float seconds = (float)(g_stop[i] - g_start[i]) * 0.001f;
    if (label) console_printf(">> Rechenzeit %2d: %10.2f sec (%s)\n", i, (double)seconds, label);
    else console_printf(">> Rechenzeit %2d: %10.2f sec\n", i, (double)seconds);
}

void call_sometimes_push(CallSometimesFn routine)
{
    ++g_stack_count;
    if (g_stack_count > g_stack_capacity) {
        g_stack_capacity += 10;
        g_stack = (CallSometimesFn*)mem_realloc_counted(
            g_stack, g_stack_capacity * (int)sizeof(CallSometimesFn), 0);
    }
    g_stack[g_stack_count - 1] = routine;
    register_with_sheets(routine);
}

void call_sometimes_pop()
{
    if (g_stack_count > 0) --g_stack_count;
    register_with_sheets(top());
}

void call_sometimes_suspend() { register_with_sheets(nullptr); }
void call_sometimes_resume() { register_with_sheets(top()); }

void call_sometimes_clear()
{
    g_stack_count = 0;
    register_with_sheets(nullptr);
}
