// The sheet in which the user writes free remarks for a position.
#pragma once

// Shows the sheet over the remarks (a heap text or null) and returns them: a fresh heap copy of the
// edited text after "bestätigen" (the old remarks freed), the remarks unchanged after "abbrechen"
// or the window's close button.
char* user_comment_sheet(char* remarks, const char* sheet_title);
