// Brings a value of an opened position into the range of the field that shows it, and names in the
// report on the file what was found and what is taken instead.
#pragma once
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QString>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <type_traits>
#include "core/position_file.h"

class RangeCheck {
public:
    explicit RangeCheck(PositionReadReport& report) : report_(report) {}

    void within(const std::string& field, double& v, double lo, double hi)
    {
        if (v >= lo && v <= hi) return;
        const double taken = v > hi ? hi : lo;
        note(field, format_file_double(v), format_file_double(taken));
        v = taken;
    }
    void within(const std::string& field, int& v, int lo, int hi)
    {
        if (v >= lo && v <= hi) return;
        const int taken = v > hi ? hi : lo;
        note(field, std::to_string(v), std::to_string(taken));
        v = taken;
    }
    // A field shows its value with its decimals, whole millimetres in an integer field: a value with
    // more is named with what the field takes of it.
    void within(const std::string& field, double& v, const QSpinBox* box)
    {
        within(field, v, box->minimum(), box->maximum());
        held(field, v, 0, std::trunc(v));
    }
    void within(const std::string& field, double& v, const QDoubleSpinBox* box)
    {
        within(field, v, box->minimum(), box->maximum());
        held(field, v, box->decimals(), QString::number(v, 'f', box->decimals()).toDouble());
    }
    void held(const std::string& field, double& v, int decimals, double shown)
    {
        if (shown == v || !std::isfinite(v)) return;
        note(field, format_file_double(v), QString::number(shown, 'f', decimals).toStdString());
        v = shown;
    }
    void within(const std::string& field, int& v, const QSpinBox* box) { within(field, v, box->minimum(), box->maximum()); }

    void one_of(const std::string& field, int& v, std::initializer_list<int> allowed, int fallback)
    {
        if (std::find(allowed.begin(), allowed.end(), v) != allowed.end()) return;
        note(field, std::to_string(v), std::to_string(fallback));
        v = fallback;
    }
    // A value that one of the combo box's items must carry.
    template <typename T>
    void item_of(const std::string& field, T& v, const QComboBox* box, T fallback)
    {
        if (box->findData(v) >= 0) return;
        note(field, std::is_same<T, int>::value ? std::to_string(v) : format_file_double(v),
             std::is_same<T, int>::value ? std::to_string(fallback) : format_file_double(fallback));
        v = fallback;
    }

    void note(const std::string& field, const std::string& found, const std::string& taken)
    {
        report_.findings.push_back({field, found, taken});
    }

private:
    PositionReadReport& report_;
};
