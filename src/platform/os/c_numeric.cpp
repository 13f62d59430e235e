#include "platform/os/c_numeric.h"

CNumericScope::CNumericScope()
{
    // The thread's locale as it is, with only the numeric category taken from "C".
    const locale_t base = duplocale(uselocale(locale_t(0)));
    if (base == locale_t(0)) return;
    own_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (own_ == locale_t(0)) {
        freelocale(base);
        return;
    }
    previous_ = uselocale(own_);
}

CNumericScope::~CNumericScope()
{
    if (own_ == locale_t(0)) return;
    uselocale(previous_);
    freelocale(own_);
}
