// The position data file (text, version 3) and the position's national-annex choice file.
#pragma once
#include <string>

class TAVO52_DATA;

// The whole position data file of the object, byte for byte (LF line ends, Windows-1252 names).
std::string position_data_text(const TAVO52_DATA& d);

// Applies the bytes of a position data file to the object: each line only when its field count
// is right. Returns the format version read from line 1.
int parse_position_data(TAVO52_DATA& d, const std::string& bytes);

// A double in the shortest form that reads back to the same value, with a decimal point in any
// locale; equal to "%g" for values of up to six significant digits.
std::string format_file_double(double v);

