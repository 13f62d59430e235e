// Plot files of the environment's drawing program (".RPC"). Their format is not known here: a
// plot file is shown as a framed placeholder with a cross and its name, filling the viewport.
#pragma once

// The two values (scale and offset of the plot) are taken and not used. 1 when the file exists.
int Draw_RPC_File(const char* file, double a, double b);
