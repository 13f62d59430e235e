// The environment's output-list viewer and printer, standing in on this machine: a closed
// output list is parsed and rendered to "<list>.pdf" beside it (A4). View also shows the pages in
// the program's own print preview when a display is there; print hands the PDF to the print queue
// when one is configured. Nothing in a list can crash the viewer: unknown or damaged blocks are skipped.
#pragma once
#include <QImage>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QPrinter;

void Quick_OLI_View(const char* prefix, const char* path);
void Quick_OLI_Print(const char* prefix, const char* path);

namespace oliview {

// One drawing element of a graphic block, page centimetres relative to the block's extents.
struct GraphicItem {
    enum Kind { Line, Text, Polygon, Rect, Picture, State } kind = Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<double> points;    // polygon x, y pairs
    std::string text;              // UTF-8
    int align = 0;                 // record 9/10 alignment code, 0 for a point text
    double angle = 0;              // degrees
    double height = 0.3;           // text height cm
    double width = 0.02;           // line width cm
    int pattern = 0;               // fill pattern
    int line_rgb[3] = {0, 0, 0};
    int fill_rgb[3] = {0, 0, 0};
    int dash = 0;                  // number of dash lengths
    int state_op = 0;              // 30 push, 31 pop (State items)
};

struct Block {
    enum Kind { Command, Table, Para, Graphic, Title, NewPage } kind = Command;
    // Command: the words after "#OLI"
    std::string command;
    std::vector<double> args;
    // Table, Para, Title: lines in UTF-8 with inline codes kept as '\x01' + letter
    std::vector<std::string> captions;    // Table
    int counts[3] = {0, 0, 0};
    std::vector<double> boundaries;       // Table column boundaries (characters)
    int header_lines = 0;                 // Table: title/short/unit lines at the start of lines
    std::vector<std::string> lines;
    int mode = 7;                         // Para
    double space_after = 0;               // Para
    std::vector<double> tabs;             // Para tab stops (cm)
    // Graphic
    std::string gcaptions[6];
    double extents[4] = {0, 17, 0, 5};
    std::vector<GraphicItem> items;
    bool complete = true;                 // false when the block ran off the end of the file
};

struct Document {
    std::vector<Block> blocks;
    int skipped = 0;                      // unknown or damaged pieces passed over
};

// Parses the bytes of an output list (code page 437, LF or CRLF). Never fails.
Document parse(const char* data, std::size_t size);
Document parse_file(const std::string& path);

// The blocks of the list at `path` handed to `sink` one at a time as they are read, from the byte
// `offset` on (a block start a sink was given before); the sink gets each block with the byte
// offset of its start and returns false to stop. False when the file cannot be read.
using BlockSink = std::function<bool(const Block&, long offset)>;
bool for_each_block(const std::string& path, long offset, const BlockSink& sink);

// Decodes one list text: code page 437 plus the list font's symbols; inline codes 0xCE+letter
// become '\x01'+letter, inline graphics are dropped.
std::string decode_text(const std::string& bytes);
// Plain text of a decoded line (codes removed).
std::string plain(const std::string& decoded);

// Progress of a long render: called at every new page with the page reached and the pages in
// all (0 while they are being counted); returning false cancels the work.
using Progress = std::function<bool(int page, int total)>;

struct RenderResult {
    bool ok = false;
    bool cancelled = false;
    std::string error;   // "Die Datei\n<absolute path>\nkann nicht geschrieben werden: <reason>." on failure
    int pages = 0;
};

// Renders the document to a PDF file; returns true when the file was written whole.
bool render_pdf(const Document& doc, const std::string& pdf_path, const std::string& title);
// The list at list_path to a PDF, its blocks read and its pages laid out and written one after
// another, so that the memory does not grow with the list. The PDF is written beside its place and
// renamed there when complete: on failure or cancel the old PDF stays as it was.
RenderResult render_list_pdf(const std::string& list_path, const std::string& pdf_path, const std::string& title,
                             const Progress& progress = Progress());
// The same pages on a printer, or on the printer of a print preview; false when it cannot be drawn on.
bool render_to_printer(const Document& doc, QPrinter* printer);
// The same pages as pictures of the A4 sheet at `dpi` (10 to 1200), white paper; empty when none.
// Font sizes are whole pixels: far below the PDF's resolution a page break can move.
std::vector<QImage> render_images(const Document& doc, int dpi);

// A list file laid out once, where every page begins kept; a page is drawn when it is asked for.
// The file must stay as it was while the object lives.
class PagedList {
public:
    PagedList();
    ~PagedList();
    PagedList(const PagedList&) = delete;
    PagedList& operator=(const PagedList&) = delete;
    // False when the list cannot be read or the work was cancelled.
    bool open(const std::string& list_path, const std::string& id, const Progress& progress = Progress());
    int pages() const;
    QImage page(int n, int dpi) const;   // page n (from 1) as a picture of the sheet
    bool print(QPrinter* printer) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The print preview of a list: a private copy of the list laid out once, each page drawn as it
// is shown, page and zoom controls, and a print button through the system's print dialog.
// Deleted when closed; nullptr without widgets, when the list cannot be read or when cancelled,
// with *why (when given) naming the file and the reason ("" when cancelled).
// The copy "tavo-preview-<pid>-XXXXXX.oli" in the temporary folder is removed when the preview
// closes and, for a preview still open, when the program ends.
QDialog* make_preview_dialog(const std::string& list_path, const std::string& title,
                             const Progress& progress = Progress(), std::string* why = nullptr);

// Removes the preview copies that runs killed before they could remove them: copies whose process
// is gone, and nameless older copies that no process holds open. Called at start and by each preview.
void remove_stale_preview_copies();
// Removes the copies of the previews still open (done at exit on its own).
void remove_preview_copies();

// How long a render runs before its progress dialog shows (500 ms).
void set_progress_delay(int ms);

// What the last render drew: text draw calls, pages, and the pixel size of each table's font.
struct RenderStats {
    long text_draws = 0;
    int pages = 0;
    std::vector<int> table_px;
};
const RenderStats& last_render_stats();

// The PDF path of a list: "<list>.pdf" beside it.
std::string pdf_path_for(const std::string& list_path);

} // namespace oliview
