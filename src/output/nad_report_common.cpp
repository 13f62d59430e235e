#include "output/nad_report_common.h"
#include "platform/os/c_numeric.h"
#include "national_annex/nad_current.h"
#include "platform/layout/oli_layout.h"

void nad_report_chapter_head(FILE* f)
{
    c_fprintf(f, "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n");
    c_fprintf(f, " Kapitel      Wert                          Bedeutung\n");
}

const char* nad_report_set_suffix()
{
    static char text[80];
    if (nad_country_index() != 0) c_snprintf(text, sizeof text, ", NA %s", nad_applied_set_name());
    else c_snprintf(text, sizeof text, ", %s (ohne nationalen Anhang)", nad_applied_set_name());
    return text;
}

void nad_report_design_title(FILE* f)
{
    c_fprintf(f, "#SHOWTABLE\n1 1 0\n");
    c_fprintf(f, " Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n");
    c_fprintf(f, " %s\n", nad_applied_set_name());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
}
