#include "platform/viewer/oli_table_sheet.h"

#include "platform/os/codepage.h"
#include "platform/screen/fonts.h"
#include "platform/screen/prop_sheet.h"
#include "platform/screen/screen.h"
#include "platform/viewer/oli_viewer.h"

#include <algorithm>
#include <string>
#include <vector>

struct OLITable {
    std::vector<std::string> lines;   // code page 437, no inline codes
    int title_lines = 0;              // captions and header lines at the start
};

namespace {

// A table file is a few pages of text; anything larger is not one.
constexpr long kMaxTableBytes = 16L << 20;

constexpr int kTableFont = 0;     // fixed cells: the columns of the list stay aligned
constexpr int kRowPadding = 4;    // pixels above and below a row's text
constexpr int kTextIndent = 6;
constexpr int kBorder = 5;        // between the sheet's frame and the pane
constexpr int kButtonGap = 8;     // between the pane and the OK button
constexpr int kOkWidth = 24;      // the OK symbol button: symbol plus 8
constexpr int kCodeOk = 1, kCodeBreak = 2;
constexpr int kMinWidth = 120, kMinHeight = 120;

struct Colours {
    int c[OLI_TABLE_COLOURS];
};

Colours defaults()
{
    Colours d;
    d.c[OLI_TABLE_TITLE_FACE] = Nearest_RGB_Color(224, 224, 224);
    d.c[OLI_TABLE_BODY_FACE] = Nearest_RGB_Color(255, 255, 255);
    d.c[OLI_TABLE_TEXT] = Nearest_RGB_Color(0, 0, 0);
    d.c[OLI_TABLE_GRID] = Nearest_RGB_Color(192, 192, 192);
    d.c[OLI_TABLE_FRAME] = Nearest_RGB_Color(212, 208, 200);
    return d;
}

Colours& colours()
{
    static Colours c = defaults();
    return c;
}

bool read_rest(FILE* stream, std::string* bytes)
{
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
        bytes->append(buffer, n);
        if (long(bytes->size()) > kMaxTableBytes) return false;
    }
    return !std::ferror(stream);
}

// What the sheet draws its rows with.
struct View {
    const OLITable* table;
    int row_height;
};

void draw_rows(int, int sx, int sy, int x1, int y1, int x2, int y2, void* record)
{
    const View* v = static_cast<const View*>(record);
    const Colours& c = colours();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int fg = pxQFgc();
    pxView(x1, y1, x2, y2);
    pxFgc(c.c[OLI_TABLE_BODY_FACE]);
    pxRect(x1, y1, x2, y2);
    Pop_RFont(kTableFont);
    const int n = int(v->table->lines.size());
    for (int i = std::max(0, sy / v->row_height); i < n; ++i) {
        const int top = y1 - sy + i * v->row_height;
        if (top > y2) break;
        const int bottom = top + v->row_height - 1;
        pxFgc(c.c[i < v->table->title_lines ? OLI_TABLE_TITLE_FACE : OLI_TABLE_BODY_FACE]);
        pxRect(x1, top, x2, bottom);
        pxFgc(c.c[OLI_TABLE_GRID]);
        pxLine(x1, bottom, x2, bottom);
        const std::string& text = v->table->lines[size_t(i)];
        pxFgc(c.c[OLI_TABLE_TEXT]);
        pxText(x1 - sx + kTextIndent, top + kRowPadding + font_ascent(), text.c_str(), int(text.size()));
    }
    Push_RFont();
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
}

// The rectangle of the record, kept on the screen and at least a small sheet.
void sheet_rect(const int* record, int* r)
{
    r[0] = std::clamp(record[1], 0, NPIXEL_X - kMinWidth);
    r[1] = std::clamp(record[2], 0, NPIXEL_Y - kMinHeight);
    r[2] = std::clamp(record[3], r[0] + kMinWidth - 1, NPIXEL_X - 1);
    r[3] = std::clamp(record[4], r[1] + kMinHeight - 1, NPIXEL_Y - 1);
}

int content_width(const OLITable* t)
{
    Pop_RFont(kTableFont);
    int w = 0;
    for (const std::string& l : t->lines) w = std::max(w, font_text_pixels(l.c_str(), int(l.size())));
    Push_RFont();
    return w + 2 * kTextIndent;
}

} // namespace

OLITable* readOLITableFromFILE(FILE* stream)
{
    if (!stream) return nullptr;
    std::string bytes;
    if (!read_rest(stream, &bytes)) return nullptr;
    const oliview::Document doc = oliview::parse(bytes.data(), bytes.size());
    if (doc.skipped > 0) return nullptr;   // a damaged piece: the table may be misread
    for (const oliview::Block& b : doc.blocks) {
        if (b.kind != oliview::Block::Table) continue;
        if (!b.complete) return nullptr;
        auto* t = new OLITable;
        for (const std::string& l : b.captions) t->lines.push_back(codepage::utf8_to_glyphs(oliview::plain(l)));
        for (const std::string& l : b.lines) t->lines.push_back(codepage::utf8_to_glyphs(oliview::plain(l)));
        t->title_lines = int(b.captions.size()) + std::min(b.header_lines, int(b.lines.size()));
        return t;
    }
    return nullptr;
}

void deleteOLITable(OLITable* table) { delete table; }

int OLITable_line_count(const OLITable* table) { return table ? int(table->lines.size()) : 0; }

const char* OLITable_line(const OLITable* table, int index)
{
    if (!table || index < 0 || index >= int(table->lines.size())) return nullptr;
    return table->lines[size_t(index)].c_str();
}

int getOLITableColours(int* out)
{
    if (!out) return 0;
    std::copy(colours().c, colours().c + OLI_TABLE_COLOURS, out);
    return 1;
}

int setOLITableColours(const int* in)
{
    if (!in) return 0;
    std::copy(in, in + OLI_TABLE_COLOURS, colours().c);
    return 1;
}

void resetOLITableColours(void) { colours() = defaults(); }

int OLITablePropSheet(const char* title, int, const OLITable* table, const int* record)
{
    if (!table || !record) return 0;
    int r[4];
    sheet_rect(record, r);
    Define_Prop_Sheet(r[0], r[1], r[2], r[3], 1, 0, title ? title : "", 0, 1);
    const int inner_top = r[1] + PS_TITLE_ROW;
    const int button_y = r[3] - kBorder - PS_BUTTON_HEIGHT + 1;
    const int px1 = r[0] + kBorder, py1 = inner_top + kBorder, px2 = r[2] - kBorder, py2 = button_y - kButtonGap;

    Pop_RFont(kTableFont);
    View view{table, font_height() + 2 * kRowPadding};
    Push_RFont();
    const int pane = Add_Scrollable_Area_to_PS(px1, py1, px2, py2, 1, 0, 10, view.row_height, draw_rows, &view, 1);
    Set_VSlider_Speed(Add_VSlider_to_Scrollable_Area(pane, 5, 10, -1, 0), 0.1, 0.0);
    Set_HSlider_Speed(Add_HSlider_to_Scrollable_Area(pane, 5, 10, -1, 0), 0.1, 0.0);
    Resize_Origin_of_Scrollable_Area_PS(pane, content_width(table), view.row_height * int(table->lines.size()));
    Add_Single_Button_to_PS((r[0] + r[2] - kOkWidth) / 2, button_y, 1, kCodeOk, nullptr, SYMBOLIC_OK_RASTER, 0);
    Set_Windows_OK_Button(kCodeOk);
    Set_Windows_Break_Button(kCodeBreak);

    const int fg = pxQFgc();
    pxFgc(colours().c[OLI_TABLE_FRAME]);
    pxRect(r[0] + 1, inner_top, r[2] - 1, r[3] - 1);
    pxFgc(fg);
    Activate_Prop_Sheet();
    // 0 comes only when the sheet has gone; anything else but OK and break goes on waiting.
    for (int code = -1; code != kCodeOk && code != kCodeBreak && code != 0;) code = Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
    return 1;
}
