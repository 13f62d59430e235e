// The number fields as a user types into them: each takes exactly the number typed or refuses it
// with a message naming the numbers it takes, and keeps its value.
#include "gui/quor_spinbox.h"
#include "gui/typed_number.h"
#include "platform/os/calllog.h"
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct GermanDefault {
    QLocale old;
    GermanDefault() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanDefault() { QLocale::setDefault(old); }
};

// Selects all, types the keys and presses Enter; returns the messages about refused entries.
std::vector<std::string> type_and_enter(QAbstractSpinBox* box, const char* typed)
{
    calllog::clear();
    box->findChild<QLineEdit*>()->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromUtf8(typed));
    QTest::keyClick(box, Qt::Key_Return);
    std::vector<std::string> refused;
    for (const std::string& e : calllog::entries())
        if (e.find("Eingabe nicht übernommen") != std::string::npos) refused.push_back(e);
    return refused;
}

struct Case {
    const char* typed;
    double value;         // the value afterwards (the previous one when refused)
    const char* shown;    // the text afterwards
    const char* message;  // the message's text after its title, empty when taken
};

} // namespace

TEST(TypedNumber, FormsOfANumber)
{
    struct Form {
        const char* text;
        bool number;
        double value;
        int decimals;
    } forms[] = {
        {"12,5", true, 12.5, 1},   {"12.5", true, 12.5, 1},    {"12,50", true, 12.5, 1},   {"1e6", true, 1e6, 0},
        {"1,5e3", true, 1500, 0},  {"1.234E1", true, 12.34, 2}, {"-2.5e-1", true, -0.25, 2}, {",5", true, 0.5, 1},
        {"7.", true, 7, 0},        {" 42 ", true, 42, 0},       {"+3", true, 3, 0},          {"1e400", true, HUGE_VAL, 0},
        {"1,2,3", false, 0, 0},    {"4a5", false, 0, 0},        {"1e", false, 0, 0},         {"e5", false, 0, 0},
        {"-", false, 0, 0},        {"", false, 0, 0},           {"1 000", false, 0, 0},      {"nan", false, 0, 0},
        {"inf", false, 0, 0},      {"0x10", false, 0, 0},
    };
    for (const Form& f : forms) {
        double v = -1;
        int d = -1;
        EXPECT_EQ(parse_typed_number(QString::fromUtf8(f.text), &v, &d), f.number) << f.text;
        if (!f.number) continue;
        EXPECT_EQ(v, f.value) << f.text;
        EXPECT_EQ(d, f.decimals) << f.text;
    }
}

// Whole millimetres: b of the beam, 40 to 999, showing 120.
TEST(QUORIntSpinBox, TypedEntries)
{
    const Case cases[] = {
        {"160", 160, "160", ""},
        {"1e2", 100, "100", ""},
        {"1,5e2", 150, "150", ""},
        {"12,5", 120, "120", "b [mm]: \"12,5\" ist keine ganze Zahl.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"125.5", 120, "120", "b [mm]: \"125.5\" ist keine ganze Zahl.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"20", 120, "120",
         "b [mm]: \"20\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"99999999", 120, "120",
         "b [mm]: \"99999999\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"1e6", 120, "120",
         "b [mm]: \"1e6\" liegt außerhalb des erlaubten Bereichs.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"abc", 120, "120", "b [mm]: \"abc\" ist keine Zahl.\nErlaubt sind ganze Zahlen von 40 bis 999."},
        {"", 120, "120", "b [mm]: \"\" ist keine Zahl.\nErlaubt sind ganze Zahlen von 40 bis 999."},
    };
    for (const Case& c : cases) {
        QUORIntSpinBox box;
        box.setLocale(QLocale::c());
        box.setRange(40, 999);
        box.setValue(120);
        box.setProperty("feldname", QStringLiteral("b [mm]"));
        const std::vector<std::string> refused = type_and_enter(&box, c.typed);
        EXPECT_EQ(box.value(), int(c.value)) << c.typed;
        EXPECT_EQ(box.text().toStdString(), c.shown) << c.typed;
        if (*c.message) {
            ASSERT_EQ(refused.size(), 1u) << c.typed;
            EXPECT_EQ(refused[0], std::string("QMessageBox: Eingabe nicht übernommen: ") + c.message);
        } else {
            EXPECT_TRUE(refused.empty()) << c.typed;
        }
    }
}

// A field with two decimals: f_t,k of the plates, 0.01 to 99.99, showing 10.00.
TEST(QUORSpinBox, TypedEntries)
{
    GermanDefault german;
    const char* allowed = "\nErlaubt sind Zahlen von 0.01 bis 99.99 mit höchstens 2 Nachkommastellen.";
    const Case cases[] = {
        {"12,5", 12.5, "12.50", ""},
        {"12.5", 12.5, "12.50", ""},
        {"1,5e1", 15, "15.00", ""},
        {"2.5E-2", 10, "10.00", "\"2.5E-2\" hat mehr als 2 Nachkommastellen."},
        {"12,345", 10, "10.00", "\"12,345\" hat mehr als 2 Nachkommastellen."},
        {"1e6", 10, "10.00", "\"1e6\" liegt außerhalb des erlaubten Bereichs."},
        {"250", 10, "10.00", "\"250\" liegt außerhalb des erlaubten Bereichs."},
        {"0", 10, "10.00", "\"0\" liegt außerhalb des erlaubten Bereichs."},
        {"1,2,3", 10, "10.00", "\"1,2,3\" ist keine Zahl."},
        {"4a5", 10, "10.00", "\"4a5\" ist keine Zahl."},
        {"-", 10, "10.00", "\"-\" ist keine Zahl."},
    };
    for (const Case& c : cases) {
        QUORSpinBox box;
        box.setLocale(QLocale::c());
        box.setRange(0.01, 99.99);
        box.setDecimals(2);
        box.setValue(10);
        const std::vector<std::string> refused = type_and_enter(&box, c.typed);
        EXPECT_DOUBLE_EQ(box.value(), c.value) << c.typed;
        EXPECT_EQ(box.text().toStdString(), c.shown) << c.typed;
        if (*c.message) {
            ASSERT_EQ(refused.size(), 1u) << c.typed;
            EXPECT_EQ(refused[0], std::string("QMessageBox: Eingabe nicht übernommen: ") + c.message + allowed);
        } else {
            EXPECT_TRUE(refused.empty()) << c.typed;
        }
    }
}

// The loads table's editor keeps every decimal typed and shows at least the cell's decimals.
TEST(QUORSpinBox, EditorKeepsTheDecimalsTyped)
{
    GermanDefault german;
    QUORSpinBox box;
    box.setLocale(QLocale(QLocale::German));
    box.setRange(-9999, 9999);
    box.setDecimals(9);
    box.setShownDecimals(2);
    box.setValue(0);
    EXPECT_EQ(box.text().toStdString(), "0.00");
    EXPECT_TRUE(type_and_enter(&box, "12,345").empty());
    EXPECT_DOUBLE_EQ(box.value(), 12.345);
    EXPECT_EQ(box.text().toStdString(), "12.345");
    EXPECT_TRUE(type_and_enter(&box, "-1,5e3").empty());
    EXPECT_EQ(box.text().toStdString(), "-1500.00");
    const std::vector<std::string> refused = type_and_enter(&box, "1e6");
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], "QMessageBox: Eingabe nicht übernommen: \"1e6\" liegt außerhalb des erlaubten Bereichs.\n"
                          "Erlaubt sind Zahlen von -9999 bis 9999.");
    EXPECT_DOUBLE_EQ(box.value(), -1500);
}

// Ending an edit more than once (Enter, then the focus leaving, then the delegate taking the text)
// names a refused text once; typing it again names it again.
TEST(QUORSpinBox, ARefusedTextIsNamedOncePerEdit)
{
    const auto messages = [] {
        int n = 0;
        for (const std::string& e : calllog::entries()) n += e.find("Eingabe nicht übernommen") != std::string::npos;
        return n;
    };
    QUORSpinBox box;
    box.setRange(0, 10);
    box.setValue(5);
    calllog::clear();
    box.findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("11"));
    EXPECT_FALSE(box.take_typed());
    box.interpretText();
    EXPECT_EQ(box.value(), 5);
    EXPECT_EQ(box.text().toStdString(), "5.00");
    EXPECT_EQ(messages(), 1);
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClicks(&box, QStringLiteral("1"));   // "5.001": more decimals than two
    EXPECT_FALSE(box.take_typed());
    EXPECT_EQ(messages(), 2);
    box.findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("7,5"));
    EXPECT_TRUE(box.take_typed());
    EXPECT_DOUBLE_EQ(box.value(), 7.5);
}

TEST(QUORSpinBox, ShowsAPointUnderAGermanLocale)
{
    GermanDefault german;
    for (QLocale own : {QLocale(QLocale::German), QLocale::c()}) {
        QUORSpinBox box;
        box.setLocale(own);
        box.setMaximum(9999);
        box.setDecimals(2);
        box.setValue(1234.5);
        EXPECT_EQ(box.text().toStdString(), "1234.50");
    }
}
