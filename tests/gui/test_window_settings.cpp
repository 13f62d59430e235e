// Window geometry per position and the shared fonts and colours file: keys round trip, missing
// keys, damaged and unwritable files, the style templates and the scripted choosers.
#include "gui/window_settings.h"
#include "common/test_util.h"
#include "platform/os/calllog.h"
#include <QGuiApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QHeaderView>
#include <QTableView>
#include <QDockWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

QString qpath(const std::string& p) { return QString::fromStdString(p); }

} // namespace

TEST(FontsColorsFile, KeysRoundTrip)
{
    testutil::ScratchDir dir;
    const QString path = qpath(dir.file("tavo52_fonts"));
    FontsColors fc;
    fc.font = QFont(QStringLiteral("DejaVu Sans"), 13);
    fc.font_table = QFont(QStringLiteral("DejaVu Serif"), 9);
    fc.background = QColor(1, 2, 3);
    fc.ergwin_ok = QColor(4, 5, 6);
    fc.ergwin_fehler = QColor(7, 8, 9);
    fc.toolbar = QColor(10, 11, 12);
    fc.tabheader = QColor(13, 14, 15);
    ASSERT_TRUE(write_fonts_colors(path, fc));

    {   // the file carries the shared keys
        QSettings s(path, QSettings::IniFormat);
        for (const char* key : {"Font", "FontTable", "MainWindowBackground", "ErgWindowBackground_ok",
                                "ErgWindowBackground_fehler", "ToolBarBackground", "TableHeaderBackground"})
            EXPECT_TRUE(s.contains(QString::fromLatin1(key))) << key;
    }
    const FontsColors back = read_fonts_colors(path);
    EXPECT_TRUE(back.has_font);
    EXPECT_EQ(back.font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(back.font.pointSize(), 13);
    EXPECT_EQ(back.font_table.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(back.font_table.pointSize(), 9);
    EXPECT_EQ(back.background, fc.background);
    EXPECT_EQ(back.ergwin_ok, fc.ergwin_ok);
    EXPECT_EQ(back.ergwin_fehler, fc.ergwin_fehler);
    EXPECT_EQ(back.toolbar, fc.toolbar);
    EXPECT_EQ(back.tabheader, fc.tabheader);
}

TEST(FontsColorsFile, MissingDamagedAndPartialFiles)
{
    testutil::ScratchDir dir;
    const FontsColors reset = reset_fonts_colors();
    EXPECT_EQ(reset.background.name(), QStringLiteral("#e1e1e1"));
    EXPECT_EQ(reset.ergwin_ok.name(), QStringLiteral("#bcffcf"));
    EXPECT_EQ(reset.ergwin_fehler.name(), QStringLiteral("#ff9999"));
    EXPECT_EQ(reset.toolbar.name(), QStringLiteral("#d0d0d0"));
    EXPECT_EQ(reset.tabheader.name(), QStringLiteral("#ffffff"));

    // No file: no font, the reset colours.
    FontsColors fc = read_fonts_colors(qpath(dir.file("none")));
    EXPECT_FALSE(fc.has_font);
    EXPECT_EQ(fc.background, reset.background);

    // Damaged bytes read as a file without "Font".
    ASSERT_TRUE(testutil::write_file(dir.file("damaged"), std::string("\x00\xff[[=\n\x01Font\x00=\xfe", 14)));
    fc = read_fonts_colors(qpath(dir.file("damaged")));
    EXPECT_FALSE(fc.has_font);
    EXPECT_EQ(fc.toolbar, reset.toolbar);

    // "Font" without colours: never black; the results box takes RGB 102, 255, 102 and 255, 153, 153.
    {
        QSettings s(qpath(dir.file("partial")), QSettings::IniFormat);
        s.setValue(QStringLiteral("Font"), QFont(QStringLiteral("DejaVu Sans"), 11));
        s.setValue(QStringLiteral("ToolBarBackground"), QColor());   // an invalid colour stored
    }
    fc = read_fonts_colors(qpath(dir.file("partial")));
    EXPECT_TRUE(fc.has_font);
    EXPECT_EQ(fc.background.name(), QStringLiteral("#e1e1e1"));
    EXPECT_EQ(fc.toolbar.name(), QStringLiteral("#d0d0d0"));
    EXPECT_EQ(fc.tabheader.name(), QStringLiteral("#ffffff"));
    EXPECT_EQ(fc.ergwin_ok, QColor(102, 255, 102));
    EXPECT_EQ(fc.ergwin_fehler, QColor(255, 153, 153));
}

// Hand-edited or damaged values: each unusable font or colour takes its default, the others stay.
TEST(FontsColorsFile, GarbageValuesFallBackToDefaults)
{
    struct Case {
        const char* name;
        std::string ini;
        bool font_kept;
    };
    const std::string colours = "MainWindowBackground=#010203\nToolBarBackground=@Variant(\\0\\0\\0\\x43\\x1)\n"
                                "ErgWindowBackground_ok=#zzzzzz\nErgWindowBackground_fehler=1e8\n";
    const Case cases[] = {
        {"good", "[General]\nFont=\"DejaVu Sans,13,-1,5,50,0,0,0,0,0\"\n" + colours, true},
        {"variant text", "[General]\nFont=@Variant(\n" + colours, false},
        {"huge size", "[General]\nFont=\"DejaVu Sans,100000000,-1,5,50,0,0,0,0,0\"\n" + colours, false},
        {"tiny size", "[General]\nFont=\"DejaVu Sans,0.01,-1,5,50,0,0,0,0,0\"\n" + colours, false},
        {"control characters", "[General]\nFont=\"Dej\\x1aVu,12,-1,5,50,0,0,0,0,0\"\n" + colours, false},
        {"long family", "[General]\nFont=\"" + std::string(300, 'x') + ",12,-1,5,50,0,0,0,0,0\"\n" + colours, false},
        {"list", "[General]\nFont=a, b, c\n" + colours, false},
    };
    testutil::ScratchDir dir;
    for (const Case& c : cases) {
        const std::string file = dir.file(c.name);
        ASSERT_TRUE(testutil::write_file(file, c.ini));
        const FontsColors fc = read_fonts_colors(qpath(file));
        EXPECT_TRUE(fc.has_font) << c.name;
        if (c.font_kept) {
            EXPECT_EQ(fc.font.family(), QStringLiteral("DejaVu Sans")) << c.name;
            EXPECT_EQ(fc.font.pointSize(), 13) << c.name;
        } else {
            EXPECT_EQ(fc.font, QFont()) << c.name;
        }
        EXPECT_EQ(fc.font_table, QFont()) << c.name;   // no key
        EXPECT_EQ(fc.background, QColor(1, 2, 3)) << c.name;
        EXPECT_EQ(fc.toolbar.name(), QStringLiteral("#d0d0d0")) << c.name;
        EXPECT_EQ(fc.ergwin_ok, QColor(102, 255, 102)) << c.name;
        EXPECT_EQ(fc.ergwin_fehler, QColor(255, 153, 153)) << c.name;
        EXPECT_TRUE(fonts_colors_sane(fc)) << c.name;
    }
    // A transparent colour as Qt writes it is no background either.
    {
        QSettings s(qpath(dir.file("transparent")), QSettings::IniFormat);
        s.setValue(QStringLiteral("Font"), QFont(QStringLiteral("DejaVu Sans"), 11));
        s.setValue(QStringLiteral("MainWindowBackground"), QColor(1, 2, 3, 0));
    }
    EXPECT_EQ(read_fonts_colors(qpath(dir.file("transparent"))).background.name(), QStringLiteral("#e1e1e1"));
    // A stored colour of a kind no colour has (found by the fuzzer): never even copied.
    const FontsColors unknown = read_fonts_colors(QStringLiteral(TAVO_TEST_DATA_DIR "/colour_of_unknown_kind.ini"));
    EXPECT_EQ(unknown.background.name(), QStringLiteral("#e1e1e1"));
    EXPECT_EQ(unknown.font.pointSize(), 10);
    EXPECT_EQ(read_fonts_colors(QStringLiteral(TAVO_TEST_DATA_DIR "/brush_in_place_of_colour.ini")).background.name(),
              QStringLiteral("#e1e1e1"));
}

// A colour whose stream bytes name an unknown type makes the stream read a string of a length
// taken from the bytes (found by the fuzzer: the program ran out of memory). Both files of
// the kind read as defaults.
TEST(FontsColorsFile, SerialisedValueOfAnotherTypeReadsAsDefaults)
{
    const QString path = QStringLiteral(TAVO_TEST_DATA_DIR "/colour_list_count_crash.ini");
    const FontsColors fc = read_fonts_colors(path);
    const FontsColors reset = reset_fonts_colors();
    EXPECT_TRUE(fc.has_font);
    EXPECT_EQ(fc.font, QFont());
    EXPECT_EQ(fc.background, reset.background);
    EXPECT_EQ(fc.toolbar, reset.toolbar);
    EXPECT_EQ(fc.tabheader, reset.tabheader);
    EXPECT_EQ(fc.ergwin_ok, QColor(102, 255, 102));
    EXPECT_EQ(fc.ergwin_fehler, QColor(255, 153, 153));
    QMainWindow w;
    w.resize(320, 240);
    load_window_settings(&w, path);
    EXPECT_EQ(w.size(), QSize(320, 240));
}

// Fonts are written as text; fonts an earlier version wrote as serialised objects still read.
TEST(FontsColorsFile, FontsAsTextAndEarlierSerialisedFonts)
{
    testutil::ScratchDir dir;
    const QString path = qpath(dir.file("fonts.ini"));
    FontsColors fc = reset_fonts_colors();
    fc.font = QFont(QStringLiteral("DejaVu Sans"), 12);
    fc.font_table = QFont(QStringLiteral("DejaVu Serif"), 8);
    ASSERT_TRUE(write_fonts_colors(path, fc));
    const std::string text = testutil::read_file(dir.file("fonts.ini"));
    EXPECT_NE(text.find("Font=\"DejaVu Sans,12,"), std::string::npos) << text;
    EXPECT_EQ(text.find("Font=@Variant"), std::string::npos) << text;
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("FontTable"), QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    }
    const FontsColors back = read_fonts_colors(path);
    EXPECT_EQ(back.font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(back.font_table.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(back.font_table.pointSize(), 9);
}

// A geometry off every screen lands on the primary screen; one of absurd size or of damaged bytes
// leaves the window its own size.
TEST(WindowSettingsFile, GeometryOffEveryScreenIsCentred)
{
    testutil::ScratchDir dir;
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->geometry();
    QMainWindow source;
    source.resize(300, 200);
    const QPoint placements[] = {{area.right() + 5000, 10}, {-100000, -100000}, {10, area.bottom() + 3000}};
    std::vector<QByteArray> geometries;
    for (const QPoint& at : placements) {
        source.move(at);
        geometries.push_back(source.saveGeometry());
    }
    source.move(10, 10);
    source.resize(100000, 100000);
    geometries.push_back(source.saveGeometry());
    geometries.push_back(QByteArray("\x01\xd9\xd0\xcb\x00\x03\x00\x00garbage", 16));
    for (size_t i = 0; i < geometries.size(); ++i) {
        const QString file = qpath(dir.file("pos" + std::to_string(i) + ".ini"));
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue(QStringLiteral("mainwindowGeometry"), geometries[i]);
        }
        QMainWindow w;
        w.resize(640, 480);
        load_window_settings(&w, file);
        EXPECT_EQ(w.size(), i < 3 ? QSize(300, 200) : QSize(640, 480)) << i;
        const QRect seen = area.intersected(w.frameGeometry());
        EXPECT_EQ(seen.size(), w.frameGeometry().size()) << i;
    }
    // A geometry on the screen is taken as it is.
    source.resize(300, 200);
    source.move(area.x() + 20, area.y() + 30);
    {
        QSettings s(qpath(dir.file("on.ini")), QSettings::IniFormat);
        s.setValue(QStringLiteral("mainwindowGeometry"), source.saveGeometry());
    }
    QMainWindow w;
    load_window_settings(&w, qpath(dir.file("on.ini")));
    EXPECT_EQ(w.size(), QSize(300, 200));
    EXPECT_EQ(w.pos(), QPoint(area.x() + 20, area.y() + 30));
}

TEST(FontsColorsFile, FailedWriteKeepsTheOldFile)
{
    testutil::ScratchDir dir;
    // A folder in place of the file cannot be replaced.
    ASSERT_TRUE(testutil::write_file(dir.file("blocker"), "x"));
    EXPECT_FALSE(write_fonts_colors(qpath(dir.file("blocker/tavo52_fonts")), reset_fonts_colors()));
    EXPECT_EQ(testutil::read_file(dir.file("blocker")), "x");
}

TEST(StyleTemplates, ColourNames)
{
    const QColor c(0x12, 0xab, 0xef);
    EXPECT_EQ(main_window_style(c), QStringLiteral("QMainWindow {background-color:#12abef; }"));
    EXPECT_EQ(dialog_style(c), QStringLiteral("QDialog {background-color:#12abef; }"));
    EXPECT_EQ(tab_widget_style(c), QStringLiteral("QTabWidget {background-color:#12abef; }"));
    EXPECT_EQ(results_box_style(c), QStringLiteral("background-color:#12abef;"));
    EXPECT_EQ(tool_bar_style(c), QStringLiteral("QToolBar {background-color:#12abef; }"));
    EXPECT_EQ(table_header_style(c), QStringLiteral("QHeaderView::section {background-color:#12abef;}"
                                                    "QTableCornerButton::section {background-color:#12abef;}"));
}

TEST(StyleTemplates, WindowBackgroundReplacesTheEarlierOne)
{
    const QString form = QStringLiteral("QScrollArea { background-color: #F1F4dF; }\n"
                                        "QPushButton:hover { background-color: #D8D8D8; }");
    const QString once = with_window_background(form, QColor(0xe1, 0xe1, 0xe1));
    const QString twice = with_window_background(once, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(twice, form + QStringLiteral("\nQMainWindow {background-color:#123456; }"));
}

TEST(WindowSettingsFile, GeometryRoundTripAndCentring)
{
    testutil::ScratchDir dir;
    const QString path = qpath(dir.file("T1_01.ini"));
    {
        QMainWindow w;
        w.setGeometry(40, 50, 300, 200);
        ASSERT_TRUE(save_window_settings(&w, path));
    }
    QSettings s(path, QSettings::IniFormat);
    EXPECT_TRUE(s.contains(QStringLiteral("mainwindowGeometry")));
    EXPECT_TRUE(s.contains(QStringLiteral("mainwindowState")));
    EXPECT_TRUE(s.contains(QStringLiteral("Font")));
    {
        QMainWindow w;
        load_window_settings(&w, path);
        EXPECT_EQ(w.size(), QSize(300, 200));
    }

    // Without a file, and with a damaged one, the window is centred:
    // x = floor((screen width - 1) / 2) - floor((window width - 1) / 2), likewise y.
    ASSERT_TRUE(testutil::write_file(dir.file("damaged.ini"), "mainwindowGeometry=@ByteArray(\\x1\\x2)\n\x01\x02"));
    for (const char* name : {"missing.ini", "damaged.ini"}) {
        QMainWindow w;
        w.resize(201, 101);
        load_window_settings(&w, qpath(dir.file(name)));
        const QRect g = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(w.pos(), QPoint((g.width() - 1) / 2 - 100, (g.height() - 1) / 2 - 50)) << name;
    }
}

// The tool bar's place round-trips; a state of another layout (a dock widget's) or damaged
// areas and counts (found by the fuzzer: Qt wrote outside its tables) leaves the layout alone.
TEST(WindowSettingsFile, ToolBarStateRoundTripsAndForeignStatesAreIgnored)
{
    testutil::ScratchDir dir;
    auto window_with_tool_bar = [](QMainWindow& w) {
        auto* bar = new QToolBar(&w);
        bar->setObjectName(QStringLiteral("toolBar"));
        w.addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    const QString path = qpath(dir.file("T1_01.ini"));
    {
        QMainWindow w;
        QToolBar* bar = window_with_tool_bar(w);
        w.addToolBar(Qt::LeftToolBarArea, bar);
        ASSERT_TRUE(save_window_settings(&w, path));
    }
    {
        QMainWindow w;
        QToolBar* bar = window_with_tool_bar(w);
        load_window_settings(&w, path);
        EXPECT_EQ(w.toolBarArea(bar), Qt::LeftToolBarArea);
    }
    {   // a state written by a window with a dock widget
        QMainWindow w;
        w.addToolBar(Qt::LeftToolBarArea, window_with_tool_bar(w));
        auto* dock = new QDockWidget(&w);
        dock->setObjectName(QStringLiteral("dock"));
        w.addDockWidget(Qt::RightDockWidgetArea, dock);
        QSettings s(qpath(dir.file("dock.ini")), QSettings::IniFormat);
        s.setValue(QStringLiteral("mainwindowState"), w.saveState(0));
    }
    for (const char* file : {"dock.ini", "crash"}) {
        const QString name = std::string(file) == "crash"
                                 ? QStringLiteral(TAVO_TEST_DATA_DIR "/window_state_dock_area_crash.ini")
                                 : qpath(dir.file(file));
        QMainWindow w;
        QToolBar* bar = window_with_tool_bar(w);
        load_window_settings(&w, name);
        EXPECT_EQ(w.toolBarArea(bar), Qt::TopToolBarArea) << file;
    }
}

TEST(Choosers, ScriptedAndCancelled)
{
    calllog::clear();
    calllog::clear_answers();
    calllog::push_answer(0x336699);
    EXPECT_EQ(choose_color(QColor(1, 2, 3), nullptr), QColor(0x33, 0x66, 0x99));
    EXPECT_TRUE(calllog::contains("QColorDialog: #010203"));
    // Nobody there to answer: cancelled, an invalid colour.
    EXPECT_FALSE(choose_color(QColor(1, 2, 3), nullptr).isValid());

    const QFont initial(QStringLiteral("DejaVu Sans"), 10);
    calllog::push_answer(14);
    EXPECT_EQ(choose_font(initial, nullptr).pointSize(), 14);
    EXPECT_EQ(choose_font(initial, nullptr), initial);
}

TEST(Fonts, AllWidgetsButTableViewsAndTheDefaultButton)
{
    QWidget top;
    auto* lay = new QVBoxLayout(&top);
    auto* plain = new QPushButton(QStringLiteral("a"));
    auto* keep = new QPushButton(QStringLiteral("b"));
    keep->setObjectName(QStringLiteral("pb_font_default"));
    auto* table = new QTableView;
    lay->addWidget(plain);
    lay->addWidget(keep);
    lay->addWidget(table);
    // Every widget of the forms carries a font of its own, which a parent's font does not override.
    keep->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 8));
    table->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    const QFont f(QStringLiteral("DejaVu Serif"), 17);
    apply_font_to_all_widgets(f);
    EXPECT_EQ(plain->font().pointSize(), 17);
    EXPECT_EQ(keep->font().pointSize(), 8);
    EXPECT_EQ(table->font().pointSize(), 9);
    // Header views are no table views and take the font.
    EXPECT_EQ(table->horizontalHeader()->font().pointSize(), 17);
}

// One line without "=" in the shared fonts file made every later save fail: it is left out, the
// user is told once, and the next save writes the file whole again.
TEST(FontsColorsFile, LineWithoutEqualsIsLeftOutAndTheFileRepairedAtTheNextSave)
{
    testutil::ScratchDir dir;
    const std::string file = dir.file("tavo52_fonts");
    ASSERT_TRUE(testutil::write_file(file, "[General]\nFont=\"DejaVu Sans,13,-1,5,50,0,0,0,0,0\"\n"
                                           "Zeile ohne Gleichheitszeichen\n[Kaputt\nMainWindowBackground=#010203\n"));
    calllog::clear();
    const FontsColors fc = read_fonts_colors(qpath(file));
    EXPECT_EQ(fc.font.pointSize(), 13);
    EXPECT_EQ(fc.background, QColor(1, 2, 3));
    read_fonts_colors(qpath(file));
    int told = 0;
    for (const std::string& e : calllog::entries())
        if (e.find("QMessageBox: Einstellungen: Die Einstellungsdatei\n" + file + "\nenthält 2 beschädigte") == 0) ++told;
    EXPECT_EQ(told, 1) << "told once";

    ASSERT_TRUE(write_fonts_colors(qpath(file), fc));
    const std::string saved = testutil::read_file(file);
    EXPECT_EQ(saved.find("Zeile ohne"), std::string::npos);
    EXPECT_EQ(saved.find("[Kaputt"), std::string::npos);
    QSettings check(qpath(file), QSettings::IniFormat);
    check.allKeys();
    EXPECT_EQ(check.status(), QSettings::NoError);
    ASSERT_TRUE(write_fonts_colors(qpath(file), fc)) << "and saves go on working";
}

// Settings are edited through a copy beside the file, never in the temp folder; what killed saves
// left beside the file (copies, their lock and working files) is removed at the next save, while
// the files of a running program and other files stay.
TEST(FontsColorsFile, SavesUseNoTempFolderAndRemoveLeftoversOfKilledSaves)
{
    testutil::ScratchDir dir, temp;
    const QByteArray old_tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(temp.path()));
    const std::string file = dir.file("tavo52_fonts");
    // pid_max is at most 2^22: this program does not run.
    const std::string dead = "tavo52_fonts.save-4194305-", live = "tavo52_fonts.save-1-";
    const std::vector<std::string> leftovers = {dead + "aB3dE9", dead + "aB3dE9.lock", dead + "aB3dE9.Xy12Zq"};
    const std::vector<std::string> kept = {live + "aB3dE9", live + "aB3dE9.lock", "tavo52_fonts.save-4194305-x",
                                           "anderes.save-4194305-aB3dE9"};
    for (const std::string& name : leftovers) ASSERT_TRUE(testutil::write_file(dir.file(name), "x"));
    for (const std::string& name : kept) ASSERT_TRUE(testutil::write_file(dir.file(name), "x"));

    ASSERT_TRUE(write_fonts_colors(qpath(file), reset_fonts_colors()));
    read_fonts_colors(qpath(file));
    for (const std::string& name : leftovers) EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    for (const std::string& name : kept) EXPECT_TRUE(std::filesystem::exists(dir.file(name))) << name;
    EXPECT_TRUE(std::filesystem::is_empty(temp.path())) << "nothing in the temp folder";
    if (old_tmpdir.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", old_tmpdir);
}
