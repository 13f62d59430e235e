// Screen routines of the older dialog library that need no drawing surface of their own:
// the wait animation's thread and flag, the clock timer, zoom settings and the pick test.
#pragma once

// Starts the wait animation at (x, y) (centred when either is negative); returns 1 when its
// thread runs, 0 when it could not be started. The animation runs until busy_animation_stop.
int busy_animation_start(int x, int y);
// Ends a running animation and waits for its thread; returns at once when none runs.
void busy_animation_stop();
int busy_animation_running();

void clock_timer_start(double seconds);
int clock_timer_expired();

void zoom_set(int steps, int pause_ms);
int zoom_steps();
int zoom_pause();

void pick_tolerance_set(int pixels);
int pick_tolerance();
// 1 when (x, y) lies within the pick tolerance of the segment (x1, y1)-(x2, y2).
int point_near_segment(int x1, int y1, int x2, int y2, int x, int y);
