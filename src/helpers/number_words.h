// German number words used by the program's hint pages.
#pragma once

// 0 "keiner", 1 "einer", 2..9 the words; larger (and negative as signed) as digits.
// Static buffer that the next call overwrites.
const char* count_as_word(unsigned n);
