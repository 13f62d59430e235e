// Screen services for long calculations: the step-progress sheet (up to five named steps, each
// with a bar and a counter), the wait window (a message box with a busy animation and a line of
// changing text) and the marker animation (a rectangle outline moving in seven frames).
#pragma once

constexpr int PROGRESS_STEPS = 5;
constexpr int PROGRESS_TEXT = 100;

// Record 0 is the header (title, requested width or -1, step count n); records 1..n the steps
// (name, total, 1 when the total is a maximum). A total of 0 or below marks an inactive step.
struct ProgressRecord {
    char text1[PROGRESS_TEXT];
    char text2[PROGRESS_TEXT];   // not shown
    int a;
    int b;
};

void progress_enable(void);
void progress_disable(void);
void progress_descriptor_init(ProgressRecord* records, int n);
// Opens the sheet for the records, which the caller keeps until progress_close.
void progress_open(ProgressRecord* records);
int progress_is_open(void);
// Step operations take the step number 0..4; others are ignored.
void progress_set_step_text(int step, const char* text);
void progress_set_step_total(int step, int total);
void progress_step(int step);
void progress_step_with_text(int step, const char* text);
void progress_set_step_count(int step, int count);
void progress_drop_step(int step);
void progress_close(void);
// The sheet's outer size for the records: width and height in pixels.
void progress_sheet_size(const ProgressRecord* records, int* width, int* height);
// The view area of the open sheet (-1 when none), and where a step's bar ends.
int progress_view_area(void);
int progress_bar_end(int content_width, int count, int total);

int wait_window_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int wait_window_update(const char* format, ...) __attribute__((format(printf, 1, 2)));
void wait_window_hide(void);
int wait_window_shown(void);

void move_marker_animation(int x0, int y0, int x1, int y1, int to_x0, int to_y0, int to_x1, int to_y1);
