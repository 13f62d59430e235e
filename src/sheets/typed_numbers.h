// The one reader of numbers typed into the toolkit's fields: a plain decimal number (point or
// comma), finite, inside the field's range, checked before the value is stored or turned into
// an int. A refused entry leaves the field's value and is named in a hint with the range.
#pragma once

enum FormNumberResult {
    FORM_NUMBER_OK = 0,
    FORM_NUMBER_NOT_A_NUMBER = 1,
    FORM_NUMBER_OUT_OF_RANGE = 2,
};

// Reads text into *value when it is a number within [lower, upper]; *value is untouched otherwise.
int form_read_number(const char* text, double lower, double upper, double* value);
// Checks a value already read (a sheet's own number field) against the range; NaN is out of it.
int form_check_number(double value, double lower, double upper);
// The hint that refuses an entry: "<text>" is not a number, or lies outside lower to upper.
// decimals: how the limits are written.
void form_refuse_number(const char* text, int result, double lower, double upper, int decimals);

// The range of the number field being edited now; typed numbers outside it are refused with
// the hint. form_typed_range_end goes back to no limits (any finite number).
void form_typed_range_begin(double lower, double upper, int decimals);
void form_typed_range_end(void);
// Makes the toolkit's reader the check of the screen's number editors (idempotent).
void form_install_number_reader(void);
