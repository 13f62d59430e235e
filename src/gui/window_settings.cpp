#include "gui/window_settings.h"
#include "core/position_file.h"
#include "gui/position_saving.h"
#include "platform/env/ini_screen.h"
#include "platform/os/atomic_file.h"
#include "platform/env/qt_message_box.h"
#include "platform/os/calllog.h"
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <cstring>

namespace {

// A window's side beyond this is no real screen's, and less of it than this on a screen cannot
// be grabbed with the mouse.
const int kMaxWindowSide = 16384;
const int kMinVisibleSide = 48;

bool on_some_screen(const QRect& frame)
{
    if (frame.width() <= 0 || frame.height() <= 0 || frame.width() > kMaxWindowSide || frame.height() > kMaxWindowSide)
        return false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = frame.intersected(screen->availableGeometry());
        if (seen.width() >= kMinVisibleSide && seen.height() >= kMinVisibleSide) return true;
    }
    return false;
}

void centre_on_primary_screen(QMainWindow* window)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window->move((g.width() - 1) / 2 - (window->width() - 1) / 2,
                     (g.height() - 1) / 2 - (window->height() - 1) / 2);
    }
}

// Reads the big-endian fields of a window state one after the other; any read past the end
// marks the whole state unusable.
class StateReader {
public:
    explicit StateReader(const QByteArray& bytes) : b_(bytes) {}
    bool ok() const { return ok_; }
    bool at_end() const { return ok_ && at_ == b_.size(); }
    uint32_t u32()
    {
        if (!ok_ || b_.size() - at_ < 4) return fail();
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | uint8_t(b_[at_++]);
        return v;
    }
    int32_t i32() { return int32_t(u32()); }
    uint8_t u8()
    {
        if (!ok_ || at_ >= b_.size()) return uint8_t(fail());
        return uint8_t(b_[at_++]);
    }
    void skip(uint32_t n)
    {
        if (!ok_ || uint32_t(b_.size() - at_) < n) fail();
        else at_ += int(n);
    }
    uint32_t fail()
    {
        ok_ = false;
        return 0;
    }
private:
    const QByteArray& b_;
    int at_ = 0;
    bool ok_ = true;
};

bool in_range(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// Only the layout this window writes is restored: the state's marker and version 0, a dock
// area without dock widgets (the central size and the four corners' areas), and tool bar lines
// in the four areas with named tool bars. Qt's own reader trusts the areas and counts in the
// bytes (a damaged state made it write outside its tables), so anything else is no state.
bool window_state_is_ours(const QByteArray& state)
{
    const uint32_t kVersionMarker = 0xff, kDockMarker = 0xfd, kToolBarMarker = 0xfc;
    const int kMaxLines = 16, kMaxToolBars = 16, kDockAreas = 4, kMaxNameBytes = 2 * 100;
    StateReader r(state);
    if (r.u32() != kVersionMarker || r.u32() != 0) return false;
    if (r.u8() != kDockMarker || r.i32() != 0) return false;
    const int32_t central_width = r.i32(), central_height = r.i32();
    if (!in_range(central_width, -1, kMaxWindowSide) || !in_range(central_height, -1, kMaxWindowSide)) return false;
    for (int corner = 0; corner < 4; ++corner) {
        const int32_t area = r.i32();
        if (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea && area != Qt::TopDockWidgetArea &&
            area != Qt::BottomDockWidgetArea)
            return false;
    }
    if (r.u8() != kToolBarMarker) return false;
    const int32_t lines = r.i32();
    if (!in_range(lines, 0, kMaxLines)) return false;
    for (int line = 0; line < lines && r.ok(); ++line) {
        const int32_t area = r.i32(), toolbars = r.i32();
        if (!in_range(area, 0, kDockAreas - 1) || !in_range(toolbars, 0, kMaxToolBars)) return false;
        for (int t = 0; t < toolbars && r.ok(); ++t) {
            const uint32_t name_bytes = r.u32();   // the object name, UTF-16
            if (name_bytes == 0xffffffffu || name_bytes % 2 != 0 || name_bytes > uint32_t(kMaxNameBytes)) return false;
            r.skip(name_bytes);
            if (r.u8() > 3) return false;   // shown and vertical bits
            if (!in_range(r.i32(), -1, kMaxWindowSide) || !in_range(r.i32(), -1, kMaxWindowSide)) return false;
            r.skip(8);   // the packed geometry
        }
    }
    return r.at_end();
}

} // namespace

void load_window_settings(QMainWindow* window, const QString& path)
{
    QByteArray geometry, state;
    read_settings_file(path, [&](QSettings& s) {
        geometry = s.value(QStringLiteral("mainwindowGeometry")).toByteArray();
        state = s.value(QStringLiteral("mainwindowState")).toByteArray();
    });
    const QSize before = window->size();
    const bool restored = window->restoreGeometry(geometry);
    // A geometry off every screen (another monitor gone, a damaged file) is no geometry at all.
    if (!restored || !on_some_screen(window->frameGeometry())) {
        if (restored) {
            window->setWindowState(Qt::WindowNoState);
            window->resize(before);
        }
        centre_on_primary_screen(window);
    }
    if (window_state_is_ours(state)) window->restoreState(state, 0);
}

namespace {

// Where a settings save writes: the file itself, or, where another program changed it since it
// was read and the user keeps that version, a new copy beside it; no file when the user cancelled.
struct SettingsTarget {
    QString path;
    SettingsWrite how = SettingsWrite::Update;
};

SettingsTarget settings_save_target(const QString& path)
{
    const std::string file = QFile::encodeName(path).toStdString();
    // A file this run could not read holds values the window never showed: replaced only when asked.
    if (settings_file_unread(path)) {
        const QString question =
            QStringLiteral("Die Einstellungsdatei\n%1\nkonnte beim Start nicht gelesen werden; ihre Werte wurden "
                           "nicht übernommen. Soll sie durch die jetzigen Einstellungen ersetzt werden?")
                .arg(absolute_file_path(file));
        if (qt_question_box(QMessageBox::Question, QStringLiteral("Speichern"), question) != QMessageBox::Yes)
            return {};
        return {path, SettingsWrite::Replace};
    }
    const auto elsewhere = files_changed_elsewhere({file});
    if (elsewhere.first.empty() && elsewhere.second.empty()) return {path, SettingsWrite::Update};
    const std::string beside = conflict_copy_path(file);
    switch (ask_about_changed_files(elsewhere.first, {beside}, elsewhere.second)) {
    case ChangedFileAnswer::Overwrite:
        return {path, SettingsWrite::Update};
    case ChangedFileAnswer::SaveBeside:
        return {elsewhere.first.empty() ? path : QFile::decodeName(beside.c_str()), SettingsWrite::Create};
    case ChangedFileAnswer::Cancel:
        break;
    }
    return {};
}

// Saves through edit(); a copy beside the file that another program took meanwhile gives way to
// the next free name.
bool save_settings(const QString& path, const std::function<void(QSettings&)>& edit)
{
    const SettingsTarget target = settings_save_target(path);
    if (target.path.isEmpty()) return true;   // the user chose to save nothing
    if (target.how != SettingsWrite::Create) return edit_settings_file(target.path, edit, target.how);
    std::string name = QFile::encodeName(target.path).toStdString();
    return save_under_free_copy_name(&name, QFile::encodeName(path).toStdString(), 1, [&](const std::string& n) {
        return edit_settings_file(QFile::decodeName(n.c_str()), edit, SettingsWrite::Create);
    });
}

} // namespace

bool save_window_settings(QMainWindow* window, const QString& path)
{
    // Fonts are kept as text: a serialised font would pass through the stream reader again.
    return save_settings(path, [&](QSettings& s) {
        s.setValue(QStringLiteral("mainwindowGeometry"), window->saveGeometry());
        s.setValue(QStringLiteral("mainwindowState"), window->saveState(0));
        s.setValue(QStringLiteral("Font"), window->font().toString());
    });
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

// Fonts are read back as Qt wrote them; a readable size lies between these.
const double kMinPointSize = 4;
const double kMaxPointSize = 72;
const int kMaxFamilyLength = 100;

// A stored colour is used only when it is a valid, opaque colour.
QColor stored_color(const QSettings& s, const char* key, const QColor& fallback)
{
    const QVariant v = s.value(QString::fromLatin1(key));
    // Only a colour or a colour's name counts; a brush or other value converted to a colour
    // may bring the same damage as below.
    if (v.userType() == QMetaType::QString) {
        const QColor named(v.toString());
        return named.isValid() && named.alpha() == 255 ? named : fallback;
    }
    if (v.userType() != QMetaType::QColor) return fallback;
    {
        // A colour streamed from damaged bytes may carry a kind no colour has, and even copying
        // it would be undefined: its kind (the first member) is looked at as a plain number.
        int spec = -1;
        std::memcpy(&spec, v.constData(), sizeof spec);
        if (spec < QColor::Invalid || spec > QColor::ExtendedRgb) return fallback;
    }
    QColor c = v.value<QColor>();
    return c.isValid() && c.alpha() == 255 ? c : fallback;
}

bool family_is_sane(const QString& family)
{
    if (family.isEmpty() || family.size() > kMaxFamilyLength) return false;
    // A serialised value that did not read back as a font arrives as its text.
    if (family.startsWith(QLatin1String("@"))) return false;
    for (const QChar c : family)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_NotAssigned) return false;
    return true;
}

// The font of a key when it is usable, otherwise the application's default font.
QFont stored_font(const QSettings& s, const char* key)
{
    const QVariant v = s.value(QString::fromLatin1(key));
    if (v.userType() != QMetaType::QFont && v.userType() != QMetaType::QString) return QFont();
    QFont f = v.value<QFont>();
    return font_is_sane(f) ? f : QFont();
}

} // namespace

bool font_is_sane(const QFont& f)
{
    if (!family_is_sane(f.family())) return false;
    const double points = f.pointSizeF();
    if (points > 0) return points >= kMinPointSize && points <= kMaxPointSize;
    const int pixels = f.pixelSize();
    return pixels >= kMinPointSize && pixels <= 2 * kMaxPointSize;
}

bool fonts_colors_sane(const FontsColors& fc)
{
    auto usable = [](const QFont& f) { return f == QFont() || font_is_sane(f); };
    if (fc.has_font && (!usable(fc.font) || !usable(fc.font_table))) return false;
    for (const QColor& c : {fc.background, fc.ergwin_ok, fc.ergwin_fehler, fc.toolbar, fc.tabheader})
        if (!c.isValid() || c.alpha() != 255) return false;
    return true;
}

FontsColors read_fonts_colors(const QString& path)
{
    FontsColors fc = reset_fonts_colors();
    read_settings_file(path, [&](QSettings& s) {
        if (!s.contains(QStringLiteral("Font"))) return;
        fc.has_font = true;
        fc.font = stored_font(s, "Font");
        fc.font_table = stored_font(s, "FontTable");
        fc.background = stored_color(s, "MainWindowBackground", fc.background);
        fc.ergwin_ok = stored_color(s, "ErgWindowBackground_ok", QColor(102, 255, 102));
        fc.ergwin_fehler = stored_color(s, "ErgWindowBackground_fehler", QColor(255, 153, 153));
        fc.toolbar = stored_color(s, "ToolBarBackground", fc.toolbar);
        fc.tabheader = stored_color(s, "TableHeaderBackground", fc.tabheader);
    });
    return fc;
}

bool write_fonts_colors(const QString& path, const FontsColors& fc)
{
    // Fonts as text (what the reader also takes from earlier files' serialised fonts).
    return save_settings(path, [&](QSettings& s) {
        s.setValue(QStringLiteral("Font"), fc.font.toString());
        s.setValue(QStringLiteral("FontTable"), fc.font_table.toString());
        s.setValue(QStringLiteral("MainWindowBackground"), fc.background);
        s.setValue(QStringLiteral("ErgWindowBackground_ok"), fc.ergwin_ok);
        s.setValue(QStringLiteral("ErgWindowBackground_fehler"), fc.ergwin_fehler);
        s.setValue(QStringLiteral("ToolBarBackground"), fc.toolbar);
        s.setValue(QStringLiteral("TableHeaderBackground"), fc.tabheader);
    });
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
