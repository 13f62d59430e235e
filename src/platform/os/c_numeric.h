// Numbers in files and lists keep the decimal point whatever numeric locale the process has:
// Qt, a library or a plug-in may set LC_NUMERIC from the user's environment at any time.
#pragma once
#include <locale.h>

#include <cstdarg>
#include <cstdio>

// While it lives, the calling thread's C number functions (printf and scanf families, strtod)
// use the "C" numeric conventions; every other category stays as it was. Scopes nest, and the
// thread's previous locale comes back when the scope ends.
class CNumericScope {
public:
    CNumericScope();
    ~CNumericScope();
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    locale_t own_ = locale_t(0);
    locale_t previous_ = locale_t(0);
};

// The C stream functions with the "C" numeric conventions for the one call, whatever the process
// or thread locale: for writers and readers of numbers that must not depend on any caller's scope.
int c_fprintf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int c_snprintf(char* buffer, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
int c_vfprintf(FILE* stream, const char* format, va_list ap) __attribute__((format(printf, 2, 0)));
int c_vsnprintf(char* buffer, size_t size, const char* format, va_list ap) __attribute__((format(printf, 3, 0)));
int c_fscanf(FILE* stream, const char* format, ...) __attribute__((format(scanf, 2, 3)));
int c_sscanf(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));
// strtod and atof that take only a decimal point, whatever the locale.
double c_strtod(const char* text, char** end);
double c_atof(const char* text);
