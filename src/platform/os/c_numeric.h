// Numbers in files and lists keep the decimal point whatever numeric locale the process has:
// Qt, a library or a plug-in may set LC_NUMERIC from the user's environment at any time.
#pragma once
#include <locale.h>

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
