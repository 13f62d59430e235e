// User settings and the clipboard of the environment library.
#pragma once

// The user's setting of that name into buffer (at most size - 1 characters and the end);
// 1 when found, 0 otherwise (buffer then empty). Read from the variable VYK_USER_<key>, else
// from the section-less key of "$DRAM/vyk_user.ini".
int VYKGetUserString(const char* key, char* buffer, int size);

// Clipboard text in code page 437: at most size - 1 bytes and the end; returns the bytes read.
int VYKGetClipboardText(char* buffer, int size);
// Puts a zero-terminated code page 437 text on the clipboard.
void VYKSetClipboardText(const char* text);
