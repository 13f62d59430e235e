// The current message list as hint list 4 of the output list, in a frame as wide as its
// longest line. A program that calls this links the output writers.
#include "helpers/messages.h"
#include "helpers/messages_internal.h"
#include "output/oli_hints.h"

#include <string>

void msg_list_to_hints(FILE* stream)
{
    oli_hint_list_open(4);
    for (int n = 0;; ++n) {
        const char* line = msg_current_list_line(n);
        if (!line) break;
        std::string text = std::string("\xCE" "b") + line;
        if (!text.empty() && text.back() == '\n') text.pop_back();   // the newline the list added
        oli_hint_add(4, "%s", text.c_str());
    }
    oli_hint_list_print(stream, 4, -1);
}
