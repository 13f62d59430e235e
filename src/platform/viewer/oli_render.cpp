// Renders a parsed output list to an A4 PDF with QPdfWriter: text width 17 cm, 2 cm left margin.
#include "platform/viewer/oli_viewer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace oliview {

namespace {

constexpr double PAGE_W = 21.0, PAGE_H = 29.7;
constexpr double LEFT = 2.0, TOP = 1.5, BOTTOM = 1.8;
constexpr double TEXT_W = 17.0;
constexpr int DPI = 300;

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

class Renderer {
public:
    Renderer(QPdfWriter& w) : writer(w), p(&w)
    {
        px_per_cm = DPI / 2.54;
        p.setRenderHint(QPainter::Antialiasing, true);
    }

    void run(const Document& doc)
    {
        for (const Block& b : doc.blocks) {
            switch (b.kind) {
            case Block::Command: command(b); break;
            case Block::Title: title(b); break;
            case Block::Para: para(b); break;
            case Block::Table: table(b); break;
            case Block::Graphic: graphic(b); break;
            case Block::NewPage: new_page(); break;
            }
        }
        footer();
        p.end();
    }

private:
    QPdfWriter& writer;
    QPainter p;
    double px_per_cm;
    double y = 0;              // cm below the top of the text area
    double left = 0, right = 0;
    double slot_y[10] = {};
    int slot_page[10] = {};
    double max_y = 0;
    int page = 1;

    double X(double cm) const { return (LEFT + cm) * px_per_cm; }
    double Y(double cm) const { return (TOP + cm) * px_per_cm; }
    double area_h() const { return PAGE_H - TOP - BOTTOM; }
    double text_right() const
    {
        double r = TEXT_W - right;
        return r > left + 1 ? r : TEXT_W;
    }

    void footer()
    {
        QFont f("DejaVu Sans");
        f.setPixelSize(int(0.25 * px_per_cm));
        p.setFont(f);
        p.setPen(Qt::gray);
        p.drawText(QPointF(X(TEXT_W - 1.5), Y(area_h() + 1.0)), QString("Seite %1").arg(page));
        p.setPen(Qt::black);
    }

    void new_page()
    {
        footer();
        writer.newPage();
        ++page;
        y = 0;
        max_y = 0;
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
        QFont f(mono ? "DejaVu Sans Mono" : "DejaVu Sans");
        f.setPixelSize(std::max(1, int(size_cm * px_per_cm)));
        f.setBold(bold);
        return f;
    }

    // Draws one line of runs at x (cm) on the baseline y (cm); returns the end x (cm).
    double draw_runs(const std::vector<Run>& runs, double x0, double base, double size, bool bold_all,
                     const std::vector<double>& tabs, bool mono, double x_limit)
    {
        double x = x0;
        size_t tab_i = 0;
        for (const Run& r : runs) {
            if (r.tab) {
                double t = tab_i < tabs.size() ? x0 + tabs[tab_i] : x + 1.0;
                ++tab_i;
                x = std::max(x + 0.2, t);
                continue;
            }
            if (r.rule) continue;
            double s = (r.sub || r.sup) ? size * 0.7 : size;
            QFont f = font(s, r.bold || bold_all, mono);
            f.setUnderline(r.underline);
            p.setFont(f);
            p.setPen(r.colour);
            double dy = r.sub ? size * 0.25 : (r.sup ? -size * 0.4 : 0);
            QString text = r.text;
            QFontMetricsF fm(f);
            double w = fm.horizontalAdvance(text) / px_per_cm;
            if (x + w > x_limit && !mono) {
                // cut what does not fit: the page edge is the hard limit
                while (!text.isEmpty() && x + fm.horizontalAdvance(text) / px_per_cm > PAGE_W - LEFT - 0.3)
                    text.chop(1);
                w = fm.horizontalAdvance(text) / px_per_cm;
            }
            p.drawText(QPointF(X(x), Y(base + dy)), text);
            x += w;
        }
        p.setPen(Qt::black);
        return x;
    }

    void title(const Block& b)
    {
        double size = 0.42;
        need(size * 1.6);
        for (const std::string& l : b.lines) {
            draw_runs(runs_of(l), left, y + size, size, true, {}, false, text_right());
            advance(size * 1.5);
        }
    }

    void para(const Block& b)
    {
        double size = 0.3, pitch = 0.38;
        bool bold = false;
        switch (b.mode) {
        case 3: size = 0.23; pitch = 0.286; break;
        case 5: size = 0.4; pitch = 0.55; bold = true; break;
        default: break;
        }
        bool centred = b.mode == 5 && !b.lines.empty() && b.lines[0].find("\x01@") == std::string::npos;
        for (const std::string& l : b.lines) {
            need(pitch);
            auto runs = runs_of(l);
            double x = left;
            if (centred) {
                QFontMetricsF fm(font(size, true));
                double w = fm.horizontalAdvance(QString::fromStdString(plain(l))) / px_per_cm;
                x = left + std::max(0.0, (text_right() - left - w) / 2);
            }
            draw_runs(runs, x, y + size, size, bold, b.tabs, false, text_right());
            advance(pitch);
        }
        advance(b.space_after);
    }

    void table(const Block& b)
    {
        double cap = 0.3;
        for (size_t k = 0; k < b.captions.size(); ++k) {
            bool centred = int(k) < b.counts[0];
            bool small = int(k) >= b.counts[0] + b.counts[1];
            double size = small ? 0.23 : cap;
            need(size * 1.4);
            double x = left;
            if (centred) {
                QFontMetricsF fm(font(size, true));
                double w = fm.horizontalAdvance(QString::fromStdString(plain(b.captions[k]))) / px_per_cm;
                x = left + std::max(0.0, (text_right() - left - w) / 2);
            }
            draw_runs(runs_of(b.captions[k]), x, y + size, size, !small, {}, false, text_right());
            advance(size * 1.3);
        }
        if (b.lines.empty()) return;
        bool grid = !b.boundaries.empty() || b.header_lines > 0;
        size_t longest = 1;
        for (const std::string& l : b.lines) longest = std::max(longest, size_t(QString::fromStdString(plain(l)).size()));
        if (!b.boundaries.empty()) longest = std::max(longest, size_t(b.boundaries.back() + 12));
        double width = text_right() - left;
        // character cell of the monospaced grid: 0.6 of the font size
        double size = std::clamp(width / (double(longest) * 0.6), 0.15, 0.3);
        double cw = size * 0.6;
        QFontMetricsF fm(font(size, false, true));
        cw = fm.horizontalAdvance(QLatin1Char('0')) / px_per_cm;
        double pitch = size * 1.35;
        double top = y;
        int header = std::min<int>(b.header_lines, int(b.lines.size()));
        auto draw_verticals = [&](double from, double to) {
            if (!grid) return;
            QPen pen(Qt::gray);
            pen.setWidthF(0.01 * px_per_cm);
            p.setPen(pen);
            double x0 = left + 0.5 * cw, x1 = left + (double(longest) + 0.5) * cw;
            p.drawLine(QPointF(X(x0), Y(from)), QPointF(X(x0), Y(to)));
            for (double bd : b.boundaries) {
                double x = left + (bd + 0.5) * cw;
                if (x < x1) p.drawLine(QPointF(X(x), Y(from)), QPointF(X(x), Y(to)));
            }
            p.drawLine(QPointF(X(x1), Y(from)), QPointF(X(x1), Y(to)));
            p.setPen(Qt::black);
        };
        auto hline = [&](double at, double w) {
            QPen pen(Qt::gray);
            pen.setWidthF(w * px_per_cm);
            p.setPen(pen);
            p.drawLine(QPointF(X(left + 0.5 * cw), Y(at)), QPointF(X(left + (double(longest) + 0.5) * cw), Y(at)));
            p.setPen(Qt::black);
        };
        if (grid) hline(y, 0.02);
        for (size_t k = 0; k < b.lines.size(); ++k) {
            if (y + pitch > area_h()) {
                draw_verticals(top, y);
                if (grid) hline(y, 0.02);
                new_page();
                top = y;
                if (grid) hline(y, 0.02);
            }
            auto runs = runs_of(b.lines[k]);
            bool rule = false;
            for (const Run& r : runs) rule = rule || r.rule;
            if (runs.size() == 1 && runs[0].rule) {
                // a line that holds only a rule graphic belongs to the row above it
                hline(y - 0.05 * pitch, 0.015);
                continue;
            }
            draw_runs(runs, left + cw, y + size, size, int(k) < header, {}, true, 1e9);
            advance(pitch);
            if (rule || (grid && int(k) + 1 == header)) hline(y - 0.05 * pitch, 0.015);
        }
        draw_verticals(top, y);
        if (grid) hline(y, 0.02);
        // the writers move up 0.4 cm after a table: leave that and a little air below the grid
        advance(0.6);
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
                draw_runs(runs_of(b.gcaptions[i]), left, y + 0.3, 0.3, true, {}, false, text_right());
                advance(0.4);
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
        p.save();
        p.setClipRect(QRectF(QPointF(X(0), Y(oy - 0.5)), QPointF(X(TEXT_W + 1), Y(oy + h * k + 0.5))));
        auto pen = [&]() {
            QPen q(st.line);
            q.setWidthF(std::max(0.005, st.width) * px_per_cm * std::max(k, 0.3));
            if (st.dash > 0) q.setStyle(Qt::DashLine);
            return q;
        };
        auto brush = [&]() -> QBrush {
            QColor c = st.fill_set ? st.fill : QColor(120, 120, 120);
            if (st.pattern == 0) return QBrush(Qt::white);
            if (st.pattern == 43) return QBrush(c, Qt::BDiagPattern);
            if (st.pattern == 55 || st.pattern == 64 || st.fill_set) return QBrush(c);
            static const Qt::BrushStyle styles[] = {Qt::Dense6Pattern, Qt::Dense5Pattern, Qt::Dense4Pattern,
                                                    Qt::Dense3Pattern, Qt::HorPattern, Qt::VerPattern,
                                                    Qt::CrossPattern, Qt::FDiagPattern, Qt::DiagCrossPattern};
            return QBrush(c, styles[st.pattern % 9]);
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
                case 20: st.pattern = int(it.width); break;
                case 38: st.dash = int(it.width); break;
                case 50: st.line = QColor(std::clamp(it.line_rgb[0], 0, 255), std::clamp(it.line_rgb[1], 0, 255),
                                          std::clamp(it.line_rgb[2], 0, 255)); break;
                case 51: st.fill = QColor(std::clamp(it.line_rgb[0], 0, 255), std::clamp(it.line_rgb[1], 0, 255),
                                          std::clamp(it.line_rgb[2], 0, 255));
                         st.fill_set = true; break;
                default: break;
                }
                break;
            case GraphicItem::Line:
                p.setPen(pen());
                p.drawLine(QPointF(PX(it.x1), PY(it.y1)), QPointF(PX(it.x2), PY(it.y2)));
                break;
            case GraphicItem::Rect:
                p.setPen(Qt::NoPen);
                p.setBrush(brush());
                p.drawRect(QRectF(QPointF(PX(it.x1), PY(it.y1)), QPointF(PX(it.x2), PY(it.y2))).normalized());
                p.setBrush(Qt::NoBrush);
                break;
            case GraphicItem::Polygon: {
                QPolygonF poly;
                for (size_t i = 0; i + 1 < it.points.size(); i += 2) poly << QPointF(PX(it.points[i]), PY(it.points[i + 1]));
                p.setPen(Qt::NoPen);
                p.setBrush(brush());
                p.drawPolygon(poly);
                p.setBrush(Qt::NoBrush);
                break;
            }
            case GraphicItem::Picture:
                p.setPen(pen());
                p.drawRect(QRectF(QPointF(PX(it.x1), PY(it.y1)), QSizeF(1.0 * px_per_cm, 1.0 * px_per_cm)));
                break;
            case GraphicItem::Text: {
                QFont f = font(st.height * k * 0.9, false);
                p.setFont(f);
                p.setPen(st.line);
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
                p.save();
                p.translate(PX(it.x1), PY(it.y1));
                double ang = std::isfinite(it.angle) ? it.angle : 0;
                p.rotate(-ang * syd);
                p.drawText(QPointF(dx, dy), t);
                p.restore();
                break;
            }
            }
        }
        p.restore();
        p.setPen(Qt::black);
        advance(h * k + 0.2);
        for (int i = 3; i < 6; ++i)
            if (!b.gcaptions[i].empty()) {
                draw_runs(runs_of(b.gcaptions[i]), left, y + 0.3, 0.3, false, {}, false, text_right());
                advance(0.4);
            }
    }
};

} // namespace

bool render_pdf(const Document& doc, const std::string& pdf_path, const std::string& title)
{
    if (!QGuiApplication::instance()) return false;
    QPdfWriter writer(QString::fromLocal8Bit(pdf_path.c_str()));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(DPI);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator("tavo52");
    Renderer r(writer);
    r.run(doc);
    return true;
}

} // namespace oliview
