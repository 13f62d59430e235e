// Damaged position files through the window: each is named in one message, and the file keeps its
// bytes until the user agrees to replace it; every file a save cannot write is named.
#include "gui/exit_dialog.h"
#include "national_annex/nad_current.h"
#include "window_fixture.h"
#include <QMessageBox>
#include <QSpinBox>
#include <unistd.h>

namespace {

const std::string kGoodFile =
    "3\n2 5 1 0\n120 240 70 70 100\n1\nA st\xe4ndig\n0 0 0 0 0 0 0 0.6\n17 12 1\n1 1\n1 1 0 0\n"
    "1 0 0\n0 0 0 5\n50 50 4 10 23 0 1\n100 8 1 1 13 2 4\n0 1 20 1\n1 1 1\n2\n";

std::string with(std::string s, const std::string& from, const std::string& to)
{
    return s.replace(s.find(from), from.size(), to);
}

// The one message about the opened file; empty when none was shown.
std::string file_message()
{
    std::string found;
    for (const std::string& e : calllog::entries())
        if (e.rfind("QMessageBox: Positionsdatei:", 0) == 0) {
            EXPECT_TRUE(found.empty()) << "one message per file\n" << found << "\n" << e;
            found = e;
        }
    return found;
}

} // namespace

TEST_F(WindowTest, DamagedPositionFilesAreNamedAndKeptUntilTheUserAgrees)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> named;   // fragments of the message
    };
    const Case cases[] = {
        {"empty", "", {"ist leer.", "mit den Vorgabewerten"}},
        {"garbage", "\x89PNG\r\n\x1a\n\x00\x00", {"ist keine Positionsdatei (erste Zeile \"\xe2\x80\xb0PNG\")"}},
        {"truncated after the loads", kGoodFile.substr(0, kGoodFile.find("17 12 1")),
         {"endet vorzeitig nach Zeile 6.", "Grafikbreite, Grafikhöhe, Maßstab optimal: in der Datei fehlt, "
                                           "übernommen 17 12 1"}},
        {"out of the form's ranges", with(kGoodFile, "120 240 70 70 100", "-140 1e300 70 70 100"),
         {"b: in der Datei -140, übernommen 40", "h: in der Datei 1e+300, übernommen 9999"}},
        {"not finite and huge", with(kGoodFile, "120 240 70 70 100\n1\nA st\xe4ndig\n0 0 0 0 0 0",
                                     "nan inf 70 70 1e308\n1\nA st\xe4ndig\n0 -inf 1e308 0 0 0"),
         {"b: in der Datei \"nan\", übernommen 120", "h: in der Datei \"inf\", übernommen 240",
          "a: in der Datei 1e+308, übernommen 9999", "Last 1 V_d links: in der Datei \"-inf\", übernommen 0",
          "Last 1 M_d links: in der Datei 1e+308, übernommen 9999"}},
        {"more decimals than the fields show", with(with(kGoodFile, "120 240 70 70 100", "120 299.9 70 70 100"),
                                                     "50 50 4 10", "50 50 4.26 10"),
         {"h: in der Datei 299.9, übernommen 299", "t_r: in der Datei 4.26, übernommen 4.3"}},
        // The loads table's cells are formatted with these decimals: checked before the table is built.
        {"decimals beyond int formatting", with(kGoodFile, "1 1 1\n2\n", "1 1 1\n2147483647\n"),
         {"Nachkommastellen Schnittgrößen: in der Datei 2147483647, übernommen 4"}},
        // k_mod 2 would raise f_m,d = 31.24 × 2.0 / 1.3 to 48.06 N/mm², above f_m,k: the load is left out.
        {"k_mod of a free load above Table 3.1", with(kGoodFile, "0 0 0 0 0 0 0 0.6", "0 0 0 0 0 0 8 2"),
         {"Last 1 \"A ständig\": in der Datei k_mod \"2\" (erlaubt k_mod über 0 bis 1.1), übernommen weggelassen"}},
        {"a switch of int max", with(kGoodFile, "\n1 1 0 0\n", "\n2147483647 1 0 0\n"),
         {"Biegung: in der Datei \"2147483647\" (erlaubt 0 oder 1), übernommen 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The one data object keeps the last window's values; start each case from the good file.
        ASSERT_TRUE(testutil::write_file(inp_path, kGoodFile));
        data_object.read_data();
        calllog::clear();
        ASSERT_TRUE(testutil::write_file(inp_path, c.bytes));
        open_file();
        const std::string message = file_message();
        EXPECT_NE(message.find("\n" + inp_path + "\n"), std::string::npos) << message;
        for (const std::string& part : c.named)
            EXPECT_NE(message.find(part), std::string::npos) << part << "\n" << message;
        for (auto* box : w->findChildren<QSpinBox*>())
            EXPECT_TRUE(box->value() >= box->minimum() && box->value() <= box->maximum());

        // "Ende mit Speichern" asks first; declined, the file keeps its bytes and the program goes on.
        ExitDialog* dlg = w->exitDialog();
        find<QAction>("actionEnde")->trigger();
        EXPECT_FALSE(quits_after([&] { QTest::mouseClick(dlg->butExitSave, Qt::LeftButton); }));
        EXPECT_TRUE(calllog::contains("QMessageBox: Speichern: Die Positionsdatei"));
        EXPECT_EQ(testutil::read_file(inp_path), c.bytes);
        EXPECT_FALSE(std::filesystem::exists(inp_path + ".bak"));
        dlg->hide();
        w.reset();
    }
}

TEST_F(WindowTest, AgreedSaveOfADamagedFileKeepsTheOldBytesBesideIt)
{
    const std::string damaged = kGoodFile.substr(0, kGoodFile.find("17 12 1"));
    ASSERT_TRUE(testutil::write_file(inp_path, damaged));
    open_file();
    calllog::push_answer(QMessageBox::Yes);
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_EQ(testutil::read_file(inp_path + ".bak"), damaged);
    EXPECT_NE(testutil::read_file(inp_path).find("\n17 12 1\n"), std::string::npos);
    EXPECT_FALSE(calllog::contains("QMessageBox: Fehler:"));

    // The file is the program's own now: the next save asks nothing.
    calllog::clear();
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_FALSE(calllog::contains("QMessageBox: Speichern:"));
    EXPECT_FALSE(std::filesystem::exists(inp_path + ".bak2"));
}

TEST_F(WindowTest, UnreadablePositionFileIsNamedAndNotReplacedWithoutConsent)
{
    // A link to itself cannot be opened, even by root, for whom permissions do not count.
    ASSERT_EQ(::symlink("T1_01.inp", inp_path.c_str()), 0);
    open_file();
    const std::string message = file_message();
    EXPECT_NE(message.find("kann nicht gelesen werden"), std::string::npos) << message;
    EXPECT_EQ(w->loads_model()->rowCount(), 1) << "a new position with its default load";
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Speichern:"));
    EXPECT_TRUE(std::filesystem::is_symlink(inp_path));
    EXPECT_EQ(std::filesystem::read_symlink(inp_path), "T1_01.inp");
}

TEST_F(WindowTest, GoodAndNewPositionsOpenWithoutAMessage)
{
    open_file();
    EXPECT_EQ(file_message(), "") << "no file yet: a new position";
    w.reset();
    ASSERT_TRUE(testutil::write_file(inp_path, kGoodFile));
    open_file();
    EXPECT_EQ(file_message(), "");
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_FALSE(calllog::contains("QMessageBox: Speichern:"));
}

TEST_F(WindowTest, AFolderInPlaceOfTheChoiceFileFailsTheSave)
{
    ASSERT_TRUE(testutil::write_file(inp_path, kGoodFile));
    // There when the position opens: a folder made later would be another program's change.
    std::filesystem::create_directory(nad_path);
    open_file();
    EXPECT_TRUE(calllog::contains("file refused: Die Datei\n" + nad_path + "\nist keine Datei (ein Ordner)."));
    find<QAction>("actionDaten_sichern")->trigger();
    EXPECT_TRUE(calllog::contains("QMessageBox: Fehler: Die Datei\n" + nad_path + "\nkonnte nicht gespeichert werden!"));
    ExitDialog* dlg = w->exitDialog();
    find<QAction>("actionEnde")->trigger();
    EXPECT_FALSE(quits_after([&] { QTest::mouseClick(dlg->butExitSave, Qt::LeftButton); }));
    dlg->hide();
}

// A national-annex set and screw tables that cannot be read are named in a message box, once: a
// second window over the same files says nothing new.
TEST_F(WindowTest, UnreadableSetAndScrewTablesAreNamedOnce)
{
    std::filesystem::create_directories(dir.file("DATA/NAD"));
    ASSERT_TRUE(testutil::write_file(dir.file("DATA/NAD/Deutschland.NAD"), "kaputt\n"));
    ASSERT_TRUE(testutil::write_file(dir.file("DATA/NAD/Standard.NAD"), "kaputt\n"));
    ASSERT_TRUE(testutil::write_file(inp_path, kGoodFile));
    // The tables are looked for in this position's private data folder, which holds one with a length
    // no screw has.
    std::filesystem::create_directories(dir.file("DATA/PRIVATE"));
    ASSERT_TRUE(testutil::write_file(dir.file("DATA/PRIVATE/ec5_assy_plus_vg_s.dat"),
                                     "# assy\n1\n1\n8.0 5.3 15.0 0.0 0.9 2147483647\n"));
    Set_CurOb_Privat_Datapath(dir.file("DATA/PRIVATE").c_str());
    const auto count = [](const std::string& part) {
        int n = 0;
        for (const std::string& e : calllog::entries()) n += e.find(part) != std::string::npos;
        return n;
    };
    for (int window = 0; window < 2; ++window) {
        SCOPED_TRACE(window);
        nad_forget_state();   // the set is activated anew with each window
        calllog::clear();
        open_file();
        const int set_messages = count(dir.file("DATA/NAD/Deutschland.NAD") + " wird nicht verwendet:");
        const int table_messages = count("QMessageBox: Schraubentabellen: ");
        EXPECT_EQ(set_messages, window == 0 ? 1 : 0);
        EXPECT_EQ(table_messages, window == 0 ? 1 : 0);
        // The results' status line says every time that the chosen set was refused and which applies.
        // Its tool tip gives the reason with the file; the window stays within a 1280 x 1024 screen.
        const QString status = find<QLabel>("erg_status")->text();
        EXPECT_TRUE(status.contains(QString::fromUtf8("Der gewählte Parametersatz \"Deutschland\" wurde verworfen, es "
                                                      "gelten die EC-Standardparameter ohne nationalen Anhang.")))
            << status.toStdString();
        EXPECT_TRUE(find<QLabel>("erg_status")->toolTip().startsWith(
            QStringLiteral("Grund: ") + QString::fromStdString(dir.file("DATA/NAD/Deutschland.NAD"))))
            << find<QLabel>("erg_status")->toolTip().toStdString();
        QTest::qWait(50);
        EXPECT_LE(w->frameGeometry().height(), 1024);
        if (window == 0) {
            EXPECT_TRUE(calllog::contains("Die Datei ist kein lesbarer Parametersatz."));
            // (A table loaded by an earlier window of this process stays loaded; these never are.)
            for (const char* table : {"ec5_assy_plus_vg_z.dat", "ec5_assy_plus_vg_s.dat"})
                EXPECT_TRUE(calllog::contains(dir.file("DATA/PRIVATE/") + table)) << table;
            EXPECT_TRUE(calllog::contains(dir.file("DATA/PRIVATE/ec5_assy_plus_vg_s.dat") +
                                          ": Zeile 4: Länge = 2147483647 mm liegt nicht über 0 bis 3000 mm\n"));
        }
        w.reset();
    }
    nad_forget_state();
    Set_CurOb_Privat_Datapath(nullptr);
}

// Every number field of the form takes its range from the field that shows it: each is named once,
// in the order of the file, with the bound it was brought to.
TEST_F(WindowTest, EveryNumberFieldBeyondItsRangeIsNamedInTheFilesOrder)
{
    std::string bytes = with(kGoodFile, "120 240 70 70 100", "1e9 1e9 1e9 1e9 1e9");
    bytes = with(bytes, "50 50 4 10 23", "1e9 1e9 1e9 1e9 23");
    bytes = with(bytes, "100 8 1 1 13", "1e9 8 99999 99999 13");
    ASSERT_TRUE(testutil::write_file(inp_path, bytes));
    open_file();
    const std::string message = file_message();
    std::string::size_type at = 0;
    for (const char* field : {"b", "h", "h_ro", "h_ru", "a", "a_r", "h_1", "t_r", "f_t,k Laschen", "l_e",
                              "Anzahl Gewindestangen", "Anzahl Schrauben"}) {
        const std::string named = std::string("\n") + field + ": in der Datei ";
        const auto found = message.find(named, at);
        ASSERT_NE(found, std::string::npos) << field << " after place " << at << "\n" << message;
        EXPECT_EQ(message.find(named, found + 1), std::string::npos) << field << " named twice";
        at = found + 1;
    }
    for (auto* box : w->findChildren<QSpinBox*>())
        EXPECT_EQ(box->value(), box->maximum()) << box->objectName().toStdString();
    // A refused typed value names its field: every number field has its name.
    for (auto* box : w->findChildren<QAbstractSpinBox*>())
        EXPECT_FALSE(box->property("feldname").toString().isEmpty()) << box->objectName().toStdString();
}
