// Pop-ups of the sheet manager: menus, the special-character picker, and the string lists.
#include "platform/screen/fonts.h"
#include "platform/screen/input.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/screen/screen_qt.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRow = 18;       // height of a menu row
constexpr int kMenuPad = 12;   // text inset; the submenu mark sits in the right inset
constexpr int kCell = 18;      // a cell of the special-character grid

// A pop-up's rectangle at the pointer, kept on the screen; its pixels beneath are lifted
// until it closes.
class Popup {
public:
    Popup(int w, int h)
    {
        int c[4] = {M_XPOS, M_YPOS, M_XPOS + w - 1, M_YPOS + h - 1};
        Check_Prop_Sheet_Frames(c);
        rect_ = QRect(QPoint(c[0], c[1]), QPoint(c[2], c[3]));
        screen_lock();
        beneath_ = screen_image().copy(rect_);
        screen_unlock();
    }
    Popup(const QRect& r) : rect_(r)
    {
        screen_lock();
        beneath_ = screen_image().copy(rect_);
        screen_unlock();
    }
    ~Popup()
    {
        screen_paste(beneath_, rect_.left(), rect_.top());
        pxFlsh();
    }
    Popup(const Popup&) = delete;
    Popup& operator=(const Popup&) = delete;
    const QRect& rect() const { return rect_; }

private:
    QRect rect_;
    QImage beneath_;
};

void face(const QRect& r)
{
    pxFgc(MENUE_CI);
    pxRect(r.left(), r.top(), r.right(), r.bottom());
    pxFgc(BLACK_CI);
    pxLine(r.left(), r.top(), r.right(), r.top());
    pxLine(r.right(), r.top(), r.right(), r.bottom());
    pxLine(r.right(), r.bottom(), r.left(), r.bottom());
    pxLine(r.left(), r.bottom(), r.left(), r.top());
}

int menu_width(const MenueRecord* m)
{
    int w = 0;
    Pop_RFont(4096);
    for (int i = 0; i < m->count; ++i) {
        const char* t = m->entries[i].text ? m->entries[i].text : "";
        w = std::max(w, font_text_pixels(t, (int)std::strlen(t)));
    }
    std::string longest((size_t)std::max(0, m->longest), 'M');
    w = std::max(w, font_text_pixels(longest.c_str(), (int)longest.size()));
    Push_RFont();
    return w + 2 * kMenuPad;
}

void draw_menu(const MenueRecord* m, const QRect& r, int current)
{
    face(r);
    Pop_RFont(4096);
    for (int i = 0; i < m->count; ++i) {
        const MenueEntry& e = m->entries[i];
        QRect row(r.left() + 1, r.top() + 2 + i * kRow, r.width() - 2, kRow);
        if (i == current && e.enabled) {
            pxFgc(Nearest_RGB_Color(0, 64, 128));
            pxRect(row.left(), row.top(), row.right(), row.bottom());
        }
        pxFgc(!e.enabled ? GetVYKColor(-6) : (i == current ? WHITE_CI : BLACK_CI));
        const char* t = e.text ? e.text : "";
        pxBTxt(row.left() + kMenuPad - 1, row.top(), row.right(), row.bottom(), t, (int)std::strlen(t), 201 + 8);
        if (e.submenu) pxBTxt(row.left(), row.top(), row.right() - 3, row.bottom(), ">", 1, 204 + 8);
    }
    Push_RFont();
    pxFlsh();
}

int row_at(const MenueRecord* m, const QRect& r, int x, int y)
{
    if (!r.contains(x, y)) return -1;
    int i = (y - r.top() - 2) / kRow;
    return i >= 0 && i < m->count ? i : -1;
}

int run_menu(MenueRecord* m);

// An entry chosen: its submenu opens beside it, its action runs once the menu is gone.
// Returns 1 when an action ran, 0 when nothing did, -1 when the chain goes on.
int choose(MenueRecord* m, int i, const QRect& r, void (**action)(void))
{
    MenueEntry& e = m->entries[i];
    if (!e.enabled) return -1;
    if (e.submenu) {
        msStCu(r.right() - 4, r.top() + 2 + i * kRow);
        int done = run_menu(e.submenu);
        return done ? 1 : -1;
    }
    *action = e.action;
    return e.action ? 1 : 0;
}

int run_menu_at(MenueRecord* m, void (**action)(void))
{
    Popup pop(menu_width(m), m->count * kRow + 4);
    const QRect& r = pop.rect();
    int current = 0, pressed = -1;
    for (;;) {
        draw_menu(m, r, current);
        InputEvent e = input_next("Menue_Manager", 0);
        int pick = -1;
        switch (e.kind) {
        case INPUT_NONE: return 0;
        case INPUT_KEY:
            if (e.key == KEY_ESC) return 0;
            if (e.key == KEY_UP) current = (current + m->count - 1) % m->count;
            if (e.key == KEY_DOWN) current = (current + 1) % m->count;
            if (e.key == KEY_ENTER) pick = current;
            break;
        case INPUT_MOVE: {
            int i = row_at(m, r, e.x, e.y);
            if (i >= 0) current = i;
            break;
        }
        case INPUT_PRESS:
            pressed = row_at(m, r, e.x, e.y);
            if (pressed < 0) return 0;   // a click outside closes the menu
            break;
        case INPUT_RELEASE:
            if (pressed >= 0 && row_at(m, r, e.x, e.y) == pressed) pick = pressed;
            pressed = -1;
            break;
        default: break;
        }
        if (pick < 0) continue;
        current = pick;
        int done = choose(m, pick, r, action);
        if (done >= 0) return done;
    }
}

int run_menu(MenueRecord* m)
{
    if (!m || m->count <= 0 || !m->entries) return 0;
    void (*action)(void) = nullptr;
    int done = run_menu_at(m, &action);
    if (action) action();
    return done;
}

} // namespace

int Menue_Manager(MenueRecord* menu) { return run_menu(menu); }

// The characters above 127 of the code page, sixteen to a row.
int Get_UserSelected_SpecialCharacter(void)
{
    constexpr int kCols = 16, kRows = 8, kFirst = 128;
    Popup pop(kCols * kCell + 4, kRows * kCell + 4);
    const QRect& r = pop.rect();
    face(r);
    Pop_RFont(4096);
    pxFgc(BLACK_CI);
    for (int i = 0; i < kCols * kRows; ++i) {
        char c = (char)(kFirst + i);
        int x = r.left() + 2 + (i % kCols) * kCell, y = r.top() + 2 + (i / kCols) * kCell;
        pxBTxt(x, y, x + kCell - 1, y + kCell - 1, &c, 1, 210);
    }
    Push_RFont();
    pxFlsh();
    for (;;) {
        InputEvent e = input_next("Get_UserSelected_SpecialCharacter", 0);
        if (e.kind == INPUT_NONE) return -1;
        if (e.kind == INPUT_KEY && e.key == KEY_ESC) return -1;
        if (e.kind != INPUT_PRESS) continue;
        if (!r.adjusted(2, 2, -2, -2).contains(e.x, e.y)) return -1;
        int col = (e.x - r.left() - 2) / kCell, row = (e.y - r.top() - 2) / kCell;
        return kFirst + row * kCols + col;
    }
}

// ---- string lists ----

struct PSStringList {
    std::vector<std::pair<std::string, int>> items;
};

PSStringList* Create_Stringlist_of_PS(void) { return new PSStringList; }
void Free_Stringlist_of_PS(PSStringList* list) { delete list; }

void Fill_Stringlist_of_PS(void* list, const char* text)
{
    Fill_Colored_Stringlist_of_PS(static_cast<PSStringList*>(list), text, BLACK_CI);
}

void Fill_Colored_Stringlist_of_PS(PSStringList* list, const char* text, int colour)
{
    if (list) list->items.emplace_back(text ? text : "", colour);
}

int Count_of_Stringlist_of_PS(const PSStringList* list) { return list ? (int)list->items.size() : 0; }

const char* Text_of_Stringlist_of_PS(const PSStringList* list, int index)
{
    if (!list || index < 0 || index >= (int)list->items.size()) return nullptr;
    return list->items[(size_t)index].first.c_str();
}

int Colour_of_Stringlist_of_PS(const PSStringList* list, int index)
{
    if (!list || index < 0 || index >= (int)list->items.size()) return SCREEN_NO_COLOUR;
    return list->items[(size_t)index].second;
}
