// The window's geometry per position, and the user's fonts and colours in one INI file shared by
// all positions, with the style-sheet templates that apply the colours.
#pragma once
#include <QColor>
#include <QFont>
#include <QString>

class QMainWindow;
class QWidget;

// Restores geometry ("mainwindowGeometry") and state ("mainwindowState", version 0) of the window;
// without a usable geometry, or with one off every screen, the window keeps its size and is
// centred on the primary screen. A state of another layout than this program's (dock widgets,
// damaged areas or counts) is not restored.
void load_window_settings(QMainWindow* window, const QString& path);
// Writes geometry, state and font ("Font"); false when the file could not be written. A file that
// another program changed since it was read is saved over, or beside it, only as the user answers.
bool save_window_settings(QMainWindow* window, const QString& path);

struct FontsColors {
    bool has_font = false;   // the file holds "Font"; without it only the reset colours count
    QFont font;              // screen font
    QFont font_table;        // font of the loads table
    QColor background, ergwin_ok, ergwin_fehler, toolbar, tabheader;
};

// The reset colours: #e1e1e1, #bcffcf, #ff9999, #d0d0d0, #ffffff.
FontsColors reset_fonts_colors();
// Reads the shared file. A colour key that is missing or holds no valid, opaque colour takes the
// reset colour (the results-box colours: RGB 102, 255, 102 and 255, 153, 153), never black. A
// font that is no font (a family that is empty, over-long, a serialised value or control
// characters; a size outside 4..72 pt) takes the application's default font.
FontsColors read_fonts_colors(const QString& path);
bool font_is_sane(const QFont& font);
// Every font and colour of `fc` is one read_fonts_colors can hand back.
bool fonts_colors_sane(const FontsColors& fc);
// Writes all seven keys through a temporary file; false (old file kept) on failure. A file that
// another program changed since it was read is handled as for the window settings.
bool write_fonts_colors(const QString& path, const FontsColors& fc);

QString main_window_style(const QColor& c);   // "QMainWindow {background-color:#rrggbb; }"
// The window's style sheet with the background template in place of an earlier one; the form's
// other rules (hover look of the buttons, scroll areas) stay.
QString with_window_background(const QString& sheet, const QColor& c);
QString dialog_style(const QColor& c);        // "QDialog {background-color:#rrggbb; }"
QString tab_widget_style(const QColor& c);    // "QTabWidget {background-color:#rrggbb; }"
QString results_box_style(const QColor& c);   // "background-color:#rrggbb;"
QString tool_bar_style(const QColor& c);      // "QToolBar {background-color:#rrggbb; }"
QString table_header_style(const QColor& c);  // header sections and the corner button

// The colour and font choices of a person. Logged; with a scripted answer (colour 0xRRGGBB,
// font point size) or without a display no dialog is shown, and no answer means cancel.
// A cancelled colour choice returns an invalid colour; a cancelled font choice the initial font.
QColor choose_color(const QColor& initial, QWidget* parent);
QFont choose_font(const QFont& initial, QWidget* parent);

// Sets the font on every widget of the application except table views and "pb_font_default".
void apply_font_to_all_widgets(const QFont& font);
