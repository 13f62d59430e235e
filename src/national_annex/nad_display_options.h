// The sheet "Darstellungsoptionen": show all rules, or only those of one installed application.
#pragma once

// 1 when the user confirmed with "ok" (mask, application number and show_all_rules then follow
// the choice), 0 when the sheet was left otherwise: then the registry's choice is as before.
int nad_display_options_sheet();
