#include "output/nad_report_common.h"
#include "platform/os/c_numeric.h"
#include "national_annex/nad_current.h"
#include "platform/layout/oli_layout.h"

void nad_report_chapter_head(FILE* f, const char* sub_heading)
{
    c_fprintf(f, "#SHOWTABLE\n0 0 0\n%d 0 -1 -1 2\n 12 42\n", sub_heading ? 2 : 1);
    c_fprintf(f, " Kapitel      Wert                          Bedeutung\n");
    if (sub_heading) c_fprintf(f, "%s\n", sub_heading);
}

void nad_report_chapter_break(FILE* f, const char* sub_heading)
{
    // the next table joins this one: no air between them
    c_fprintf(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.6f);
    nad_report_chapter_head(f, sub_heading);
}

std::string nad_report_set_suffix()
{
    const std::string name = nad_applied_set_name();
    return nad_country_index() != 0 ? ", NA " + name : ", " + name + " (ohne nationalen Anhang)";
}

void nad_report_design_title(FILE* f)
{
    c_fprintf(f, "#SHOWTABLE\n1 1 0\n");
    c_fprintf(f, " Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n");
    c_fprintf(f, " %s\n", nad_applied_set_name());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
}
