// Between the message module and its output-list presentation (kept apart so that programs
// that never print a list into an output list need not link the output writers).
#pragma once

// Line n (0-based, with its newline) of the current message list; null beyond its count
// or when messages are off or the list is closed.
const char* msg_current_list_line(int n);
