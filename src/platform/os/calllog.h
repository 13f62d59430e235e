// The seam between the stand-ins of the environment and the tests.
// Every stand-in call with an effect outside the program (message shown, tool started,
// help topic, viewer or printer) appends one line here; tests read and reset it.
// Every call that would wait for a person takes its answer from a script queue first.
#pragma once
#include <string>
#include <vector>

namespace calllog {

void add(const std::string& line);             // "<function>: <details>"
std::vector<std::string> entries();
bool contains(const std::string& fragment);    // any entry holding the fragment
void clear();

// Answers for calls that wait for a person, taken in order. With none scripted and no
// display, a wait takes `fallback` (the cancel answer) and logs that it did.
void push_answer(int answer);
bool has_answer();
int pop_answer(int fallback);
void clear_answers();

// True when a real display is there (not the offscreen or minimal platform, not headless).
bool interactive();

} // namespace calllog
