#include "helpers/number_words.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kError = "-Fehler-";
const char* const kBelow20[20] = {nullptr,     "ein",       "zwei",      "drei",          "vier",
                                  "f\x81nf",   "sechs",     "sieben",    "acht",          "neun",
                                  "zehn",      "elf",       "zw\x94lf",  "dreizehn",      "vierzehn",
                                  "f\x81nfzehn", "sechszehn", "siebzehn", "achtzehn",     "neunzehn"};
const char* const kTens[10] = {nullptr,   nullptr,   "zwanzig", "dreissig", "vierzig",
                               "f\x81nfzig", "sechzig", "siebzig", "achtzig",  "neunzig"};
constexpr size_t kEnumMax = 299;   // characters the enumeration text holds

std::string below20(unsigned n, int flag)
{
    if (n == 0 || n > 19) return kError;
    if (n == 1) return flag ? "eins" : "ein";
    return kBelow20[n];
}

std::string tens(unsigned n)
{
    if (n < 20 || n > 99) return kError;
    return kTens[n / 10];
}

std::string below100(unsigned n, int flag)
{
    if (n == 0) return kError;
    if (n <= 19) return below20(n, flag);
    unsigned u = n % 10;
    if (n > 99) return u ? below20(u, 0) + "und" + kError : std::string(kError);
    if (u == 0) return tens(n);
    return below20(u, 0) + "und" + tens(n);
}

std::string below1000(unsigned n, int flag)
{
    if (n < 100) return below100(n, flag);
    if (n > 999) return kError;
    std::string s = below20(n / 100, 0) + "hundert";
    unsigned r = n % 100;
    if (r > 0) s += below100(r, flag);
    return s;
}

std::string below_million(unsigned n)
{
    std::string s;
    unsigned k = n / 1000;
    if (k > 0) s = below1000(k, 0) + "tausend";
    if (n % 1000 > 0) s += below1000(n % 1000, 1);
    return s;
}

std::string below_milliard(unsigned n)
{
    std::string s;
    unsigned m = n / 1000000;
    if (m == 1) s = "einemillion";
    else if (m >= 2) s = below1000(m, 0) + "millionen";
    return s + below_million(n % 1000000);
}

std::string all_words(unsigned n)
{
    std::string s;
    unsigned g = n / 1000000000u;
    if (g == 1) s = "einemilliarde";
    else if (g >= 2) s = below1000(g, 0) + "milliarden";
    return s + below_milliard(n % 1000000000u);
}

const char* keep(char* buffer, size_t size, const std::string& s)
{
    std::snprintf(buffer, size, "%s", s.c_str());
    return buffer;
}

std::string g_enum;
int g_enum_count = 0;

// Bounded: an enumeration longer than its buffer is cut.
void enum_put(const std::string& s)
{
    g_enum += s;
    if (g_enum.size() > kEnumMax) g_enum.resize(kEnumMax);
}

void drop_last(size_t n) { g_enum.resize(g_enum.size() >= n ? g_enum.size() - n : 0); }

} // namespace

const char* number_to_german_words(unsigned n)
{
    static char buf[128];
    if (n == 0) return keep(buf, sizeof buf, "Null");
    std::string s = all_words(n);
    s[0] = (char)std::toupper((unsigned char)s[0]);
    return keep(buf, sizeof buf, s);
}

const char* words_of_number(unsigned n)
{
    static char buf[128];
    return keep(buf, sizeof buf, n ? all_words(n) : "");
}

const char* word_below_milliard(unsigned n)
{
    static char buf[128];
    return keep(buf, sizeof buf, n <= 999999999u ? below_milliard(n) : std::string(kError));
}

const char* word_below_million(unsigned n)
{
    static char buf[128];
    return keep(buf, sizeof buf, n <= 999999u ? below_million(n) : std::string(kError));
}

const char* word_below_1000(unsigned n, int flag)
{
    static char buf[128];
    return keep(buf, sizeof buf, below1000(n, flag));
}

const char* word_below_100(unsigned n, int flag)
{
    static char buf[128];
    return keep(buf, sizeof buf, below100(n, flag));
}

const char* word_below_20(unsigned n, int flag)
{
    static char buf[128];
    return keep(buf, sizeof buf, below20(n, flag));
}

const char* word_of_tens(unsigned n)
{
    static char buf[128];
    return keep(buf, sizeof buf, tens(n));
}

const char* count_as_word(unsigned n)
{
    static char buf[20];
    static const char* const words[10] = {"keiner", "einer", "zwei", "drei", "vier",
                                          "f\x81nf", "sechs", "sieben", "acht", "neun"};
    if (n <= 9) return words[n];
    std::snprintf(buf, sizeof buf, "%d", (int)n);
    return buf;
}

void enum_reset()
{
    g_enum.clear();
    g_enum_count = 0;
}

void enum_clear() { enum_reset(); }

void enum_append_text(const char* text)
{
    enum_put(std::string(text ? text : "") + ", ");
    ++g_enum_count;
}

void enum_finish_text(const char* text)
{
    if (g_enum_count > 0) {
        drop_last(2);
        enum_put(" und ");
    }
    enum_put(text ? text : "");
    ++g_enum_count;
}

void enum_append_number(int n) { enum_append_text(std::to_string(n).c_str()); }
void enum_finish_number(int n) { enum_finish_text(std::to_string(n).c_str()); }

const char* enum_text()
{
    static char buf[kEnumMax + 1];
    return keep(buf, sizeof buf, g_enum);
}

const char* enum_number_list(int n, const int* a)
{
    enum_reset();
    if (n <= 0) return enum_text();
    enum_put(std::to_string(a[0]) + ", ");
    bool open = false;
    for (int i = 1; i < n; ++i) {
        if (i < n - 1 && a[i] == a[i - 1] + 1) {
            if (!open) {
                drop_last(2);
                enum_put(" bis ");
                open = true;
            }
        } else {
            if (open) {
                enum_put(std::to_string(a[i - 1]) + ", ");
                open = false;
            }
            enum_put(std::to_string(a[i]) + ", ");
        }
    }
    drop_last(2);
    size_t comma = g_enum.rfind(',');
    if (comma != std::string::npos && comma > 0) g_enum = g_enum.substr(0, comma) + " und" + g_enum.substr(comma + 1);
    g_enum_count = n;
    return enum_text();
}
