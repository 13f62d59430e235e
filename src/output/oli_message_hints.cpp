#include "output/oli_message_hints.h"

#include "helpers/messages.h"
#include "output/oli_hints.h"

#include <string>

void oli_message_list_to_hints(FILE* stream)
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

void oli_message_hints_register() { msg_set_hint_writer(oli_message_list_to_hints); }
