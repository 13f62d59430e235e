#pragma once
// The two screw catalogues of the older fastener dialogs: head, thread and tip forms and the
// nominal diameters as fixed choice lists, their name functions and the head values of the
// smallest screws. Texts are in code page 437; the lists are built once and never change.

// An entry of a choice list of the older dialogs: value (shown as the colour index) and text.
struct ChoiceEntry {
    int value;
    char* text;
};

// Entry counts of the lists, in the order head, thread, tip, diameter.
enum {
    SCREW_HEADS_A = 11, SCREW_THREADS_A = 4, SCREW_TIPS_A = 4, SCREW_DIAMETERS_A = 10,
    SCREW_HEADS_B = 7, SCREW_THREADS_B = 3, SCREW_TIPS_B = 3, SCREW_DIAMETERS_B = 12
};

// The text of an index of the first (a) or second (b) catalogue; null for any other index.
const char* screw_head_name_a(int index);
const char* screw_thread_name_a(int index);
const char* screw_tip_name_a(int index);
const char* screw_head_name_b(int index);
const char* screw_thread_name_b(int index);
const char* screw_tip_name_b(int index);

// The lists of the first catalogue (the head list is screw_name_lists); each call builds all
// four lists of its catalogue when they are not built yet.
ChoiceEntry* screw_name_lists(void);
ChoiceEntry* screw_thread_list_a(void);
ChoiceEntry* screw_tip_list_a(void);
ChoiceEntry* screw_diameter_list_a(void);
ChoiceEntry* screw_head_list_b(void);
ChoiceEntry* screw_thread_list_b(void);
ChoiceEntry* screw_tip_list_b(void);
ChoiceEntry* screw_diameter_list_b(void);

// Builds the lists of both catalogues that are not built yet.
void screw_catalogue_lists_build(void);

// Head value of a first-catalogue head for the nominal diameters 3.0 and 3.5 mm: -20 for another
// diameter (0.1 mm or more from both), -10 for a head outside 0 to 10, -1 for a head without value.
double small_screw_head_value(int head, double diameter);
