#include "materials/screw_catalogues.h"

#include "platform/screen/screen.h"

#include <cmath>

namespace {

// Texts of the lists, kept in arrays of our own since the entries carry writable pointers.
char heads_a[SCREW_HEADS_A][28] = {
    "Senkkopf", "Senkfr\x84staschenkopf", "Senkfr\x84srippenkopf", "Linsenkopf", "Scheibenkopf",
    "Scheibenkopf II", "Zylinderkopf", "Panhead Kopf", "Kombi-/Sechskantkopf", "Balkenschuhschraubenkopf",
    "Top Head Kopf",
};
char threads_a[SCREW_THREADS_A][20] = {"Teilgewinde", "Unterkopfgewinde", "Vollgewinde", "Doppelgewinde"};
char tips_a[SCREW_TIPS_A][32] = {"Spitzengewinde", "Ring- / Gegengewinde", "Plus Bohrspitze Pyramidenform",
                                 "Plus Bohrspitze Spitzenform"};
char diameters_a[SCREW_DIAMETERS_A][8] = {"3.0", "3.5", "4.0", "4.5", "5.0", "6.0", "7.0", "8.0", "10.0", "12.0"};

char heads_b[SCREW_HEADS_B][16] = {"Tellerkopf", "Zylinderkopf", "Senkkopf", "Halbrundkopf",
                                   "Linsenkopf", "R\x81" "ckwandkopf", "Zierkopf"};
char threads_b[SCREW_THREADS_B][16] = {"Teilgewinde", "Doppelgewinde", "Vollgewinde"};
char tips_b[SCREW_TIPS_B][16] = {"Normalspitze", "CUT-Spitze", "4CUT-Spitze"};
char diameters_b[SCREW_DIAMETERS_B][8] = {"2.0", "2.5", "3.0", "3.5", "4.0", "4.5",
                                          "5.0", "6.0", "7.0", "8.0", "10.0", "12.0"};

// Head values for 3.0 and 3.5 mm by head index; -1: no value for that head.
const double kSmallHeadValues[SCREW_HEADS_A] = {5.9, 5.9, 5.9, 4.9, 7.8, -1, -1, 5.8, -1, -1, 5.25};

template <int N, int W>
void fill(ChoiceEntry* list, char (&texts)[N][W], int value)
{
    for (int i = 0; i < N; ++i)
        list[i] = {value, texts[i]};
}

ChoiceEntry head_list_a[SCREW_HEADS_A], thread_list_a[SCREW_THREADS_A], tip_list_a[SCREW_TIPS_A],
    diameter_list_a[SCREW_DIAMETERS_A];
ChoiceEntry head_list_b[SCREW_HEADS_B], thread_list_b[SCREW_THREADS_B], tip_list_b[SCREW_TIPS_B],
    diameter_list_b[SCREW_DIAMETERS_B];
bool built_a = false, built_b = false;

// Builds a catalogue's four lists once. Forms carry the value 0; diameters the palette index of
// black.
template <class Heads, class Threads, class Tips, class Diameters>
void build_lists(bool& built, ChoiceEntry* head_list, Heads& heads, ChoiceEntry* thread_list, Threads& threads,
                 ChoiceEntry* tip_list, Tips& tips, ChoiceEntry* diameter_list, Diameters& diameters)
{
    if (built) return;
    fill(head_list, heads, 0);
    fill(thread_list, threads, 0);
    fill(tip_list, tips, 0);
    fill(diameter_list, diameters, BLACK_CI);
    built = true;
}

void build_a()
{
    build_lists(built_a, head_list_a, heads_a, thread_list_a, threads_a, tip_list_a, tips_a, diameter_list_a,
                diameters_a);
}

void build_b()
{
    build_lists(built_b, head_list_b, heads_b, thread_list_b, threads_b, tip_list_b, tips_b, diameter_list_b,
                diameters_b);
}

template <int N, int W>
const char* text_at(char (&texts)[N][W], int index)
{
    return (index >= 0 && index < N) ? texts[index] : nullptr;
}

} // namespace

const char* screw_head_name_a(int index) { return text_at(heads_a, index); }
const char* screw_thread_name_a(int index) { return text_at(threads_a, index); }
const char* screw_tip_name_a(int index) { return text_at(tips_a, index); }
const char* screw_head_name_b(int index) { return text_at(heads_b, index); }
const char* screw_thread_name_b(int index) { return text_at(threads_b, index); }
const char* screw_tip_name_b(int index) { return text_at(tips_b, index); }

ChoiceEntry* screw_name_lists(void) { return build_a(), head_list_a; }
ChoiceEntry* screw_thread_list_a(void) { return build_a(), thread_list_a; }
ChoiceEntry* screw_tip_list_a(void) { return build_a(), tip_list_a; }
ChoiceEntry* screw_diameter_list_a(void) { return build_a(), diameter_list_a; }
ChoiceEntry* screw_head_list_b(void) { return build_b(), head_list_b; }
ChoiceEntry* screw_thread_list_b(void) { return build_b(), thread_list_b; }
ChoiceEntry* screw_tip_list_b(void) { return build_b(), tip_list_b; }
ChoiceEntry* screw_diameter_list_b(void) { return build_b(), diameter_list_b; }

void screw_catalogue_lists_build(void)
{
    build_a();
    build_b();
}

double small_screw_head_value(int head, double diameter)
{
    const double tolerance = 0.1;   // mm
    if (std::fabs(diameter - 3.0) >= tolerance && std::fabs(diameter - 3.5) >= tolerance)
        return -20;
    if (head < 0 || head >= SCREW_HEADS_A)
        return -10;
    return kSmallHeadValues[head];
}
