// The window's input fields bound to the members of the data object: how each is read into the data
// object and shown from it, and what a change of it sets off. maske2data, data2maske and the
// fields' connections all walk one table, so a new field is one row of it.
#pragma once
#include <QList>
#include <QVariant>
#include <functional>
#include <vector>

class MainWindow;
class QComboBox;
class QObject;
class RangeCheck;
class TAVO52_DATA;

// When the window connects a trigger while it builds itself: the steps between these points change
// fields on purpose and must not set off what is connected later.
enum class BindPhase {
    Results,  // with the first showing of the form: the change counts against the results shown
    Inputs,   // once the reinforcement is set up: list refills and arrangement checks
    Rules,    // after the first display: geometry rules and recalculation
};

// Which change of the widget sets a trigger off.
enum class BindWhen {
    Changed,   // value, index or checked state changed (a radio button both on and off)
    TurnedOn,  // a button became checked
    Clicked,   // the user clicked the button (not a change by program)
};

struct BindTrigger {
    BindPhase phase;
    BindWhen when;
    const char* slot;  // the window's function it runs, by name
    // Runs it; receives the signal's whole-number or checked-state value, 0 for a decimal field.
    std::function<void(MainWindow&, int)> run;
};

struct FieldBinding {
    const char* member;  // the data object's member, by name
    // Into the data object (maske2data); empty for a field only shown from it.
    std::function<void(MainWindow&, TAVO52_DATA&)> to_data;
    // Onto the form (data2maske), with the list it chooses from filled first where it has one.
    std::function<void(MainWindow&, TAVO52_DATA&)> to_form;
    // The widgets the field is made of (the buttons of a radio group).
    std::function<QList<QObject*>(const MainWindow&)> widgets;
    // Connects one trigger to every widget of the field.
    std::function<void(MainWindow&, const BindTrigger&)> connect;
    std::vector<BindTrigger> triggers;
    // A number field's name in a refused typed value ("feldname"); empty for other fields.
    const char* screen_name = nullptr;
    // Brings the member of an opened file into the field's range, named as in the file's report.
    std::function<void(const MainWindow&, TAVO52_DATA&, RangeCheck&)> range;
};

// User value of the current item of a combo box; 0 when it has none.
QVariant current_item_data(const QComboBox* box);

// Called before a trigger runs, with the member of the field and the function: lets a test see
// which triggers a user's change set off. Empty in the program.
extern std::function<void(const char* member, const char* slot)> bind_trace;
