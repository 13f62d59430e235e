// Renders a parsed output list to an A4 PDF with QPdfWriter: text width 17 cm, 2 cm left margin.
#include "platform/viewer/oli_viewer.h"
#include "platform/os/atomic_file.h"
#include "platform/os/c_numeric.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QFile>
#include <QPrinter>
#include <QPolygonF>
#include <QRegularExpression>

#include <algorithm>
#include <deque>
#include <functional>
#include <cmath>
#include <cerrno>
#include <sys/stat.h>
#include <climits>
#include <cstring>
#include <memory>
#include <cstdio>
#include <QPaintEngine>

namespace oliview {

namespace {

constexpr double PAGE_W = 21.0, PAGE_H = 29.7;
constexpr double LEFT = 2.0, TOP = 1.5, BOTTOM = 1.8;
constexpr double TEXT_W = 17.0;
constexpr int DPI = 300;
// Space below a table (cm): the writers move up 0.4 to 0.5 cm after one; what is left is air.
constexpr double kAirBelowTable = 0.6;
// Characters a text cell keeps free before its right rule beyond its separating blank.
constexpr int kTextRoom = 1;

RenderStats g_stats;

struct Run {
    QString text;
    bool bold = false, underline = false, sub = false, sup = false, tab = false;
    QColor colour = Qt::black;
    bool rule = false;       // inline line graphic at the row end
};

std::vector<Run> runs_of(const std::string& decoded)
{
    std::vector<Run> out;
    Run cur;
    auto flush = [&]() {
        if (!cur.text.isEmpty() || cur.tab || cur.rule) out.push_back(cur);
        cur.text.clear();
        cur.tab = cur.rule = false;
    };
    std::string buf;
    auto take = [&]() {
        cur.text += QString::fromUtf8(buf.data(), int(buf.size()));
        buf.clear();
    };
    for (size_t i = 0; i < decoded.size(); ++i) {
        char c = decoded[i];
        if (c == '\x01' && i + 1 < decoded.size()) {
            take();
            flush();
            char code = decoded[++i];
            switch (code) {
            case 'r': cur.bold = cur.underline = cur.sub = cur.sup = false; break;
            case 'b': case 'H': case '@': cur.bold = true; break;
            case 'u': cur.underline = true; break;
            case '\\': cur.sub = true; cur.sup = false; break;
            case '/': cur.sup = true; cur.sub = false; break;
            case 't': {
                Run t = cur;
                t.text.clear();
                t.tab = true;
                out.push_back(t);
                break;
            }
            default: break;
            }
            continue;
        }
        if (c == '\x02') {
            take();
            flush();
            size_t e = decoded.find('\x03', i);
            std::string g = decoded.substr(i + 1, e == std::string::npos ? std::string::npos : e - i - 1);
            i = e == std::string::npos ? decoded.size() : e;
            if (!g.empty() && g[0] == 'C') {
                int v[4] = {0, 0, 0, 0};
                int n = std::sscanf(g.c_str() + 1, "%d %d %d %d", &v[0], &v[1], &v[2], &v[3]);
                if (n >= 4) cur.colour = QColor(std::clamp(v[1], 0, 255), std::clamp(v[2], 0, 255),
                                                std::clamp(v[3], 0, 255));
                else cur.colour = Qt::black;
            } else if (!g.empty() && g[0] == 'L' && g.find("-1 -1") != std::string::npos) {
                Run t = cur;
                t.text.clear();
                t.rule = true;
                out.push_back(t);
            }
            continue;
        }
        buf += c;
    }
    take();
    flush();
    return out;
}

// Takes every drawing and draws nothing: the pages are laid out on it when only their count and
// starts are wanted, or while the pages before the first one drawn are passed over.
class NullEngine : public QPaintEngine {
public:
    NullEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    Type type() const override { return QPaintEngine::User; }
};

class NullDevice : public QPaintDevice {
public:
    explicit NullDevice(double dpi) : dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return int(PAGE_W / 2.54 * dpi_);
        case PdmHeight: return int(PAGE_H / 2.54 * dpi_);
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return int(dpi_);
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable NullEngine engine_;
    double dpi_;
};

// Where the renderer stands: what a page start needs to be drawn again on its own.
struct RenderState {
    double y = 0;              // cm below the top of the text area
    double left = 0, right = 0;
    double slot_y[10] = {};
    int slot_page[10] = {};
    double max_y = 0;
    int page = 1;
    QString head;              // the position's title, in every page's head line
};

// The start of a page: the block it begins in (its byte offset, or its index in a document), the
// table row it begins with (-1: the page is reached by laying out that block from `state` on).
struct PageStart {
    long offset = 0;
    int row = -1;
    RenderState state;
};

// What a render is to do besides drawing.
struct RenderPlan {
    std::string id;            // the component id, in every page's head line
    int total = 0;             // pages in all, for "Seite n von m"; 0 while they are being counted
    int first = 1, last = INT_MAX;   // the pages drawn; the others are laid out only
    PageStart resume;          // where to begin (offset and row as for a page start)
    bool resumed = false;
    std::function<bool(int page)> progress;   // at every new page; false cancels
    std::function<void(const PageStart&)> page_started;
};

// Draws the pages on an open painter at `dpi`; `next_page` ends the page drawn and gives the
// painter a fresh one, whatever the device (PDF, printer, preview, picture). The blocks come one
// at a time, so that a list of any length is drawn with the memory of its largest block.
class Renderer {
public:
    Renderer(QPainter& painter, double dpi, std::function<void()> next_page, RenderPlan plan = RenderPlan())
        : next_page_(std::move(next_page)), real_(painter), null_device_(dpi), plan_(std::move(plan))
    {
        px_per_cm = dpi / 2.54;
        null_.begin(&null_device_);
        if (plan_.resumed) st = plan_.resume.state;
        p = drawing(st.page) ? &real_ : &null_;
        if (real_.isActive()) real_.setRenderHint(QPainter::Antialiasing, true);
        null_.setRenderHint(QPainter::Antialiasing, true);
    }

    // Lays out (and draws) one block; false once the pages wanted are done or the work was cancelled.
    // A table waits for the blocks after it: the text that follows it stays on its last page.
    bool block(const Block& b, long offset)
    {
        if (stopped_) return false;
        pending_.emplace_back(b, offset);
        drain(false);
        return !stopped_;
    }

    void finish()
    {
        drain(true);
        if (!stopped_ && drawing(st.page)) footer();
        null_.end();
    }

    void run(const Document& doc)
    {
        for (size_t i = 0; i < doc.blocks.size(); ++i)
            if (!block(doc.blocks[i], long(i))) break;
        finish();
    }

    int pages() const { return st.page; }
    bool cancelled() const { return cancelled_; }

private:
    // Blocks read but not yet laid out: a table and what follows it, up to the end of its tail.
    std::deque<std::pair<Block, long>> pending_;
    static constexpr size_t kTailBlocks = 3;        // paragraphs kept with a table at most
    static constexpr size_t kLookahead = 16;        // blocks waited for at most
    static constexpr double kMaxTablePitch = 0.3 * 1.35;   // a table row at the largest table font
    double keep_section_ = 0;   // the height the heading being laid out keeps with its section

    // A heading opens a part of its own (it reserves its space first); it is no table's tail.
    static bool heading(const Block& b)
    {
        if (b.mode == 5) return true;
        for (const std::string& l : b.lines)
            if (l.find("\x01@") != std::string::npos) return true;
        return false;
    }

    // The height (cm) a block moves down by as a relative "ypos" command (0 for any other block).
    static double relative_move(const Block& b)
    {
        const bool move = b.kind == Block::Command && b.command == "ypos" && b.args.size() >= 2 && int(b.args[0]) == 1 &&
                          std::isfinite(b.args[1]) && std::fabs(b.args[1]) < PAGE_H;
        return move ? b.args[1] : 0;
    }

    // The tail of the table at the front of the queue: the paragraphs that follow it with nothing
    // but moves between them (its closing line, a rule not met, its notes). Their number, and
    // whether the queue holds the block that ends the tail.
    size_t tail_blocks(bool* complete, size_t table = 0) const
    {
        size_t paras = 0;
        for (size_t i = table + 1; i < pending_.size(); ++i) {
            const Block& b = pending_[i].first;
            const bool move = b.kind == Block::Command && (b.command == "ypos" || b.command == "margins");
            if (b.kind == Block::Para && !heading(b) && paras < kTailBlocks) {
                ++paras;
                continue;
            }
            if (move) continue;
            *complete = true;
            return paras;
        }
        *complete = pending_.size() >= kLookahead;
        return paras;
    }

    // The table of the section that the heading at the front of the queue opens, when only text
    // and moves stand between them (0: none), and whether the queue holds all that decides it.
    size_t section_table(bool* complete) const
    {
        size_t paras = 0;
        for (size_t i = 1; i < pending_.size(); ++i) {
            const Block& b = pending_[i].first;
            if (b.kind == Block::Table) {
                tail_blocks(complete, i);
                return i;
            }
            // a heading of the next level may come first, with the space it reserves
            const bool move = b.kind == Block::Command &&
                              (b.command == "ypos" || b.command == "margins" || b.command == "reserve" ||
                               b.command == "bookmark");
            if (move) continue;
            if (b.kind != Block::Para || ++paras > kTailBlocks) {
                *complete = true;
                return 0;
            }
        }
        *complete = pending_.size() >= kLookahead;
        return 0;
    }

    // The height (cm) of the heading at the front of the queue with its section's text, a short
    // table and the table's tail, when they fit on a page; 0 when they are no such group.
    double section_height() const
    {
        bool complete = false;
        const size_t table = section_table(&complete);
        if (table == 0) return 0;
        const Block& t = pending_[table].first;
        const double tail = tail_height(table);
        if (tail <= 0) return 0;
        // a row more than the table has: the estimate must not come out short of the layout
        double h = captions_height(t) + kMaxTablePitch * double(t.lines.size() + 1) + 0.1 + tail;
        for (size_t i = 0; i < table; ++i) {
            const Block& b = pending_[i].first;
            if (b.kind == Block::Para) h += para_height(b);
            h += relative_move(b);
        }
        return h < 0.5 * area_h() ? h : 0;
    }

    void drain(bool all)
    {
        while (!pending_.empty() && !stopped_) {
            const Block& front = pending_.front().first;
            if (front.kind == Block::Table && !all) {
                bool complete = false;
                tail_blocks(&complete);
                if (!complete) return;
            }
            keep_section_ = 0;
            if (front.kind == Block::Para && heading(front)) {
                bool complete = all;
                if (!all) section_table(&complete);
                if (!complete) return;
                keep_section_ = section_height();
            }
            const std::pair<Block, long> next = std::move(pending_.front());
            pending_.pop_front();
            process(next.first, next.second);
        }
        if (stopped_) pending_.clear();
    }

    // The height (cm) of the text that must stay with the table at the front of the queue: the
    // space below the table, the moves and the tail's paragraphs; 0 when it has none.
    double tail_height(size_t table = 0) const
    {
        bool complete = false;
        const size_t paras = tail_blocks(&complete, table);
        if (paras == 0) return 0;
        double h = kAirBelowTable;
        size_t seen = 0;
        for (size_t i = table + 1; i < pending_.size() && seen < paras; ++i) {
            const Block& b = pending_[i].first;
            h += relative_move(b);
            if (b.kind == Block::Para) {
                h += para_height(b);
                ++seen;
            }
        }
        return std::max(0.0, h);
    }

    void process(const Block& b, long offset)
    {
        block_offset_ = offset;
        block_state_ = st;
        int from_row = -1;
        if (plan_.resumed) {
            from_row = plan_.resume.row;
            plan_.resumed = false;
        }
        switch (b.kind) {
        case Block::Command: command(b); break;
        case Block::Title:
            if (b.command == "contents" && !b.lines.empty()) st.head = QString::fromStdString(plain(b.lines[0])).trimmed();
            title(b);
            break;
        case Block::Para:
            // a heading goes over with its section's short table and the table's closing lines
            if (keep_section_ > 0) need(keep_section_);
            para(b);
            break;
        case Block::Table: table(b, from_row, tail_height()); break;
        case Block::Graphic: graphic(b); break;
        case Block::NewPage: new_page(); break;
        }
    }

    std::function<void()> next_page_;
    QPainter& real_;
    NullDevice null_device_;
    QPainter null_;
    QPainter* p = nullptr;
    RenderPlan plan_;
    double px_per_cm;
    RenderState st;
    double& y = st.y;
    double& left = st.left;
    double& right = st.right;
    double (&slot_y)[10] = st.slot_y;
    int (&slot_page)[10] = st.slot_page;
    double& max_y = st.max_y;
    int& page = st.page;
    long block_offset_ = 0;
    RenderState block_state_;
    int row_ = -1;             // the table row being laid out, -1 outside a table's rows
    bool stopped_ = false, cancelled_ = false;

    bool drawing(int n) const { return n >= plan_.first && n <= plan_.last; }

    // The head line (component id and position title) and the page number, drawn as a page ends.
    void footer()
    {
        QFont f("DejaVu Sans");
        f.setPixelSize(int(0.25 * px_per_cm));
        p->setFont(f);
        p->setPen(Qt::gray);
        const QString number = plan_.total > 0 ? QString("Seite %1 von %2").arg(page).arg(plan_.total)
                                               : QString("Seite %1").arg(page);
        draw_text(QPointF(X(TEXT_W) - QFontMetricsF(f).horizontalAdvance(number), Y(area_h() + 1.0)), number);
        QString head = QString::fromStdString(plan_.id);
        if (!st.head.isEmpty()) head += (head.isEmpty() ? "" : "   ") + st.head;
        if (!head.isEmpty()) draw_text(QPointF(X(0), Y(-0.6)), head);
        ++g_stats.pages;
        p->setPen(Qt::black);
    }

    void new_page()
    {
        if (drawing(page)) footer();
        if (drawing(page) && drawing(page + 1)) next_page_();
        ++page;
        y = 0;
        max_y = 0;
        p = drawing(page) ? &real_ : &null_;
        if (p->isActive()) p->setRenderHint(QPainter::Antialiasing, true);
        if (page > plan_.last) stopped_ = true;
        if (plan_.page_started) {
            PageStart ps;
            ps.offset = block_offset_;
            ps.row = row_;
            ps.state = row_ >= 0 ? st : block_state_;
            plan_.page_started(ps);
        }
        if (plan_.progress && !plan_.progress(page)) {
            stopped_ = true;
            cancelled_ = true;
        }
    }

    double X(double cm) const { return (LEFT + cm) * px_per_cm; }
    double Y(double cm) const { return (TOP + cm) * px_per_cm; }
    double area_h() const { return PAGE_H - TOP - BOTTOM; }
    double text_right() const
    {
        double r = TEXT_W - right;
        return r > left + 1 ? r : TEXT_W;
    }

    void need(double h)
    {
        if (y + h > area_h() && y > 0) new_page();
    }

    void advance(double h)
    {
        y += h;
        if (y < 0) y = 0;
        max_y = std::max(max_y, y);
    }

    void command(const Block& b)
    {
        const auto& a = b.args;
        if (b.command == "margins" && a.size() >= 3) {
            left = std::clamp(a[1], 0.0, TEXT_W - 1);
            right = std::clamp(a[2], 0.0, TEXT_W);
        } else if (b.command == "ypos" && a.size() >= 2) {
            if (int(a[0]) == 4) y = std::max(y, max_y);
            else if (std::isfinite(a[1]) && std::fabs(a[1]) < PAGE_H) advance(a[1]);
        } else if (b.command == "reserve" && !a.empty()) {
            if (a[0] > 0 && a[0] < area_h()) need(a[0]);
        } else if (b.command == "store" && !a.empty()) {
            int s = int(a[0]);
            if (s >= 0 && s < 10) {
                slot_y[s] = y;
                slot_page[s] = page;
            }
        } else if (b.command == "restore" && !a.empty()) {
            int s = int(a[0]);
            if (s >= 0 && s < 10 && slot_page[s] == page) y = slot_y[s];
        } else if (b.command == "resetmaxmargin" || b.command == "popmargins") {
            y = std::max(y, max_y);
        }
    }

    QFont font(double size_cm, bool bold, bool mono = false) const
    {
        return font_px(int(size_cm * px_per_cm), bold, mono);
    }

    static QFont font_px(int px, bool bold, bool mono)
    {
        QFont f(mono ? "DejaVu Sans Mono" : "DejaVu Sans");
        f.setPixelSize(std::max(1, px));
        f.setBold(bold);
        return f;
    }

    // A table cell's font at the grid's whole pixel size. Taken back from centimetres the size may
    // come out one pixel short, and the cell would then no longer fit its grid.
    void draw_text(const QPointF& at, const QString& text)
    {
        ++g_stats.text_draws;
        p->drawText(at, text);
    }

    QFont cell_font(const Run& r, int px, double size, bool bold_all) const
    {
        if (r.sub || r.sup) return run_font(r, size, bold_all, true);
        QFont f = font_px(px, r.bold || bold_all, true);
        f.setUnderline(r.underline);
        return f;
    }

    QFont run_font(const Run& r, double size, bool bold_all, bool mono = false) const
    {
        QFont f = font((r.sub || r.sup) ? size * 0.7 : size, r.bold || bold_all, mono);
        f.setUnderline(r.underline);
        return f;
    }

    // One piece of text placed on a line, x in cm.
    struct Placed {
        Run run;
        double x = 0;
    };
    using PlacedLine = std::vector<Placed>;

    // Breaks a line of runs so that no piece passes the limit (cm). A line of the list is a row of
    // parts ("symbol = value, symbol = value → verdict"): it breaks after ", " or before "→" where
    // it can, else at a blank that is not beside a relation sign, so that a symbol never stands
    // without its value. Continuation lines start below the text after the first tab, or after a
    // leading heading number ("1.1. "), so that a wrapped heading keeps its number standing out.
    // A word wider than the whole line is broken between characters.
    std::vector<PlacedLine> flow(const std::vector<Run>& runs, double x0, double limit, double size,
                                 bool bold_all, const std::vector<double>& tabs) const
    {
        std::vector<PlacedLine> lines(1);
        double x = x0, indent = x0;
        bool indent_set = false;
        {
            QString all;
            for (const Run& r : runs) {
                if (r.tab) break;
                all += r.text;
            }
            static const QRegularExpression number(QStringLiteral("^\\s*\\d+(\\.\\d+)*\\.\\s+"));
            QRegularExpressionMatch m = number.match(all);
            if (m.hasMatch() && m.capturedLength() < all.size() && !runs.empty()) {
                QFontMetricsF fm(run_font(runs.front(), size, bold_all));
                indent = x0 + fm.horizontalAdvance(m.captured()) / px_per_cm;
                indent_set = true;
                if (indent > limit - 2.0) indent = x0;
            }
        }
        // Where the line being filled may break: before the piece text at (piece, ch), at x.
        struct BreakAt {
            size_t piece;
            int ch;
            double x;
            bool part;   // between two parts of the line
        };
        std::vector<BreakAt> breaks;
        QString placed_tail;   // the end of the text on the line being filled
        size_t tab_i = 0;
        bool after_tab = false;
        auto put = [&](const Run& style, const QString& text) {
            if (text.isEmpty()) return;
            PlacedLine& line = lines.back();
            if (!line.empty() && !after_tab && line.back().run.bold == style.bold &&
                line.back().run.underline == style.underline && line.back().run.sub == style.sub &&
                line.back().run.sup == style.sup && line.back().run.colour == style.colour) {
                line.back().run.text += text;
            } else {
                Placed pl;
                pl.run = style;
                pl.run.text = text;
                pl.x = x;
                line.push_back(pl);
            }
            after_tab = false;
            placed_tail = (placed_tail + text).right(8);
        };
        auto break_line = [&]() {
            lines.emplace_back();
            x = indent;
            breaks.clear();
            placed_tail.clear();
        };
        // Moves what follows the break point `b` of the line being filled to a new line.
        auto break_at = [&](const BreakAt& b) {
            PlacedLine& old = lines.back();
            PlacedLine tail;
            std::vector<BreakAt> moved;
            const double shift = indent - b.x;
            for (size_t k = b.piece; k < old.size(); ++k) {
                Placed pl = old[k];
                if (k == b.piece) {
                    pl.run.text = pl.run.text.mid(b.ch);
                    pl.x = b.x;
                }
                if (pl.run.text.isEmpty()) continue;
                pl.x += shift;
                tail.push_back(pl);
            }
            for (const BreakAt& o : breaks) {
                if (o.piece < b.piece || (o.piece == b.piece && o.ch <= b.ch)) continue;
                BreakAt m = o;
                const bool split_kept = b.ch < old[b.piece].run.text.size();
                m.piece = o.piece - b.piece - (split_kept ? 0 : 1);
                if (o.piece == b.piece) m.ch = o.ch - b.ch;
                m.x += shift;
                moved.push_back(m);
            }
            old[b.piece].run.text.truncate(b.ch);
            old.resize(b.piece + 1);
            if (old.back().run.text.isEmpty()) old.pop_back();
            const QString keep_tail = placed_tail;
            lines.push_back(tail);
            x += shift;
            breaks = moved;
            placed_tail = keep_tail;
        };
        // A relation sign stands between a symbol and its value: no break beside it.
        auto relation = [](const QString& w) {
            static const QString signs = QStringLiteral("=<>\u2264\u2265\u2248");
            return !w.isEmpty() && signs.contains(w[0]);
        };
        auto last_word = [](const QString& t) {
            const QString s = t.trimmed();
            const int at = s.lastIndexOf(QLatin1Char(' '));
            return at < 0 ? s : s.mid(at + 1);
        };
        for (const Run& r : runs) {
            if (r.rule) continue;
            if (r.tab) {
                double t = tab_i < tabs.size() ? x0 + tabs[tab_i] : x + 1.0;
                ++tab_i;
                x = std::max(x + 0.2, t);
                after_tab = true;
                breaks.clear();   // a column set by a tab is not moved
                if (!indent_set && lines.size() == 1 && x < limit - 2.0) {
                    indent = x;
                    indent_set = true;
                }
                continue;
            }
            QFontMetricsF fm(run_font(r, size, bold_all));
            auto width = [&](const QString& t) { return fm.horizontalAdvance(t) / px_per_cm; };
            const QString& text = r.text;
            int i = 0, n = text.size();
            while (i < n) {
                int j = i;
                while (j < n && text[j] != QLatin1Char(' ')) ++j;
                int word_end = j;
                while (j < n && text[j] == QLatin1Char(' ')) ++j;
                QString word = text.mid(i, word_end - i);
                QString piece = text.mid(i, j - i);
                bool at_start = lines.back().empty();
                if (word.isEmpty()) {
                    // blanks only: kept inside a line, dropped at the start of a continuation line
                    if (!(at_start && lines.size() > 1)) {
                        put(r, piece);
                        x += width(piece);
                    }
                    i = j;
                    continue;
                }
                double ww = width(word);
                if (!at_start) {
                    // the point before this word, as a place to break
                    const QString before = placed_tail.trimmed();
                    const bool part = word[0] == QChar(0x2192) ||
                                      (before.endsWith(QLatin1Char(',')) && placed_tail.endsWith(QLatin1Char(' ')));
                    const bool soft = part || (!relation(word) && !relation(last_word(placed_tail)) &&
                                               placed_tail.endsWith(QLatin1Char(' ')));
                    if (x + ww > limit) {
                        // the last break between parts on the line, unless it would leave the line
                        // nearly empty; else the last blank that keeps a symbol with its value
                        const double start = lines.back().front().x;
                        const BreakAt* best = nullptr;
                        if (!part)
                            for (const BreakAt& b : breaks)
                                if (b.part && b.x - start > 0.25 * (limit - start)) best = &b;
                        if (!best && !soft)
                            for (const BreakAt& b : breaks) best = &b;
                        if (best) break_at(*best);
                        else break_line();
                        at_start = lines.back().empty();
                    } else if (soft) {
                        const PlacedLine& line = lines.back();
                        breaks.push_back({line.size() - 1, int(line.back().run.text.size()), x, part});
                    }
                }
                if (x + ww > limit && !at_start) {
                    break_line();
                    at_start = true;
                }
                if (x + ww > limit) {
                    // one word wider than the line: as many characters as fit, the rest below
                    QString part;
                    double pw = 0;
                    for (int k = i; k < word_end; ++k) {
                        double w = width(QString(text[k]));
                        if (x + pw + w > limit && !part.isEmpty()) {
                            put(r, part);
                            break_line();
                            part.clear();
                            pw = 0;
                        }
                        part += text[k];
                        pw += w;
                    }
                    put(r, part);
                    x += pw;
                    QString blanks = text.mid(word_end, j - word_end);
                    put(r, blanks);
                    x += width(blanks);
                    i = j;
                    continue;
                }
                put(r, piece);
                x += width(piece);
                i = j;
            }
        }
        return lines;
    }

    // Width (cm) of a placed line from its start to the end of its last piece.
    double line_width(const PlacedLine& line, double size, bool bold_all) const
    {
        if (line.empty()) return 0;
        QFontMetricsF fm(run_font(line.back().run, size, bold_all));
        return line.back().x + fm.horizontalAdvance(line.back().run.text) / px_per_cm - line.front().x;
    }

    void draw_placed(const PlacedLine& line, double base, double size, bool bold_all, double shift = 0)
    {
        for (const Placed& pl : line) {
            const Run& r = pl.run;
            p->setFont(run_font(r, size, bold_all));
            p->setPen(r.colour);
            double dy = r.sub ? size * 0.25 : (r.sup ? -size * 0.4 : 0);
            draw_text(QPointF(X(pl.x + shift), Y(base + dy)), r.text);
        }
        p->setPen(Qt::black);
    }

    // The right end for running text starting at x0: the text area's right margin; a narrow column
    // at the right edge (the version note) may use the page's right margin as well.
    double limit_for(double x0) const
    {
        double r = text_right();
        return r - x0 < 4.0 ? PAGE_W - LEFT - 0.5 : r;
    }

    // Draws one list line of running text, wrapped, one pitch per printed line; centred lines are
    // centred line by line. Returns the number of printed lines.
    int text_line(const std::string& decoded, double size, double pitch, bool bold, bool centred,
                  const std::vector<double>& tabs)
    {
        auto lines = flow(runs_of(decoded), left, limit_for(left), size, bold, tabs);
        for (const PlacedLine& line : lines) {
            need(pitch);
            double shift = 0;
            if (centred) shift = std::max(0.0, (text_right() - left - line_width(line, size, bold)) / 2);
            draw_placed(line, y + size, size, bold, shift);
            advance(pitch);
        }
        return int(lines.size());
    }

    void title(const Block& b)
    {
        double size = 0.42;
        need(size * 1.6);
        for (const std::string& l : b.lines) text_line(l, size, size * 1.5, true, false, {});
    }

    struct ParaStyle {
        double size = 0.3, pitch = 0.38;
        bool bold = false;
    };
    static ParaStyle para_style(int mode)
    {
        ParaStyle ps;
        switch (mode) {
        case 3: ps.size = 0.23; ps.pitch = 0.286; break;
        case 5: ps.size = 0.4; ps.pitch = 0.55; ps.bold = true; break;
        default: break;
        }
        return ps;
    }

    void para(const Block& b)
    {
        const ParaStyle ps = para_style(b.mode);
        bool centred = b.mode == 5 && !b.lines.empty() && b.lines[0].find("\x01@") == std::string::npos;
        for (const std::string& l : b.lines) text_line(l, ps.size, ps.pitch, ps.bold, centred, b.tabs);
        advance(b.space_after);
    }

    // The height (cm) that para() takes for the block at the present margins.
    double para_height(const Block& b) const
    {
        const ParaStyle ps = para_style(b.mode);
        double h = b.space_after;
        for (const std::string& l : b.lines)
            h += ps.pitch * double(flow(runs_of(l), left, limit_for(left), ps.size, ps.bold, b.tabs).size());
        return h;
    }

    // A character of a table line with its style; every character takes one cell of the grid.
    struct Cell {
        std::vector<std::pair<QChar, Run>> chars;
        int len() const { return int(chars.size()); }
        int content() const   // length without trailing blanks
        {
            int n = len();
            while (n > 0 && chars[size_t(n - 1)].first == QLatin1Char(' ')) --n;
            return n;
        }
        int ink() const   // length without leading and trailing blanks
        {
            int n = content(), i = 0;
            while (i < n && chars[size_t(i)].first == QLatin1Char(' ')) ++i;
            return n - i;
        }
        // A number (sign, digits, point): the list writes those right-aligned in their column.
        bool numeric() const
        {
            int i = 0;
            while (i < len() && chars[size_t(i)].first == QLatin1Char(' ')) ++i;
            if (i < len() && (chars[size_t(i)].first == QLatin1Char('-') || chars[size_t(i)].first == QLatin1Char('+'))) ++i;
            if (i < len() && chars[size_t(i)].first == QLatin1Char('.')) ++i;
            return i < len() && chars[size_t(i)].first.isDigit();
        }
    };

    // A text that begins right at its left rule moves one character off it.
    static int text_lead(const Cell& cell)
    {
        return cell.len() > 0 && cell.chars[0].first != QLatin1Char(' ') ? 1 : 0;
    }

    static std::vector<std::pair<QChar, Run>> grid_chars(const std::vector<Run>& runs)
    {
        std::vector<std::pair<QChar, Run>> out;
        for (const Run& r : runs) {
            if (r.rule) continue;
            Run style = r;
            style.text.clear();
            if (r.tab) {
                out.emplace_back(QLatin1Char(' '), style);
                continue;
            }
            for (QChar c : r.text) out.emplace_back(c, style);
        }
        return out;
    }

    // Splits a table line into its columns. The boundaries are character positions; a cell ends
    // in its separating blank. Where a cell is wider than its column (a value that needs more
    // digits, a header with subscripts) it runs on to the next blank and the following columns
    // move along with it.
    static std::vector<Cell> split_cells(const std::vector<std::pair<QChar, Run>>& chars,
                                         const std::vector<double>& boundaries)
    {
        std::vector<Cell> cells(boundaries.size() + 1);
        int n = int(chars.size()), at = 0, shift = 0;
        for (size_t c = 0; c < cells.size(); ++c) {
            int end = n;
            if (c < boundaries.size()) {
                double bd = std::clamp(boundaries[c], 0.0, 100000.0);
                end = std::max(at, int(std::lround(bd)) + shift);
                if (end > n) end = n;
                if (end > at && end < n && chars[size_t(end - 1)].first != QLatin1Char(' ')) {
                    int e = end;
                    while (e < n && chars[size_t(e)].first != QLatin1Char(' ')) ++e;
                    if (e < n) ++e;   // take the separating blank
                    shift += e - end;
                    end = e;
                }
            }
            for (int i = at; i < end; ++i) cells[c].chars.push_back(chars[size_t(i)]);
            at = end;
        }
        return cells;
    }

    // One line of a table in its cells; a line that holds only a rule graphic belongs to the row above it.
    struct Row {
        std::vector<Cell> cells;
        bool rule_only = false, rule = false;
    };

    static Row table_row(const std::string& line, const std::vector<double>& boundaries)
    {
        Row row;
        auto runs = runs_of(line);
        for (const Run& r : runs) row.rule = row.rule || r.rule;
        row.rule_only = runs.size() == 1 && runs[0].rule;
        if (!row.rule_only) row.cells = split_cells(grid_chars(runs), boundaries);
        return row;
    }

    double captions_height(const Block& b) const
    {
        double h = 0;
        for (size_t k = 0; k < b.captions.size(); ++k) {
            bool small = int(k) >= b.counts[0] + b.counts[1];
            h += (small ? 0.23 : 0.3) * 1.4;
        }
        return h;
    }

    // A table's captions, kept on one page with the `below` cm that follow them.
    void captions(const Block& b, double below)
    {
        const double h = captions_height(b) + below;
        if (h < area_h()) need(h);
        for (size_t k = 0; k < b.captions.size(); ++k) {
            bool centred = int(k) < b.counts[0];
            bool small = int(k) >= b.counts[0] + b.counts[1];
            double size = small ? 0.23 : 0.3;
            need(size * 1.4);
            text_line(b.captions[k], size, size * 1.3, !small, centred, {});
        }
        // A table of captions alone is a title: the writers move up after it as after any table.
        if (b.lines.empty()) advance(kAirBelowTable);
    }

    // A table; from_row >= 0 begins a continuation page at that row, without the captions. `tail`
    // is the height of the text that follows the table and stays with its last row.
    void table(const Block& b, int from_row = -1, double tail = 0)
    {
        bool grid = !b.boundaries.empty() || b.header_lines > 0;
        int header = std::min<int>(b.header_lines, int(b.lines.size()));
        if (b.lines.empty()) {
            if (from_row < 0) captions(b, 0);
            return;
        }

        // Column widths in characters: the list's widths, widened to the widest cell. The rows are
        // split again as they are drawn, so that no table keeps the cells of all its rows.
        size_t ncols = b.boundaries.size() + 1;
        std::vector<int> width(ncols, 0);
        double prev = 0;
        for (size_t c = 0; c < b.boundaries.size(); ++c) {
            double bd = std::clamp(b.boundaries[c], prev, 100000.0);
            width[c] = int(std::lround(bd - prev));
            prev = bd;
        }
        // A column of texts that all begin at the same character is left-aligned: its texts stay
        // where they begin and keep a character's room from the right rule as numbers do.
        std::vector<int> column_lead(ncols, -1);   // -1 no text yet, -2 not a left-aligned text column
        std::vector<Row> heads;
        for (size_t k = 0; k < b.lines.size(); ++k) {
            Row row = table_row(b.lines[k], b.boundaries);
            for (size_t c = 0; c < row.cells.size(); ++c) {
                const Cell& cell = row.cells[c];
                int need_w = cell.content();
                if (need_w > 0) ++need_w;   // and its separating blank
                // a text keeps a character's room at both rules, also where it fills its cell, and so
                // does a number that begins at its left rule; a number after a blank has its room
                // already in that blank and its separating one
                if (int(k) >= header && need_w > 0 && (!cell.numeric() || text_lead(cell)))
                    need_w += kTextRoom + text_lead(cell);
                width[c] = std::max(width[c], need_w);
                if (int(k) < header || cell.ink() == 0 || column_lead[c] == -2) continue;
                const int lead = cell.content() - cell.ink();
                column_lead[c] = !cell.numeric() && (column_lead[c] == -1 || column_lead[c] == lead) ? lead : -2;
            }
            if (int(k) < header) heads.push_back(std::move(row));
        }
        auto left_text = [&](size_t c) { return c < ncols && column_lead[c] >= 0; };
        std::vector<int> start(ncols + 1, 0);
        for (size_t c = 0; c < ncols; ++c) start[c + 1] = start[c] + width[c];
        const int total = std::max(1, start[ncols]);

        // the largest monospaced font, up to the text size, whose grid fits between the margins
        const double avail = text_right() - left;
        int px = std::max(1, int(0.3 * px_per_cm));
        double cw = 0;
        for (;; --px) {
            QFont f("DejaVu Sans Mono");
            f.setPixelSize(px);
            cw = QFontMetricsF(f).horizontalAdvance(QLatin1Char('0')) / px_per_cm;
            if (px <= 4 || cw * (total + 1) <= avail) break;
        }
        double size = px / px_per_cm;
        g_stats.table_px.push_back(px);
        double pitch = size * 1.35;
        if (from_row < 0) {
            // The captions stay with the table's headings and its first row; a table that fits on
            // a page stays whole with the text that follows it.
            const double first = (header + 1) * pitch + 0.1;
            const double whole = double(b.lines.size()) * pitch + 0.1;
            const double captions_h = captions_height(b);
            captions(b, captions_h + whole + tail < area_h() && tail > 0 ? whole + tail : first);
        }
        double top = y;
        auto col_x = [&](int pos) { return left + (pos + 0.5) * cw; };
        auto draw_verticals = [&](double from, double to) {
            if (!grid) return;
            QPen pen(Qt::gray);
            pen.setWidthF(0.01 * px_per_cm);
            p->setPen(pen);
            for (size_t c = 0; c <= ncols; ++c) {
                if (c > 0 && c < ncols && width[c - 1] == 0) continue;   // inside a merged group
                p->drawLine(QPointF(X(col_x(start[c])), Y(from)), QPointF(X(col_x(start[c])), Y(to)));
            }
            p->setPen(Qt::black);
        };
        auto hline = [&](double at, double w) {
            QPen pen(Qt::gray);
            pen.setWidthF(w * px_per_cm);
            p->setPen(pen);
            p->drawLine(QPointF(X(col_x(0)), Y(at)), QPointF(X(col_x(total)), Y(at)));
            p->setPen(Qt::black);
        };
        auto draw_cell = [&](const Cell& cell, size_t c, double base, bool bold) {
            int len = cell.len(), content = cell.content();
            if (content == 0) return;
            // in a widened column a value that filled its cell stays right-aligned, a header centred
            double offset = 0;
            // The last column has no blank after it: there only a number counts as filling its cell.
            const bool filled = len - content <= 1 && (c + 1 < ncols || cell.numeric()) && (bold || !left_text(c));
            if (!b.boundaries.empty()) {
                // a number ends a character before the right rule (the rules stand half a character
                // outside the grid)
                if (filled && bold) offset = std::max(0, width[c] - (content + 1));
                else if (filled && cell.numeric())
                    offset = std::max(0.0, width[c] - 1.5 - cell.ink()) - (content - cell.ink());
                else if (filled) offset = std::max(text_lead(cell), width[c] - (content + 1 + kTextRoom));
                else if (bold) offset = std::max(0, (width[c] - len) / 2);
                else offset = text_lead(cell);
            }
            int i = 0;
            while (i < content) {
                const Run& style = cell.chars[size_t(i)].second;
                int j = i;
                QString text;
                while (j < content && cell.chars[size_t(j)].second.bold == style.bold &&
                       cell.chars[size_t(j)].second.sub == style.sub && cell.chars[size_t(j)].second.sup == style.sup &&
                       cell.chars[size_t(j)].second.underline == style.underline &&
                       cell.chars[size_t(j)].second.colour == style.colour)
                    text += cell.chars[size_t(j++)].first;
                QFont f = cell_font(style, px, size, bold);
                p->setFont(f);
                p->setPen(style.colour);
                double dy = style.sub ? size * 0.25 : (style.sup ? -size * 0.4 : 0);
                double x0 = left + (start[c] + offset + i + 1) * cw;
                QFontMetricsF fm(f);
                if (!style.sub && !style.sup && std::fabs(fm.horizontalAdvance(text) / px_per_cm - text.size() * cw) > 0.01 * cw) {
                    // a glyph from a fallback font: keep every character on its cell
                    for (int k = 0; k < text.size(); ++k) draw_text(QPointF(X(x0 + k * cw), Y(base + dy)), QString(text[k]));
                } else {
                    draw_text(QPointF(X(x0), Y(base + dy)), text);
                }
                i = j;
            }
            p->setPen(Qt::black);
        };
        auto draw_row = [&](const Row& row, int k) {
            if (row.rule_only) {
                hline(y - 0.05 * pitch, 0.015);
                return;
            }
            for (size_t c = 0; c < row.cells.size(); ++c) draw_cell(row.cells[c], c, y + size, k < header);
            advance(pitch);
            if (row.rule || (grid && k + 1 == header)) hline(y - 0.05 * pitch, 0.015);
        };
        // The heading rows, again at the top of every continuation page.
        auto draw_heads = [&]() {
            for (size_t k = 0; k < heads.size(); ++k) draw_row(heads[k], int(k));
        };
        if (grid) hline(y, 0.02);
        int k = 0;
        if (from_row >= 0) {
            draw_heads();
            k = std::max(from_row, header);
        }
        // A row is never split: a page ends before a row that does not fit, and the next page
        // begins with the headings (with at least one row below them). A line whose cells are
        // blank but for the last continues the row above it (a wrapped explanation), and so does
        // a line of a rule alone: the row goes to the next page with its continuations.
        const double heads_h = header * pitch;
        auto continues = [&](int i) {
            if (i < header || i >= int(b.lines.size())) return false;
            const Row r = table_row(b.lines[size_t(i)], b.boundaries);
            if (r.rule_only) return true;
            if (r.cells.size() < 2) return false;
            for (size_t c = 0; c + 1 < r.cells.size(); ++c)
                for (const auto& ch : r.cells[c].chars)
                    if (ch.first != QLatin1Char(' ')) return false;
            return true;
        };
        const int last = int(b.lines.size()) - 1;
        int rows_here = 0;   // data rows on this page
        for (; k < int(b.lines.size()) && !stopped_; ++k) {
            const bool data_row = k >= header;
            int lines = 1;
            if (data_row && !continues(k))
                while (continues(k + lines)) ++lines;
            double need = (data_row && heads_h + lines * pitch < area_h()) ? lines * pitch : pitch;
            // The last row goes over with the text that follows the table, when a row stays behind.
            if (data_row && k + lines - 1 == last && rows_here > 0 && heads_h + need + tail < area_h()) need += tail;
            if (y + need > area_h() && y > 0 && (!data_row || heads_h + need < area_h())) {
                draw_verticals(top, y);
                if (grid) hline(y, 0.02);
                row_ = k;
                new_page();
                row_ = -1;
                if (stopped_) return;
                top = y;
                if (grid) hline(y, 0.02);
                if (data_row) draw_heads();
                rows_here = 0;
            }
            if (data_row) ++rows_here;
            if (k < int(heads.size())) draw_row(heads[size_t(k)], k);
            else draw_row(table_row(b.lines[size_t(k)], b.boundaries), k);
        }
        if (stopped_) return;
        draw_verticals(top, y);
        if (grid) hline(y, 0.02);
        advance(kAirBelowTable);
    }

    void graphic(const Block& b)
    {
        double x1 = b.extents[0], x2 = b.extents[1], y1 = b.extents[2], y2 = b.extents[3];
        if (!std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1) || !std::isfinite(y2)) return;
        double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
        if (w < 1e-6 || h < 1e-6 || w > 1e4 || h > 1e4) return;
        double k = std::min(1.0, std::min((TEXT_W - left) / w, (area_h() * 0.9) / h));
        double sxd = x2 >= x1 ? 1 : -1, syd = y2 >= y1 ? 1 : -1;
        double cap = 0;
        for (int i = 0; i < 3; ++i)
            if (!b.gcaptions[i].empty()) cap += 0.4;
        need(h * k + cap + 0.2);
        for (int i = 0; i < 3; ++i)
            if (!b.gcaptions[i].empty()) {
                text_line(b.gcaptions[i], 0.3, 0.4, true, false, {});
            }
        double ox = left, oy = y;
        auto PX = [&](double x) { return X(ox + (x - x1) * sxd * k); };
        auto PY = [&](double yy) { return Y(oy + (y2 - yy) * syd * k); };

        struct St {
            double width = 0.02, height = 0.3;
            int pattern = 0, dash = 0;
            QColor line = Qt::black, fill = QColor(200, 200, 200);
            bool fill_set = false;
        } st;
        std::vector<St> stack;
        p->save();
        p->setClipRect(QRectF(QPointF(X(0), Y(oy - 0.5)), QPointF(X(TEXT_W + 1), Y(oy + h * k + 0.5))));
        auto whole = [](double v) { return std::isfinite(v) ? int(std::clamp(v, -1e6, 1e6)) : 0; };
        auto pen = [&]() {
            QPen q(st.line);
            q.setWidthF(std::max(0.005, st.width) * px_per_cm * std::max(k, 0.3));
            if (st.dash > 0) q.setStyle(Qt::DashLine);
            return q;
        };
        // With a fill colour from the extended records every area takes that colour: pattern 0,
        // the blank fill, is then painted in it (the print pages set white to clear an opening and
        // a colour for the rods). Without one, pattern 0 clears to the paper's white. Areas are
        // opaque: a hatch first clears what lies below it.
        auto brush = [&]() -> QBrush {
            QColor c = st.fill_set ? st.fill : QColor(120, 120, 120);
            if (st.pattern == 0) return QBrush(st.fill_set ? st.fill : QColor(Qt::white));
            if (st.pattern == 43) return QBrush(c, Qt::BDiagPattern);
            if (st.pattern == 55 || st.pattern == 64 || st.fill_set) return QBrush(c);
            static const Qt::BrushStyle styles[] = {Qt::Dense6Pattern, Qt::Dense5Pattern, Qt::Dense4Pattern,
                                                    Qt::Dense3Pattern, Qt::HorPattern, Qt::VerPattern,
                                                    Qt::CrossPattern, Qt::FDiagPattern, Qt::DiagCrossPattern};
            return QBrush(c, styles[std::abs(st.pattern) % 9]);
        };
        auto fill = [&](const QPainterPath& area) {
            QBrush br = brush();
            if (br.style() != Qt::SolidPattern) p->fillPath(area, Qt::white);
            p->fillPath(area, br);
        };
        for (const GraphicItem& it : b.items) {
            switch (it.kind) {
            case GraphicItem::State:
                switch (it.state_op) {
                case 30: stack.push_back(st); break;
                case 31: if (!stack.empty()) { st = stack.back(); stack.pop_back(); } break;
                case 4: st.width = std::clamp(0.015 * it.width, 0.01, 0.08); break;
                case 6: if (std::isfinite(it.width)) st.width = std::clamp(it.width, 0.0, 0.5); break;
                case 13: if (std::isfinite(it.width)) st.height = std::clamp(it.width, 0.05, 3.0); break;
                case 20: st.pattern = whole(it.width); break;
                case 38: st.dash = whole(it.width); break;
                case 50: st.line = QColor(std::clamp(it.line_rgb[0], 0, 255), std::clamp(it.line_rgb[1], 0, 255),
                                          std::clamp(it.line_rgb[2], 0, 255)); break;
                case 51: st.fill = QColor(std::clamp(it.line_rgb[0], 0, 255), std::clamp(it.line_rgb[1], 0, 255),
                                          std::clamp(it.line_rgb[2], 0, 255));
                         st.fill_set = true; break;
                default: break;
                }
                break;
            case GraphicItem::Line:
                p->setPen(pen());
                p->drawLine(QPointF(PX(it.x1), PY(it.y1)), QPointF(PX(it.x2), PY(it.y2)));
                break;
            case GraphicItem::Rect:
            {
                QPainterPath area;
                area.addRect(QRectF(QPointF(PX(it.x1), PY(it.y1)), QPointF(PX(it.x2), PY(it.y2))).normalized());
                fill(area);
                break;
            }
            case GraphicItem::Polygon: {
                QPolygonF poly;
                for (size_t i = 0; i + 1 < it.points.size(); i += 2) poly << QPointF(PX(it.points[i]), PY(it.points[i + 1]));
                QPainterPath area;
                area.addPolygon(poly);
                area.closeSubpath();
                fill(area);
                break;
            }
            case GraphicItem::Picture:
                p->setPen(pen());
                p->drawRect(QRectF(QPointF(PX(it.x1), PY(it.y1)), QSizeF(1.0 * px_per_cm, 1.0 * px_per_cm)));
                break;
            case GraphicItem::Text: {
                QFont f = font(st.height * k * 0.9, false);
                p->setFont(f);
                p->setPen(st.line);
                QString t = QString::fromStdString(plain(it.text));
                QFontMetricsF fm(f);
                double tw = fm.horizontalAdvance(t), asc = fm.ascent(), desc = fm.descent();
                double dx = 0, dy = 0;
                int a = it.align;
                if (a >= 200) {
                    int hv = (a & 255) - 200;
                    int hz = hv & 7, vt = hv & ~7;
                    dx = hz == 2 ? -tw / 2 : (hz == 4 ? -tw : 0);
                    dy = vt == 0 ? asc : (vt == 8 ? (asc - desc) / 2 : -desc);
                }
                p->save();
                p->translate(PX(it.x1), PY(it.y1));
                double ang = std::isfinite(it.angle) ? it.angle : 0;
                p->rotate(-ang * syd);
                draw_text(QPointF(dx, dy), t);
                p->restore();
                break;
            }
            }
        }
        p->restore();
        p->setPen(Qt::black);
        advance(h * k + 0.2);
        for (int i = 3; i < 6; ++i)
            if (!b.gcaptions[i].empty()) {
                text_line(b.gcaptions[i], 0.3, 0.4, false, false, {});
            }
    }
};

} // namespace

namespace {

// The blocks of a document (offset: the block's index) or of a list file (byte offsets), from
// `from` on, to a sink until it stops.
using Feed = std::function<bool(long from, const BlockSink& sink)>;

Feed document_feed(const Document& doc)
{
    return [&doc](long from, const BlockSink& sink) {
        for (size_t i = size_t(std::max(0L, from)); i < doc.blocks.size(); ++i)
            if (!sink(doc.blocks[i], long(i))) break;
        return true;
    };
}

Feed file_feed(const std::string& path)
{
    return [path](long from, const BlockSink& sink) { return for_each_block(path, from, sink); };
}

// Lays the pages out without drawing them: their number and, when asked, where each begins.
struct Pagination {
    int pages = 0;
    std::vector<PageStart> starts;
    bool read = true, cancelled = false;
};

Pagination paginate(const Feed& feed, double dpi, const std::string& id, bool keep_starts, const Progress& progress)
{
    Pagination pg;
    QPainter none;   // never begun: no page is drawn
    RenderPlan plan;
    plan.id = id;
    plan.first = plan.last = INT_MAX;
    if (keep_starts) {
        pg.starts.emplace_back();
        plan.page_started = [&pg](const PageStart& ps) { pg.starts.push_back(ps); };
    }
    if (progress) plan.progress = [&progress](int page) { return progress(page, 0); };
    Renderer r(none, dpi, [] {}, plan);
    pg.read = feed(0, [&r](const Block& b, long at) { return r.block(b, at); });
    r.finish();
    pg.pages = r.pages();
    pg.cancelled = r.cancelled();
    return pg;
}

// Draws every page on an open painter, numbered against `total`; false when cancelled.
bool draw_pages(const Feed& feed, QPainter& painter, double dpi, std::function<void()> next_page, int total,
                const std::string& id, const Progress& progress)
{
    RenderPlan plan;
    plan.id = id;
    plan.total = total;
    if (progress) plan.progress = [&progress, total](int page) { return progress(page, total); };
    Renderer r(painter, dpi, std::move(next_page), plan);
    feed(0, [&r](const Block& b, long at) { return r.block(b, at); });
    r.finish();
    return !r.cancelled();
}

RenderResult write_pdf(const Feed& feed, const std::string& pdf_path, const std::string& title, const Progress& progress)
{
    const CNumericScope c_numbers;
    RenderResult res;
    if (!QGuiApplication::instance()) {
        res.error = pdf_path + ": no display";
        return res;
    }
    g_stats = RenderStats();
    const Pagination pg = paginate(feed, DPI, title, false, progress);
    if (pg.cancelled) {
        res.cancelled = true;
        return res;
    }
    if (!pg.read) {
        res.error = pdf_path + ": " + std::strerror(errno ? errno : EIO);
        return res;
    }
    g_stats = RenderStats();
    // The PDF is written beside its place and put there only when complete: a failed, cancelled
    // or killed render leaves the old one, and a reader never sees half a file.
    // A device, pipe or folder in the PDF's place is never replaced by the rename.
    struct stat st;
    if (::stat(pdf_path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        res.error = write_failure_message(pdf_path, S_ISDIR(st.st_mode) ? "an ihrer Stelle steht ein Ordner"
                                                                        : "an ihrer Stelle steht keine gewöhnliche Datei");
        return res;
    }
    bool began = false, drawn = false;
    std::string write_error;
    const bool saved = save_file_atomically(pdf_path, [&](FILE* f) {
        QFile out;
        if (!out.open(f, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
        {
            QPdfWriter writer(&out);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(DPI);
            writer.setTitle(QString::fromLocal8Bit(title.c_str()));
            writer.setCreator("tavo52");
            QPainter painter;
            if (painter.begin(&writer)) {
                began = true;
                drawn = draw_pages(feed, painter, DPI, [&writer] { writer.newPage(); }, pg.pages, title, progress);
                painter.end();
            }
        }
        const bool flushed = out.flush() && out.error() == QFileDevice::NoError;
        if (!flushed) write_error = out.errorString().toLocal8Bit().toStdString();
        return drawn && flushed;
    });
    if (saved) {
        res.ok = true;
        res.pages = pg.pages;
        return res;
    }
    if (began && !drawn) {
        res.cancelled = true;
        return res;
    }
    // The system's reason in German; the writer's own words only where the system gave none.
    const std::string reason = last_save_failure_reason();
    res.error = write_failure_message(pdf_path, reason.empty() ? write_error : reason);
    return res;
}

} // namespace

bool render_pdf(const Document& doc, const std::string& pdf_path, const std::string& title)
{
    return write_pdf(document_feed(doc), pdf_path, title, Progress()).ok;
}

RenderResult render_list_pdf(const std::string& list_path, const std::string& pdf_path, const std::string& title,
                             const Progress& progress)
{
    return write_pdf(file_feed(list_path), pdf_path, title, progress);
}

bool render_to_printer(const Document& doc, QPrinter* printer)
{
    const CNumericScope c_numbers;
    if (!printer || !QGuiApplication::instance()) return false;
    const Feed feed = document_feed(doc);
    // The pages are laid out on the whole A4 sheet, as in the PDF.
    printer->setFullPage(true);
    const Pagination pg = paginate(feed, printer->resolution(), std::string(), false, Progress());
    g_stats = RenderStats();
    QPainter painter;
    if (!painter.begin(printer)) return false;
    draw_pages(feed, painter, printer->resolution(), [printer] { printer->newPage(); }, pg.pages, std::string(),
               Progress());
    painter.end();
    return true;
}

std::vector<QImage> render_images(const Document& doc, int dpi)
{
    const CNumericScope c_numbers;
    std::deque<QImage> pages;
    if (!QGuiApplication::instance() || dpi < 10 || dpi > 1200) return {};
    const Feed feed = document_feed(doc);
    const Pagination pg = paginate(feed, dpi, std::string(), false, Progress());
    g_stats = RenderStats();
    const QSize size(int(std::lround(PAGE_W / 2.54 * dpi)), int(std::lround(PAGE_H / 2.54 * dpi)));
    QPainter painter;
    const auto start = [&] {
        pages.emplace_back(size, QImage::Format_RGB32);
        pages.back().fill(Qt::white);
        painter.begin(&pages.back());
    };
    start();
    draw_pages(feed, painter, dpi, [&] {
        painter.end();
        start();
    }, pg.pages, std::string(), Progress());
    painter.end();
    return std::vector<QImage>(pages.begin(), pages.end());
}

// The pages of a list file laid out once, each drawn on its own when it is asked for.
struct PagedList::Impl {
    Feed feed;
    std::string id;
    Pagination pg;
};

PagedList::PagedList() = default;
PagedList::~PagedList() = default;

bool PagedList::open(const std::string& list_path, const std::string& id, const Progress& progress)
{
    const CNumericScope c_numbers;
    if (!QGuiApplication::instance()) return false;
    auto impl = std::make_unique<Impl>();
    impl->feed = file_feed(list_path);
    impl->id = id;
    impl->pg = paginate(impl->feed, DPI, id, true, progress);
    if (impl->pg.cancelled || !impl->pg.read) return false;
    impl_ = std::move(impl);
    return true;
}

int PagedList::pages() const { return impl_ ? impl_->pg.pages : 0; }

QImage PagedList::page(int n, int dpi) const
{
    const CNumericScope c_numbers;
    if (!impl_ || n < 1 || n > impl_->pg.pages || n > int(impl_->pg.starts.size()) || dpi < 10 || dpi > 1200)
        return QImage();
    const QSize size(int(std::lround(PAGE_W / 2.54 * dpi)), int(std::lround(PAGE_H / 2.54 * dpi)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderPlan plan;
    plan.id = impl_->id;
    plan.total = impl_->pg.pages;
    plan.first = plan.last = n;
    plan.resume = impl_->pg.starts[size_t(n - 1)];
    plan.resumed = true;
    Renderer r(painter, dpi, [] {}, plan);
    impl_->feed(plan.resume.offset, [&r](const Block& b, long at) { return r.block(b, at); });
    r.finish();
    painter.end();
    return image;
}

bool PagedList::print(QPrinter* printer) const
{
    const CNumericScope c_numbers;
    if (!impl_ || !printer) return false;
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer)) return false;
    draw_pages(impl_->feed, painter, printer->resolution(), [printer] { printer->newPage(); }, impl_->pg.pages,
               impl_->id, Progress());
    painter.end();
    return true;
}

const RenderStats& last_render_stats()
{
    return g_stats;
}

} // namespace oliview
