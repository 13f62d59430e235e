// The decimal spin box as a user types into it.
#include "gui/quor_spinbox.h"
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct GermanDefault {
    QLocale old;
    GermanDefault() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanDefault() { QLocale::setDefault(old); }
};

} // namespace

TEST(QUORSpinBox, TypedInputTable)
{
    GermanDefault german;
    struct Case {
        const char* typed;     // keystrokes into an emptied box
        const char* kept;      // what the line edit holds after typing (refused keys dropped)
        double value;          // value after Enter
        const char* shown;     // text after Enter
    };
    // Two decimals, range 0.01 .. 99.99 except where noted.
    const Case cases[] = {
        {"12,5", "12,5", 12.5, "12.50"},
        {"12.5", "12.5", 12.5, "12.50"},
        {"1,2,3", "1,23", 1.23, "1.23"},             // a second separator is refused
        {"4a5", "45", 45.0, "45.00"},                // a letter is refused
        {"0,1234567891", "0,123456789", 0.123456789, "0.12"},  // a tenth decimal is refused
        {"", "", 0.01, "0.01"},                      // empty gives 0, clamped to the minimum
        {"-", "-", 0.01, "0.01"},                    // a lone minus gives 0, clamped
        {"250", "250", 99.99, "99.99"},              // beyond the range: the nearer bound
        {"+3", "3", 3.0, "3.00"},                    // no plus sign
    };
    for (const Case& c : cases) {
        QUORSpinBox box;
        box.setMinimum(0.01);
        box.setMaximum(99.99);
        box.setDecimals(2);
        box.findChild<QLineEdit*>()->clear();
        QTest::keyClicks(&box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box.findChild<QLineEdit*>()->text().toStdString(), c.kept) << c.typed;
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(box.value(), c.value) << c.typed;
        EXPECT_EQ(box.text().toStdString(), c.shown) << c.typed;
    }
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
        int pos = 0;
        QString any = QStringLiteral("x,y");
        EXPECT_EQ(box.validate(any, pos), QValidator::Acceptable);
    }
}
