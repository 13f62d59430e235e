#include "environment/text_wrap.h"

#include "environment/dialog_text.h"

#include <string>

int wrap_line_length(const char* text, int width, const char** next)
{
    std::string prefix;
    int last_blank = -1;
    int i = 0;
    for (; text[i] && text[i] != '\n'; ++i) {
        prefix.push_back(text[i]);
        if (text_width(prefix.c_str()) > width) {
            int length = last_blank >= 0 ? last_blank + 1 : (i > 0 ? i : 1);
            *next = text + length;
            return length;
        }
        if (text[i] == ' ') last_blank = i;
    }
    *next = text + i + (text[i] == '\n' ? 1 : 0);
    return i;
}
