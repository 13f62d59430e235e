// A ready-made register page that tells how many of the program's four hints are switched off
// and offers a button that switches them all on again.
#pragma once

constexpr int HINT_COUNT = 4;
struct HintSwitches {
    int on[HINT_COUNT];   // 1 shows the hint, 0: the user switched it off
};

void hints_page(int view, HintSwitches* hints, double width);
// The texts of the page for the number of hints switched off (for the page and its tests).
void hints_page_sentence(int off, char* buffer, int size);
void hints_page_button_text(int off, char* buffer, int size);
