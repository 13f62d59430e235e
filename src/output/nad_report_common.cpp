#include "output/nad_report_common.h"
#include "platform/os/c_numeric.h"
#include "national_annex/nad_current.h"
#include "platform/layout/oli_layout.h"

void nad_report_design_title(FILE* f)
{
    c_fprintf(f, "#SHOWTABLE\n1 1 0\n");
    c_fprintf(f, " Ausgew\204hlte Bemessungsparameter des nationalen Anhangs\n");
    c_fprintf(f, " %s\n", nad_applied_set_name());
    c_fprintf(f, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5f);
}
