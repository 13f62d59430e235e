// The options dialog driven as a user drives it: OK stores the six values into the data object,
// Cancel stores nothing, the help button opens the topic "optionen".
#include "gui/options_dialog.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "platform/os/calllog.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    TAVO52_DATA saved_values;

    void SetUp() override
    {
        main_window = nullptr;
        calllog::clear();
        data_object.graf_breite = 17.0;
        data_object.graf_hoehe = 12.0;
        data_object.masstab_optimal = 1;
        data_object.grafik_drucken = 1;
        data_object.ausfuehrlich = 0;
        data_object.nk_sni = 2;
    }

    template <typename T>
    static T* find(QDialog& d, const char* name)
    {
        T* t = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }

    static void type_into(QAbstractSpinBox* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    static void press(QDialog& d, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(find<QDialogButtonBox>(d, "buttonBox")->button(which), Qt::LeftButton);
    }
};

} // namespace

TEST_F(OptionsDialogTest, StartsWithTheDataObjectsValues)
{
    OptionsDialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>(d, "sb_graf_breite")->value(), 17.0);
    EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>(d, "sb_graf_hoehe")->value(), 12.0);
    EXPECT_TRUE(find<QCheckBox>(d, "cb_masstab_optimal")->isChecked());
    EXPECT_TRUE(find<QGroupBox>(d, "gb_grafik")->isChecked());
    EXPECT_EQ(find<QSpinBox>(d, "sb_nk_sni")->value(), 2);
    EXPECT_EQ(find<QSpinBox>(d, "sb_nk_sni")->maximum(), 4);
    auto* box = find<QDialogButtonBox>(d, "buttonBox");
    for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Help}) {
        ASSERT_TRUE(box->button(b));
        EXPECT_TRUE(box->button(b)->text().isEmpty());
        EXPECT_FALSE(box->button(b)->icon().isNull());
    }
}

TEST_F(OptionsDialogTest, OkStoresTheValues)
{
    // The size fields have no locale of their own: they follow the German default the program
    // sets, not whatever default the environment's LC_NUMERIC would give.
    struct GermanDefault {
        QLocale old;
        GermanDefault() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
        ~GermanDefault() { QLocale::setDefault(old); }
    } german;
    OptionsDialog d;
    d.show_options();
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(find<QCheckBox>(d, "cb_ausfuehrlich")->isVisible());
    type_into(find<QDoubleSpinBox>(d, "sb_graf_breite"), QStringLiteral("21,5"));
    type_into(find<QDoubleSpinBox>(d, "sb_graf_hoehe"), QStringLiteral("9"));
    QTest::mouseClick(find<QCheckBox>(d, "cb_masstab_optimal"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    type_into(find<QSpinBox>(d, "sb_nk_sni"), QStringLiteral("3"));
    press(d, QDialogButtonBox::Ok);
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(data_object.graf_breite, 21.5);
    EXPECT_DOUBLE_EQ(data_object.graf_hoehe, 9.0);
    EXPECT_EQ(data_object.masstab_optimal, 0);
    EXPECT_EQ(data_object.grafik_drucken, 1);
    EXPECT_EQ(data_object.ausfuehrlich, 0);   // hidden, stored as read
    EXPECT_EQ(data_object.nk_sni, 3);
}

TEST_F(OptionsDialogTest, UncheckedDrawingDisablesItsFieldsAndStoresZero)
{
    OptionsDialog d;
    d.show_options();
    auto* gb = find<QGroupBox>(d, "gb_grafik");
    gb->setFocus();
    QTest::keyClick(gb, Qt::Key_Space);
    EXPECT_FALSE(gb->isChecked());
    EXPECT_FALSE(find<QDoubleSpinBox>(d, "sb_graf_breite")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(d, "cb_masstab_optimal")->isEnabled());
    press(d, QDialogButtonBox::Ok);
    EXPECT_EQ(data_object.grafik_drucken, 0);
}

TEST_F(OptionsDialogTest, CancelStoresNothingButKeepsTheWidgets)
{
    OptionsDialog d;
    d.show_options();
    type_into(find<QDoubleSpinBox>(d, "sb_graf_breite"), QStringLiteral("25"));
    press(d, QDialogButtonBox::Cancel);
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(data_object.graf_breite, 17.0);
    // Shown again, the dialog still holds what the user left; OK now stores it.
    d.show_options();
    EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>(d, "sb_graf_breite")->value(), 25.0);
    press(d, QDialogButtonBox::Ok);
    EXPECT_DOUBLE_EQ(data_object.graf_breite, 25.0);
}

TEST_F(OptionsDialogTest, DrawingFrameAboveZero)
{
    OptionsDialog d;
    d.show_options();
    type_into(find<QDoubleSpinBox>(d, "sb_graf_breite"), QStringLiteral("0"));
    type_into(find<QDoubleSpinBox>(d, "sb_graf_hoehe"), QStringLiteral("0"));
    press(d, QDialogButtonBox::Ok);
    EXPECT_GT(data_object.graf_breite, 0.0);
    EXPECT_GT(data_object.graf_hoehe, 0.0);
}

TEST_F(OptionsDialogTest, HelpOpensTheTopicAndLeavesTheDialogOpen)
{
    OptionsDialog d;
    d.show_options();
    press(d, QDialogButtonBox::Help);
    EXPECT_TRUE(calllog::contains("Helpview: optionen"));
    EXPECT_TRUE(d.isVisible());
}
