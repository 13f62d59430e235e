// The main window's settings: geometry per position, and the user's fonts and colours shared by
// all positions, with the font and colour choices the options dialog offers.
#include "gui/main_window.h"
#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "gui/exit_dialog.h"
#include "gui/hierarchical_header.h"
#include "gui/options_dialog.h"
#include "gui/position_saving.h"
#include "gui/window_settings.h"
#include <QHeaderView>

namespace {

QString qpath(const std::string& p) { return QString::fromLocal8Bit(p.c_str()); }

} // namespace

void MainWindow::loadSettings()
{
    load_window_settings(this, qpath(ini_path));
}

void MainWindow::saveSettings()
{
    if (!save_window_settings(this, qpath(ini_path))) report_failed_save(ini_path);
}

void MainWindow::loadSettings_fonts_colors()
{
    const FontsColors fc = read_fonts_colors(qpath(fonts_path));
    if (!fc.has_font) {
        set_application_default_color();
        return;
    }
    setFont(fc.font);
    tv_lasten->setFont(fc.font_table);
    updateAllWidgets(fc.font);
    refit_load_columns();

    color_background = fc.background;
    setStyleSheet(with_window_background(styleSheet(), color_background));
    if (options_dialog) options_dialog->setStyleSheet(dialog_style(color_background));
    if (exit_dialog) exit_dialog->setStyleSheet(dialog_style(color_background));

    color_ergwin_fehler = fc.ergwin_fehler;
    color_ergwin_ok = fc.ergwin_ok;
    show_results();

    color_buttonleiste = fc.toolbar;
    toolBar->setStyleSheet(tool_bar_style(color_buttonleiste));
    color_tabheader = fc.tabheader;
    tv_lasten->setStyleSheet(table_header_style(color_tabheader));
}

void MainWindow::saveSettings_fonts_colors()
{
    FontsColors fc;
    fc.font = font();
    fc.font_table = tv_lasten->font();
    fc.background = color_background;
    fc.ergwin_ok = color_ergwin_ok;
    fc.ergwin_fehler = color_ergwin_fehler;
    fc.toolbar = color_buttonleiste;
    fc.tabheader = color_tabheader;
    if (!write_fonts_colors(qpath(fonts_path), fc)) report_failed_save(fonts_path);
}

void MainWindow::set_application_default_color()
{
    const FontsColors reset = reset_fonts_colors();
    color_background = reset.background;
    color_ergwin_ok = reset.ergwin_ok;
    color_ergwin_fehler = reset.ergwin_fehler;
    color_buttonleiste = reset.toolbar;
    color_tabheader = reset.tabheader;
    setStyleSheet(with_window_background(styleSheet(), color_background));
    if (options_dialog) options_dialog->setStyleSheet(dialog_style(color_background));
    if (exit_dialog) exit_dialog->setStyleSheet(dialog_style(color_background));
    show_results();
    toolBar->setStyleSheet(tool_bar_style(color_buttonleiste));
    tv_lasten->setStyleSheet(table_header_style(color_tabheader));
}

// A cancelled colour choice keeps the colour there was, instead of turning it black.
void MainWindow::set_application_color_background()
{
    const QColor c = choose_color(color_background, this);
    if (!c.isValid()) return;
    color_background = c;
    setStyleSheet(with_window_background(styleSheet(), c));
    tabWidget->setStyleSheet(tab_widget_style(c));
    if (options_dialog) options_dialog->setStyleSheet(dialog_style(c));
    if (exit_dialog) exit_dialog->setStyleSheet(dialog_style(c));
}

void MainWindow::set_application_color_buttonleiste()
{
    const QColor c = choose_color(color_buttonleiste, this);
    if (!c.isValid()) return;
    color_buttonleiste = c;
    toolBar->setStyleSheet(tool_bar_style(c));
}

void MainWindow::set_application_color_tabheader()
{
    const QColor c = choose_color(color_tabheader, this);
    if (!c.isValid()) return;
    color_tabheader = c;
    tv_lasten->setStyleSheet(table_header_style(c));
}

void MainWindow::set_application_color_ergwin_ok()
{
    const QColor c = choose_color(color_ergwin_ok, this);
    if (!c.isValid()) return;
    color_ergwin_ok = c;
    display_nachweise(0);
}

void MainWindow::set_application_color_ergwin_fehler()
{
    const QColor c = choose_color(color_ergwin_fehler, this);
    if (!c.isValid()) return;
    color_ergwin_fehler = c;
    display_nachweise(0);
}

void MainWindow::set_application_font()
{
    updateAllWidgets(choose_font(font(), nullptr));
}

void MainWindow::set_application_default_font()
{
    const QFont f(QStringLiteral("Arial"), 10);
    tv_lasten->horizontalHeader()->setFont(f);
    tv_lasten->verticalHeader()->setFont(f);
    tv_lasten->setFont(f);
    updateAllWidgets(f);
    refit_load_columns();
}

void MainWindow::set_tabellen_font()
{
    const QFont f = choose_font(tv_lasten->font(), nullptr);
    if (header_view) header_view->setFont(f);
    tv_lasten->horizontalHeader()->setFont(f);
    tv_lasten->verticalHeader()->setFont(f);
    tv_lasten->setFont(f);
    refit_load_columns();
}

void MainWindow::updateAllWidgets(QFont font)
{
    all_widgets_font = font;
    apply_font_to_all_widgets(font);
}

void MainWindow::refit_load_columns()
{
    // A font or decimals change alters no cell, so the view would keep the widths it measured before.
    if (!header_view) return;
    header_view->resizeSections(QHeaderView::ResizeToContents);
    set_loads_section_modes();
    size_load_rows();
}
