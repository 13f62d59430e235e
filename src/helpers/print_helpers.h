// Print helpers: output to an optional stream, console diagnostics, 100 stopwatches
// and the stack of periodic callbacks run while a property sheet is open.
#pragma once
#include <cstdio>

int fprintf_if_open(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void console_enable(int flag);
int console_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

void runtime_measure_switch(int on);
void runtime_start(int i);
void runtime_stop(int i, const char* label);

typedef void (*CallSometimesFn)();
void call_sometimes_push(CallSometimesFn routine);
void call_sometimes_pop();
void call_sometimes_suspend();
void call_sometimes_resume();
void call_sometimes_clear();
