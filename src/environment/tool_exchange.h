// The environment's tools: component selection, archive extraction with 7-Zip, the internal-force
// tool's presence, the photo viewer and the plan editor, and the watch over a tool's window.
#pragma once
#include <cstdio>

// The component chosen by the last successful selection (texts in the DOS code page).
struct SelectedComponent {
    int value_1;
    int value_2;
    int archived;            // non-zero: the component lies in the archive archive_path
    char name[40];
    char text_2[40];
    char text_3[40];
    char path_stem[260];     // the component's files without extension; its export file is path_stem + ".EX2"
    char text_5[40];
    char text_6[40];
    char archive_path[256];
};

// Runs the component selection "VYOSelct" for a component type (the importers pass 3) and returns
// the record of the chosen component, or null when nothing was chosen.
SelectedComponent* select_component(int component_type);
// Reads an answer "VYOSelct.tmp" into `out`, every field cleared first. 1 when the answer is
// complete; 0 for a malformed answer, which selects nothing.
int read_component_answer(FILE* stream, SelectedComponent* out);

// Unpacks `member` of `archive` into `target_folder` with 7za; its console output goes to
// TEMP/7zprot.txt. 0 done, 1 archive unreadable, 2 target not writable, 3 no EXEC, 4 no TEMP,
// 5 the archiver failed.
int extract_from_archive(const char* archive, const char* member, const char* target_folder);

// 1 when EXEC is set and the internal-force tool "Trobavex.exe" there may be executed.
int trobavex_available(void);

void start_photo_viewer(const char* argument);
int run_plan_editor(const char* first, const char* second);
int run_plan_editor_1(const char* argument);

// The wait box of the tool watch: 260 x 60 pixels at the screen's centre with the text and ten
// squares, one of which runs; the screen beneath is saved on opening and restored on closing.
struct WaitBox {
    int cx, cy;     // the screen's centre
    int square;     // the square filled last
    int black, white, blue;
};
void wait_box_open(WaitBox* box, const char* text, int text_length, int text_offset);
// One step: the current square back to white, the next one filled blue; after 9 comes 0.
void wait_box_step(WaitBox* box);
void wait_box_close(const WaitBox* box);

// Shows the wait box, waits up to 30 x 100 ms for the window `title` (Windows-1252, the first
// `title_length` bytes compared) to open and then until it is closed. Blocks the calling thread.
void watch_tool_window(const char* title, int title_length, const char* text, int text_length, int text_offset);
