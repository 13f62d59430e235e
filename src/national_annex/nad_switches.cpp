#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"

#include <cstdlib>
#include <cstring>

int nad_verbose = 0;

namespace {
int edition_mode = 1;
int standards_option = 0;
}

void nad_set_edition_mode(int mode) { edition_mode = mode; }
int nad_edition_mode() { return edition_mode; }
void nad_set_standards_option(int value) { standards_option = value; }
int nad_standards_option() { return standards_option; }

int nad_find_section(FILE* file, const char* title, const char* stop, int* value)
{
    const CNumericScope c_numbers;
    if (!file || !title) return 0;
    long start = ftell(file);
    size_t title_len = strlen(title);
    size_t stop_len = stop ? strlen(stop) : 0;
    char line[300];
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, title, title_len) == 0) {
            if (value) {
                char* end = nullptr;
                long v = strtol(line + title_len, &end, 10);
                if (end != line + title_len) *value = static_cast<int>(v);
            }
            // A line longer than the buffer: the search stands after the whole title line.
            if (!strchr(line, '\n')) {
                int c;
                while ((c = fgetc(file)) != EOF && c != '\n') {}
            }
            return 1;
        }
        if (stop_len > 0 && strncmp(line, stop, stop_len) == 0) {
            fseek(file, start, SEEK_SET);
            return 2;
        }
        if (nad_verbose && strlen(line) > 1) printf("***** Spooling *****: %s", line);
    }
    clearerr(file);
    fseek(file, start, SEEK_SET);
    return 0;
}
