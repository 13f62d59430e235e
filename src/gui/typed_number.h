// How a number field reads what the user typed: exactly the number, or not at all, with the reason
// and the numbers the field takes. Nothing typed is rounded, cut or moved into the range.
#pragma once
#include <QString>

struct NumberRule {
    double minimum;
    double maximum;
    int decimals;  // decimals the field holds; 0 for whole numbers
};

struct TypedReading {
    bool taken = false;
    double value = 0.0;
    QString reason;  // why not taken, as the end of a sentence about the typed text
};

// The form of a typed number: an optional sign, digits with at most one decimal comma or point, and
// an optional exponent (e or E, an optional sign, digits); blanks around it are ignored. The value is
// the nearest double to that decimal number; *decimals is the count of decimals it needs written
// without an exponent (12.50 needs 1, 1.5e3 none). False for any other text.
bool parse_typed_number(const QString& text, double* value, int* decimals);

TypedReading read_typed_number(const QString& text, const NumberRule& rule);

// "ganze Zahlen von 40 bis 999", "Zahlen von 0.01 bis 99.99 mit höchstens 2 Nachkommastellen".
QString allowed_numbers_text(const NumberRule& rule);

// The message about a refused entry: the field (when named), the typed text, why, and what is allowed.
QString refused_number_text(const QString& field, const QString& typed, const TypedReading& reading,
                            const NumberRule& rule);

// A bound or value as the fields show numbers: a decimal point, no exponent, no trailing zeros.
QString plain_number_text(double v, int decimals);
