// The current message list as hint list 4 of the output list, in a frame as wide as its
// longest line. The message library reaches it through msg_list_to_hints once registered.
#pragma once
#include <cstdio>

void oli_message_list_to_hints(FILE* stream);
// Hands oli_message_list_to_hints to the message library; every output list registers it when begun.
void oli_message_hints_register();
