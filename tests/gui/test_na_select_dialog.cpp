// The national-annex selection dialog over a fixture DATA/DRAM tree: the listed sets with their
// flags, OK writes the position's choice file and activates the set, Abort and a failed write
// keep the old set, and the annex editor is started with the active set's name.
#include "gui/na_select_dialog.h"
#include "common/test_util.h"
#include "core/position_files.h"
#include "national_annex/nad_current.h"
#include "national_annex/nad_list.h"
#include "national_annex/nad_set_files.h"
#include "platform/os/atomic_file.h"
#include "platform/os/calllog.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

const std::string kShipped = std::string(TAVO_SOURCE_DATA_DIR) + "/DATA/NAD/";

class NaSelectDialogTest : public ::testing::Test {
protected:
    testutil::ScratchDir root;
    std::string data = root.file("DATA"), dram = root.file("DRAM"), exec = root.file("EXEC");

    void SetUp() override
    {
        for (const std::string& d : {data, data + "/NAD", dram, exec}) mkdir(d.c_str(), 0777);
        std::filesystem::copy_file(kShipped + "Standard.NAD", data + "/NAD/Standard.NAD");
        std::filesystem::copy_file(kShipped + "Deutschland.NAD", data + "/NAD/Deutschland.NAD");
        setenv("DATA", data.c_str(), 1);
        setenv("DRAM", dram.c_str(), 1);
        setenv("EXEC", exec.c_str(), 1);
        nad_forget_state();
        nad_part_ec5();   // the first access activates "Deutschland"
        // User sets 1 and 2, and a 4 behind the gap at 3 that is never listed.
        user_set(1, "Testland", 4, 1.25);
        user_set(2, "Sch\x94nland", 30, 1.3);   // DOS ö; a flag index without a picture
        user_set(4, "Vier", 5, 1.3);
        nad_path = root.file("T1_01.nad");
        calllog::clear();
        calllog::clear_answers();
    }

    void TearDown() override
    {
        nad_forget_state();
        unsetenv("DATA");
        unsetenv("DRAM");
        unsetenv("EXEC");
    }

    static void user_set(int n, const char* name, int flag, double gamma_m_solid)
    {
        static NadSet s;
        mkdir((std::string(getenv("DRAM")) + "/NADS").c_str(), 0777);
        nad_reset_current_set();
        s = nad_current_set;
        snprintf(s.set_name, sizeof s.set_name, "%s", name);
        s.flag_index = flag;
        s.country = 1;
        s.ec5.gamma_m_solid = gamma_m_solid;
        nad_store_user_set(n, &s);
    }

    static QStringList texts(const NA_SelectDialog& d)
    {
        QStringList t;
        for (QRadioButton* rb : d.radioButtons()) t << rb->text();
        return t;
    }

    static QString ticked(const NA_SelectDialog& d)
    {
        for (QRadioButton* rb : d.radioButtons())
            if (rb->isChecked()) return rb->text();
        return QString();
    }

    static void tick(NA_SelectDialog& d, const QString& text)
    {
        for (QRadioButton* rb : d.radioButtons())
            if (rb->text() == text) QTest::mouseClick(rb, Qt::LeftButton, Qt::NoModifier, QPoint(5, rb->height() / 2));
    }

    static void press(NA_SelectDialog& d, QDialogButtonBox::StandardButton which)
    {
        auto* box = d.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(which), Qt::LeftButton);
    }
};

bool same_picture(const QLabel* label, const char* resource)
{
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    return !shown.isNull() && shown.toImage() == QPixmap(QString::fromLatin1(resource)).toImage();
}

} // namespace

TEST_F(NaSelectDialogTest, ListsTheBuiltInAndUserSetsWithFlags)
{
    NA_SelectDialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Nationaler Anhang"));
    d.show();
    EXPECT_EQ(texts(d), (QStringList{QStringLiteral("EC-Standardparameter"), QStringLiteral("Deutschland"),
                                      QStringLiteral("Testland"), QStringLiteral("Schönland")}));
    EXPECT_EQ(ticked(d), QStringLiteral("Deutschland"));
    ASSERT_EQ(d.flagLabels().size(), 4);
    EXPECT_TRUE(same_picture(d.flagLabels()[0], ":/Flags/images/ef20.ico"));
    EXPECT_TRUE(same_picture(d.flagLabels()[1], ":/Flags/images/ef19.ico"));
    EXPECT_TRUE(same_picture(d.flagLabels()[2], ":/Flags/images/ef05.ico"));
    EXPECT_TRUE(d.flagLabels()[3]->pixmap(Qt::ReturnByValue).isNull());
    // Showing again lists the sets once more, not twice.
    d.hide();
    d.show();
    EXPECT_EQ(d.radioButtons().size(), 4);
}

TEST_F(NaSelectDialogTest, OkWritesTheChoiceFileAndActivatesTheSet)
{
    NA_SelectDialog d;
    QSignalSpy changed(&d, &NA_SelectDialog::naChanged);
    d.show();
    tick(d, QStringLiteral("Testland"));
    press(d, QDialogButtonBox::Ok);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(testutil::read_file(nad_path), "\n\nACTIV_NADNAME\n\xAETestland\xAF\n0\n");
    EXPECT_STREQ(nad_active_name(), "Testland");
    EXPECT_DOUBLE_EQ(nad_part_ec5()->gamma_m_solid, 1.25);
    d.show();
    EXPECT_EQ(ticked(d), QStringLiteral("Testland"));
}

TEST_F(NaSelectDialogTest, AbortKeepsTheActiveSet)
{
    NA_SelectDialog d;
    QSignalSpy changed(&d, &NA_SelectDialog::naChanged);
    d.show();
    tick(d, QStringLiteral("Testland"));
    press(d, QDialogButtonBox::Abort);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_FALSE(std::filesystem::exists(nad_path));
    d.show();
    EXPECT_EQ(ticked(d), QStringLiteral("Deutschland"));
}

TEST_F(NaSelectDialogTest, FailedWriteKeepsTheOldSetAndSaysSo)
{
    ASSERT_TRUE(testutil::write_file(root.file("blocker"), "x"));
    nad_path = root.file("blocker/T1_01.nad");   // a file where the folder should be
    NA_SelectDialog d;
    QSignalSpy changed(&d, &NA_SelectDialog::naChanged);
    d.show();
    tick(d, QStringLiteral("Testland"));
    press(d, QDialogButtonBox::Ok);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler"));
    EXPECT_STREQ(nad_active_name(), "Deutschland");
    EXPECT_DOUBLE_EQ(nad_part_ec5()->gamma_m_solid, 1.3);
}

TEST_F(NaSelectDialogTest, EditorStartsWithTheActiveNameAndTheListIsReadAgain)
{
    // A stand-in editor that records its arguments and creates user set 3.
    const std::string script = exec + "/Orvik";
    ASSERT_TRUE(testutil::write_file(script, "#!/bin/sh\necho \"$@\" > \"$DRAM/orvik_args\"\n"
                                             "sed 's/Testland/Drei/' \"$DRAM/NADS/1.NAD\" > \"$DRAM/NADS/3.NAD\"\n"));
    chmod(script.c_str(), 0755);
    NA_SelectDialog d;
    d.show();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("pb_tool")), Qt::LeftButton);
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 0 " + script + " Deutschland"));
    EXPECT_EQ(testutil::read_file(dram + "/orvik_args"), "Deutschland\n");
    // Set 3 closes the gap, so set 4 is listed too.
    EXPECT_EQ(texts(d), (QStringList{QStringLiteral("EC-Standardparameter"), QStringLiteral("Deutschland"),
                                      QStringLiteral("Testland"), QStringLiteral("Schönland"), QStringLiteral("Drei"),
                                      QStringLiteral("Vier")}));
    EXPECT_EQ(ticked(d), QStringLiteral("Deutschland"));
}

TEST_F(NaSelectDialogTest, EditorMissingOrWithoutExecFolder)
{
    NA_SelectDialog d;
    d.show();
    auto* tool = d.findChild<QPushButton*>(QStringLiteral("pb_tool"));
    // No editor in EXEC: the start fails, the user is told which program is missing, and the list
    // is shown again.
    QTest::mouseClick(tool, Qt::LeftButton);
    EXPECT_TRUE(calllog::contains("VYKSpawnv: 0"));
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler: Der Editor für Nationale Anhänge konnte nicht gestartet "
                                  "werden:\n" + exec + "/Orvik"));
    EXPECT_EQ(d.radioButtons().size(), 4);
    EXPECT_TRUE(d.isVisible());

    calllog::clear();
    unsetenv("EXEC");
    QTest::mouseClick(tool, Qt::LeftButton);
    EXPECT_FALSE(calllog::contains("VYKSpawnv"));
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler"));
    EXPECT_EQ(d.radioButtons().size(), 4);
}

// Another program changed the choice file since it was read: the user is asked; cancelled, nothing
// is written and the old set stays; "beside" keeps the other version and writes this choice as a
// copy; "overwrite" replaces it.
TEST_F(NaSelectDialogTest, AChoiceFileChangedElsewhereIsNotOverwrittenUnasked)
{
    const std::string other = "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n0\n";
    struct Case {
        int answer;
        bool replaced, beside;
        const char* active;
    };
    for (const Case& c : {Case{QMessageBox::Cancel, false, false, "Deutschland"},
                          Case{QMessageBox::Save, false, true, "Testland"},
                          Case{QMessageBox::Yes, true, false, "Testland"}}) {
        SCOPED_TRACE(c.answer);
        nad_set_active_name("Deutschland");
        std::filesystem::remove(nad_path + ".neu");
        ASSERT_TRUE(testutil::write_file(nad_path, "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n0\n\n"));
        note_file_seen(nad_path);
        ASSERT_TRUE(testutil::write_file(nad_path, other));   // the other program's save
        calllog::clear();
        calllog::push_answer(c.answer);
        NA_SelectDialog d;
        d.show();
        tick(d, QStringLiteral("Testland"));
        press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(calllog::contains("QMessageBox: Speichern: Diese Datei wurde seit dem Öffnen von einem anderen "
                                      "Programm geändert:"));
        const std::string mine = "\n\nACTIV_NADNAME\n\xAETestland\xAF\n0\n";
        EXPECT_EQ(testutil::read_file(nad_path), c.replaced ? mine : other);
        EXPECT_EQ(std::filesystem::exists(nad_path + ".neu"), c.beside);
        if (c.beside) EXPECT_EQ(testutil::read_file(nad_path + ".neu"), mine);
        EXPECT_STREQ(nad_active_name(), c.active);
    }
}
