// Numbers of the loads table as their cells hold them: a fixed count of decimals with a decimal
// point, and the value that text reads back as.
#pragma once
#include <QString>

struct FixedText {
    QString text;  // as QString::number(v, 'f', decimals) writes it
    double value;  // as QString::toDouble reads that text
};

// The text is written from the nearest integer of v * 10^decimals, exactly rounded; halves and
// numbers out of the range of that integer go through QString::number, so the text is always the
// one QString::number gives. The value is that integer divided by 10^decimals, which is the nearest
// double to the decimal text, as its reading gives it.
FixedText fixed_text(double v, int decimals);

// Reads a text of the form -?(0|[1-9][0-9]*)(.[0-9]+)? with at most 15 digits, as fixed_text writes
// them: the value QString::toDouble gives and the count of decimals. False for any other text.
bool read_fixed_text(const QString& text, double* value, int* decimals);
