#include "sheets/typed_numbers.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "helpers/messages.h"
#include "platform/os/c_numeric.h"
#include "platform/screen/prop_sheet.h"

namespace {

struct Range {
    double lower = -DBL_MAX, upper = DBL_MAX;
    int decimals = 0;
};
Range g_range;

std::string limit_text(double v, int decimals)
{
    char buf[64];
    c_snprintf(buf, sizeof buf, "%.*f", decimals < 0 ? 0 : decimals, v);
    return buf;
}

// The check the screen's editors call for every typed number.
int check_typed(const char* text, double* value)
{
    int r = form_read_number(text, g_range.lower, g_range.upper, value);
    if (r == FORM_NUMBER_OK) return 1;
    form_refuse_number(text, r, g_range.lower, g_range.upper, g_range.decimals);
    return 0;
}

}  // namespace

int form_check_number(double value, double lower, double upper)
{
    return (value >= lower && value <= upper) ? FORM_NUMBER_OK : FORM_NUMBER_OUT_OF_RANGE;
}

int form_read_number(const char* text, double lower, double upper, double* value)
{
    double v = 0;
    if (!Read_Typed_Decimal(text, &v)) return FORM_NUMBER_NOT_A_NUMBER;
    if (form_check_number(v, lower, upper) != FORM_NUMBER_OK) return FORM_NUMBER_OUT_OF_RANGE;
    *value = v;
    return FORM_NUMBER_OK;
}

void form_refuse_number(const char* text, int result, double lower, double upper, int decimals)
{
    std::string typed = text ? text : "";
    size_t a = typed.find_first_not_of(' '), b = typed.find_last_not_of(' ');
    typed = a == std::string::npos ? std::string() : typed.substr(a, b - a + 1);
    bool limited = lower > -DBL_MAX || upper < DBL_MAX;
    std::string why = result == FORM_NUMBER_NOT_A_NUMBER ? "ist keine Zahl" : "liegt nicht im erlaubten Bereich";
    std::string text_out = "Eingabe \"" + typed + "\" " + why;
    if (limited)
        text_out += "; erlaubt sind Werte von " + limit_text(lower, decimals) + " bis " + limit_text(upper, decimals);
    msg_hint_in_mode(0, "%s", text_out.c_str());
}

void form_typed_range_begin(double lower, double upper, int decimals)
{
    form_install_number_reader();
    g_range = Range{lower, upper, decimals};
}

void form_typed_range_end(void) { g_range = Range{}; }

void form_install_number_reader(void) { Set_Typed_Number_Check(check_typed); }
