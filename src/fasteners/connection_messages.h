#pragma once
// German texts of the connection design's message codes, in the code page of the libraries and
// the output list. The wording follows the current national-annex set (DIN EN 1995-1-1 with an
// EC5 block current, DIN 1052 without). Returned texts live in one static buffer per function,
// which the next call overwrites.

// Code 0: null (no message; a caller printing it must print nothing). Unknown codes: " ".
const char* connection_message_text(int code);
// The longer explanatory text of a code, or " ".
const char* connection_message_hint(int code);
// "Vereinfachter Nachweis", "Genauer Nachweis", "Bemessungswerte-Verfahren"; "" for other methods.
const char* connection_method_name(int method, int with_clause);
// Label of a failure-mode equation: "Gl.(a)" .. with a set, "Gl.(<n>)" without.
const char* connection_equation_label(int mode);
