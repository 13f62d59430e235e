#include "gui/window_settings.h"
#include "platform/os/calllog.h"
#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QTableView>

void load_window_settings(QMainWindow* window, const QString& path)
{
    QSettings s(path, QSettings::IniFormat);
    if (!window->restoreGeometry(s.value(QStringLiteral("mainwindowGeometry")).toByteArray())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->geometry();
            window->move((g.width() - 1) / 2 - (window->width() - 1) / 2,
                         (g.height() - 1) / 2 - (window->height() - 1) / 2);
        }
    }
    window->restoreState(s.value(QStringLiteral("mainwindowState")).toByteArray(), 0);
}

bool save_window_settings(QMainWindow* window, const QString& path)
{
    QSettings s(path, QSettings::IniFormat);
    s.setAtomicSyncRequired(true);   // written through a temporary file, renamed over the old one
    s.setValue(QStringLiteral("mainwindowGeometry"), window->saveGeometry());
    s.setValue(QStringLiteral("mainwindowState"), window->saveState(0));
    s.setValue(QStringLiteral("Font"), window->font());
    s.sync();
    return s.status() == QSettings::NoError;
}

FontsColors reset_fonts_colors()
{
    FontsColors fc;
    fc.background = QColor(225, 225, 225);
    fc.ergwin_ok = QColor(188, 255, 207);
    fc.ergwin_fehler = QColor(255, 153, 153);
    fc.toolbar = QColor(208, 208, 208);
    fc.tabheader = QColor(255, 255, 255);
    return fc;
}

namespace {

QColor stored_color(const QSettings& s, const char* key, const QColor& fallback)
{
    const QVariant v = s.value(QString::fromLatin1(key));
    QColor c = v.value<QColor>();
    return c.isValid() ? c : fallback;
}

} // namespace

FontsColors read_fonts_colors(const QString& path)
{
    FontsColors fc = reset_fonts_colors();
    QSettings s(path, QSettings::IniFormat);
    if (!s.contains(QStringLiteral("Font")))
        return fc;
    fc.has_font = true;
    fc.font = s.value(QStringLiteral("Font")).value<QFont>();
    fc.font_table = s.value(QStringLiteral("FontTable")).value<QFont>();
    fc.background = stored_color(s, "MainWindowBackground", fc.background);
    fc.ergwin_ok = stored_color(s, "ErgWindowBackground_ok", QColor(102, 255, 102));
    fc.ergwin_fehler = stored_color(s, "ErgWindowBackground_fehler", QColor(255, 153, 153));
    fc.toolbar = stored_color(s, "ToolBarBackground", fc.toolbar);
    fc.tabheader = stored_color(s, "TableHeaderBackground", fc.tabheader);
    return fc;
}

bool write_fonts_colors(const QString& path, const FontsColors& fc)
{
    QSettings s(path, QSettings::IniFormat);
    s.setAtomicSyncRequired(true);
    s.setValue(QStringLiteral("Font"), fc.font);
    s.setValue(QStringLiteral("FontTable"), fc.font_table);
    s.setValue(QStringLiteral("MainWindowBackground"), fc.background);
    s.setValue(QStringLiteral("ErgWindowBackground_ok"), fc.ergwin_ok);
    s.setValue(QStringLiteral("ErgWindowBackground_fehler"), fc.ergwin_fehler);
    s.setValue(QStringLiteral("ToolBarBackground"), fc.toolbar);
    s.setValue(QStringLiteral("TableHeaderBackground"), fc.tabheader);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString main_window_style(const QColor& c)
{
    return QStringLiteral("QMainWindow {background-color:") + c.name() + QStringLiteral("; }");
}

QString with_window_background(const QString& sheet, const QColor& c)
{
    QStringList kept;
    for (const QString& line : sheet.split(QLatin1Char('\n')))
        if (!line.startsWith(QLatin1String("QMainWindow {background-color:")) && !line.isEmpty())
            kept << line;
    kept << main_window_style(c);
    return kept.join(QLatin1Char('\n'));
}

QString dialog_style(const QColor& c)
{
    return QStringLiteral("QDialog {background-color:") + c.name() + QStringLiteral("; }");
}

QString tab_widget_style(const QColor& c)
{
    return QStringLiteral("QTabWidget {background-color:") + c.name() + QStringLiteral("; }");
}

QString results_box_style(const QColor& c)
{
    return QStringLiteral("background-color:") + c.name() + QStringLiteral(";");
}

QString tool_bar_style(const QColor& c)
{
    return QStringLiteral("QToolBar {background-color:") + c.name() + QStringLiteral("; }");
}

QString table_header_style(const QColor& c)
{
    return QStringLiteral("QHeaderView::section {background-color:") + c.name() + QStringLiteral(";}") +
           QStringLiteral("QTableCornerButton::section {background-color:") + c.name() + QStringLiteral(";}");
}

QColor choose_color(const QColor& initial, QWidget* parent)
{
    calllog::add("QColorDialog: " + initial.name().toStdString());
    if (calllog::has_answer() || !calllog::interactive()) {
        const int rgb = calllog::pop_answer(-1);
        return rgb < 0 ? QColor() : QColor(QRgb(rgb));
    }
    return QColorDialog::getColor(initial, parent);
}

QFont choose_font(const QFont& initial, QWidget* parent)
{
    calllog::add("QFontDialog: " + initial.family().toStdString() + " " + std::to_string(initial.pointSize()));
    if (calllog::has_answer() || !calllog::interactive()) {
        const int size = calllog::pop_answer(-1);
        QFont f(initial);
        if (size > 0) f.setPointSize(size);
        return f;
    }
    bool ok = false;
    // A cancelled dialog returns its initial font.
    return QFontDialog::getFont(&ok, initial, parent);
}

void apply_font_to_all_widgets(const QFont& font)
{
    for (QWidget* w : QApplication::allWidgets()) {
        if (qobject_cast<QTableView*>(w) || w->objectName() == QLatin1String("pb_font_default"))
            continue;
        w->setFont(font);
        w->update();
    }
}
