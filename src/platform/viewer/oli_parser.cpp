// Reader of the output list for the viewer stand-in: turns the stream into blocks.
#include "platform/viewer/oli_viewer.h"
#include "platform/os/codepage.h"
#include "platform/os/c_numeric.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace oliview {

namespace {


bool starts(const std::string& s, const char* p) { return s.compare(0, std::strlen(p), p) == 0; }

std::string trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    return s.substr(a, b - a);
}

// Numbers of a line (decimal or 0x hexadecimal); stops at the first word that is no number.
std::vector<double> numbers(const std::string& s, size_t max = 4096)
{
    std::vector<double> out;
    const char* p = s.c_str();
    while (*p && out.size() < max) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) break;
        char* end = nullptr;
        double v;
        if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) v = double(std::strtoul(p, &end, 16));
        else v = c_strtod(p, &end);
        if (end == p || !std::isfinite(v)) break;
        out.push_back(v);
        p = end;
    }
    return out;
}

// A number of the list as an int within [lo, hi]; the list is outside data, so a value beyond
// the range (or not a number) never reaches the conversion.
int clamped(double v, int lo, int hi)
{
    if (!(v >= lo)) return lo;
    if (v > hi) return hi;
    return int(v);
}

// Record codes and flag words are small; anything larger is an unknown code.
const int kMaxCode = 1 << 30;

// Coordinates, sizes and command arguments: a page is some tens of centimetres, so a million
// keeps every real value and every later product or conversion in range.
const double kMaxMagnitude = 1e6;

std::vector<double> bounded(std::vector<double> v)
{
    for (double& x : v) x = std::clamp(x, -kMaxMagnitude, kMaxMagnitude);
    return v;
}

bool is_keyword(const std::string& s) { return !s.empty() && s[0] == '#'; }

// A delimited string between 0xAE and 0xAF (the rest of the line when the end mark is missing).
std::string delimited(const std::string& s, size_t* after = nullptr)
{
    size_t a = s.find('\xAE');
    if (a == std::string::npos) {
        if (after) *after = s.size();
        return std::string();
    }
    size_t b = s.find('\xAF', a + 1);
    if (after) *after = b == std::string::npos ? s.size() : b + 1;
    return s.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
}

// The lines of a list, read one at a time with one line of look-ahead, from bytes in memory or
// from a file; CR before LF and NUL bytes are dropped. Blocks go to the sink as they are read.
class Reader {
public:
    Reader(const char* data, std::size_t size) : data_(data), size_(size) { fetch(); }
    Reader(std::FILE* file, long start) : file_(file), at_(start) { fetch(); }

    bool eof() const { return !have_; }
    // Past the end every look-ahead sees an empty line, so no reader can step outside the list.
    const std::string& peek() const
    {
        static const std::string none;
        return have_ ? line_ : none;
    }
    std::string next()
    {
        std::string l = have_ ? std::move(line_) : std::string();
        fetch();
        return l;
    }
    void skip() { fetch(); }
    // Byte offset of the line that peek() shows.
    long offset() const { return line_at_; }

    void put(Block& b)
    {
        if (sink && !sink(b, block_at)) stopped = true;
    }

    BlockSink sink;
    long block_at = 0;
    bool stopped = false;
    int skipped = 0;

private:
    int get()
    {
        if (file_) return std::getc(file_);
        return pos_ < size_ ? static_cast<unsigned char>(data_[pos_++]) : EOF;
    }

    void fetch()
    {
        line_.clear();
        line_at_ = at_;
        int c = get();
        if (c == EOF) {
            have_ = false;
            return;
        }
        have_ = true;
        for (; c != EOF; c = get()) {
            ++at_;
            if (c == '\n') break;
            if (c != 0) line_ += char(c);
        }
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    }

    const char* data_ = nullptr;
    std::size_t size_ = 0, pos_ = 0;
    std::FILE* file_ = nullptr;
    long at_ = 0, line_at_ = 0;
    std::string line_;
    bool have_ = false;
};

std::string body_line(const std::string& raw)
{
    return decode_text(!raw.empty() && raw[0] == ' ' ? raw.substr(1) : raw);
}

void read_command(Reader& r, const std::string& line)
{
    Block b;
    b.kind = Block::Command;
    std::string rest = line.size() > 5 ? line.substr(5) : std::string();
    size_t sp = rest.find(' ');
    b.command = rest.substr(0, sp);
    if (sp != std::string::npos) {
        std::string args = rest.substr(sp + 1);
        b.args = bounded(numbers(args, 8));
        if (b.command == "bookmark") b.lines.push_back(decode_text(delimited(args)));
    }
    if (b.command.empty()) {
        ++r.skipped;
        return;
    }
    r.put(b);
}

// Body lines up to "#END_OF_TEXT"; a keyword line ends a damaged block without being taken.
void read_body(Reader& r, Block& b)
{
    while (!r.eof()) {
        const std::string& l = r.peek();
        if (starts(l, "#END_OF_TEXT")) {
            r.skip();
            return;
        }
        if (is_keyword(l)) {
            b.complete = false;
            return;
        }
        b.lines.push_back(body_line(r.next()));
    }
    b.complete = false;
}

void read_table(Reader& r)
{
    Block b;
    b.kind = Block::Table;
    if (r.eof()) return;
    std::vector<double> c = numbers(r.peek(), 8);
    if (c.size() < 3) {
        ++r.skipped;
        return;
    }
    r.skip();
    int total = 0;
    for (int k = 0; k < 3; ++k) {
        b.counts[k] = clamped(c[size_t(k)], 0, 1000);
        total += b.counts[k];
    }
    for (int k = 0; k < total && !r.eof() && !is_keyword(r.peek()); ++k) b.captions.push_back(body_line(r.next()));
    if (r.eof() || is_keyword(r.peek())) {
        b.complete = !r.eof();
        r.put(b);
        return;
    }
    std::vector<double> f = numbers(r.peek(), 16);
    if (f.size() >= 4 && f[2] == -1 && f[3] == -1) {
        r.skip();
        b.header_lines = clamped(f[0], 0, 5) + (f[1] != 0 ? 1 : 0);
        int k = f.size() >= 5 ? clamped(f[4], 0, 500) : 0;
        if (k > 0 && !r.eof() && !is_keyword(r.peek())) {
            std::vector<double> bounds = bounded(numbers(r.peek(), size_t(k)));
            if (!bounds.empty()) {
                b.boundaries = bounds;
                r.skip();
            }
        }
        read_body(r, b);
    } else if (f.size() >= 4 && f.size() <= 5) {
        // " 0 0 0 0" (or the five zeros of the reports) closes a caption-only block
        bool zeros = true;
        for (double v : f) zeros = zeros && v == 0;
        if (zeros) r.skip();
        else ++r.skipped;
    } else {
        ++r.skipped;
    }
    r.put(b);
}

// One "#SHOWPARA" block: paragraph records, their text, closing words.
void read_para(Reader& r)
{
    bool more = true;
    while (more && !r.eof()) {
        more = false;
        Block b;
        b.kind = Block::Para;
        std::string fl = trim(r.peek());
        if (!starts(fl, "0x")) {
            ++r.skipped;
            return;
        }
        r.skip();
        unsigned flags = unsigned(std::strtoul(fl.c_str(), nullptr, 16));
        if (flags & 0x3) {
            // extra records of unknown form: pass over up to the record's end
            while (!r.eof() && trim(r.peek()) != "-1" && !is_keyword(r.peek())) r.skip();
            if (!r.eof() && trim(r.peek()) == "-1") r.skip();
            ++r.skipped;
        } else {
            std::vector<double> m = numbers(r.next(), 2);
            if (m.empty()) {
                ++r.skipped;
                return;
            }
            b.mode = clamped(m[0], -kMaxCode, kMaxCode);
            if (flags & 0x10) r.next();
            if (flags & 0x20) r.next();
            if (flags & 0x40) {
                std::string t = trim(r.next());
                std::vector<double> h = numbers(t, 2);
                if (t == "0x2") {
                    std::vector<double> v = bounded(numbers(r.next(), 2));
                    if (v.size() == 2) b.tabs.push_back(v[1]);
                } else if (h.size() == 2) {
                    int n = clamped(h[1], 0, 100);
                    for (int k = 0; k < n && !r.eof(); ++k) {
                        std::vector<double> v = bounded(numbers(r.next(), 2));
                        if (v.size() == 2) b.tabs.push_back(v[1]);
                    }
                }
            }
            if (flags & 0x400) r.next();
            if (flags & 0x800) r.next();
            if (flags & 0x200) r.next();
            if (r.eof()) return;
            if (trim(r.peek()) != "-1") {
                ++r.skipped;
                return;
            }
            r.skip();
        }
        read_body(r, b);
        if (!r.eof() && b.complete) {
            std::string w = trim(r.peek());
            if (starts(w, "0x")) {
                r.skip();
                unsigned word = unsigned(std::strtoul(w.c_str(), nullptr, 16));
                if (word & 0x1000) {
                    std::vector<double> v = bounded(numbers(r.next(), 2));
                    if (v.size() == 2) b.space_after = v[1];
                }
                if (word & 0x4) more = true;
                else if (!r.eof() && trim(r.peek()) == "-1") r.skip();
            }
        }
        r.put(b);
    }
}

void state_item(Block& b, int op)
{
    GraphicItem it;
    it.kind = GraphicItem::State;
    it.state_op = op;
    b.items.push_back(it);
}

void read_graphic(Reader& r)
{
    Block b;
    b.kind = Block::Graphic;
    // captions: two groups of flags and present lines
    for (int g = 0; g < 2 && !r.eof(); ++g) {
        std::vector<double> f = numbers(r.peek(), 4);
        if (f.size() != 3) {
            ++r.skipped;
            return;
        }
        r.skip();
        for (int k = 0; k < 3; ++k)
            if (f[size_t(k)] != 0 && !r.eof() && !is_keyword(r.peek())) b.gcaptions[g * 3 + k] = body_line(r.next());
    }
    if (r.eof()) return;
    std::vector<double> h = numbers(r.peek(), 4);
    bool library_form = false;
    if (h.size() == 1 && h[0] == -1) {
        r.skip();
    } else if (!h.empty()) {
        // header of the text-block layer: [-999 flags] kind, boxes
        r.skip();
        library_form = true;
        int flags = (h.size() >= 3 && h[0] == -999) ? clamped(h[1], -kMaxCode, kMaxCode) : 0;
        int kind = clamped((h.size() >= 3 && h[0] == -999) ? h[2] : h[0], -kMaxCode, kMaxCode);
        if (flags & 0x10000) r.next();
        h = bounded(numbers(r.peek(), 4));
        if (h.size() == 4) {
            b.extents[0] = h[0]; b.extents[1] = h[1]; b.extents[2] = h[2]; b.extents[3] = h[3];
            r.skip();
        }
        if (kind == 3) r.next();
    } else {
        ++r.skipped;
        return;
    }
    if (!library_form) {
        if (r.eof()) return;
        h = bounded(numbers(r.peek(), 4));
        if (h.size() != 4) {
            ++r.skipped;
            return;
        }
        r.skip();
        b.extents[0] = h[0]; b.extents[1] = h[1]; b.extents[2] = h[2]; b.extents[3] = h[3];
    }
    double angle = 0;
    b.complete = false;
    while (!r.eof()) {
        const std::string raw = r.peek();
        if (is_keyword(raw)) break;
        std::string t = trim(raw);
        r.skip();
        if (t == "-1" || (library_form && t == "0")) {
            b.complete = true;
            break;
        }
        if (t.empty()) continue;
        std::vector<double> v = bounded(numbers(t, 2 * 2000 + 2));
        if (v.empty()) {
            ++r.skipped;
            continue;
        }
        int rec = clamped(v[0], -kMaxCode, kMaxCode);
        GraphicItem it;
        switch (rec) {
        case 1:
            if (v.size() < 5) { ++r.skipped; break; }
            it.kind = GraphicItem::Line;
            it.x1 = v[1]; it.y1 = v[2]; it.x2 = v[3]; it.y2 = v[4];
            b.items.push_back(it);
            break;
        case 2:
        case 3:
            if (v.size() < 3) { ++r.skipped; break; }
            it.kind = GraphicItem::Text;
            it.x1 = v[1]; it.y1 = v[2];
            it.text = decode_text(delimited(raw));
            it.angle = rec == 3 ? angle : 0;
            b.items.push_back(it);
            break;
        case 9:
        case 10:
            if (v.size() < 6) { ++r.skipped; break; }
            it.kind = GraphicItem::Text;
            it.x1 = v[1]; it.y1 = v[2];
            it.align = clamped(v[5], -kMaxCode, kMaxCode);
            it.text = decode_text(delimited(raw));
            it.angle = rec == 10 ? angle : ((it.align & 256) ? 90 : 0);
            b.items.push_back(it);
            break;
        case 4: case 6: case 13: case 20: case 38: case 50: case 51:
            it.kind = GraphicItem::State;
            it.state_op = rec;
            it.width = v.size() > 1 ? v[1] : 0;
            if (rec == 50 || rec == 51)
                for (int k = 0; k < 3; ++k) it.line_rgb[k] = v.size() > size_t(k + 1) ? clamped(v[size_t(k + 1)], 0, 255) : 0;
            b.items.push_back(it);
            break;
        case 14:
            angle = v.size() > 1 ? v[1] : 0;
            break;
        case 18: {
            if (v.size() < 2) { ++r.skipped; break; }
            int n = clamped(v[1], -1, kMaxCode);
            if (n < 0 || size_t(2 + 2 * n) > v.size()) { ++r.skipped; break; }
            it.kind = GraphicItem::Polygon;
            it.points.assign(v.begin() + 2, v.begin() + 2 + 2 * n);
            b.items.push_back(it);
            break;
        }
        case 24:
            if (v.size() < 5) { ++r.skipped; break; }
            it.kind = GraphicItem::Rect;
            it.x1 = v[1]; it.y1 = v[2]; it.x2 = v[3]; it.y2 = v[4];
            b.items.push_back(it);
            break;
        case 27: {
            if (v.size() < 3) { ++r.skipped; break; }
            it.kind = GraphicItem::Picture;
            it.x1 = v[1]; it.y1 = v[2];
            // The picture's name follows "%FONT%" and one separator, which may be missing at the line's end.
            size_t p = raw.find("%FONT%");
            it.text = p == std::string::npos ? std::string() : decode_text(raw.substr(std::min(raw.size(), p + 7)));
            b.items.push_back(it);
            break;
        }
        case 30: state_item(b, 30); break;
        case 31: state_item(b, 31); break;
        case 7: case 8: case 16: case 23: case 52: case 53: case 59: case 60: case 61: case 62:
            break;
        default:
            ++r.skipped;
            break;
        }
    }
    r.put(b);
}

} // namespace

std::string decode_text(const std::string& bytes)
{
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == 0xCE) {
            if (i + 1 >= bytes.size()) break;
            char code = bytes[i + 1];
            if (code == '{') {
                size_t end = bytes.find('}', i + 2);
                std::string inner = bytes.substr(i + 2, end == std::string::npos ? std::string::npos : end - i - 2);
                std::string clean;
                for (char ch : inner)
                    if (static_cast<unsigned char>(ch) >= 0x20 && static_cast<unsigned char>(ch) < 0x7F) clean += ch;
                out += '\x02';
                out += clean;
                out += '\x03';
                i = end == std::string::npos ? bytes.size() : end;
                continue;
            }
            out += '\x01';
            out += (static_cast<unsigned char>(code) < 0x80 && code >= 0x20) ? code : '?';
            ++i;
            continue;
        }
        // Control bytes show as blanks; every other byte through the glyph table the sheets share.
        if (c < 0x20) out += ' ';
        else out += codepage::glyph_utf8(c);
    }
    return out;
}

std::string plain(const std::string& decoded)
{
    std::string out;
    for (size_t i = 0; i < decoded.size(); ++i) {
        char c = decoded[i];
        if (c == '\x01') {
            if (i + 1 < decoded.size() && decoded[i + 1] == 't') out += ' ';
            ++i;
            continue;
        }
        if (c == '\x02') {
            size_t e = decoded.find('\x03', i);
            i = e == std::string::npos ? decoded.size() : e;
            continue;
        }
        out += c;
    }
    return out;
}

namespace {

// The blocks of a list in their order, until the end or until the sink stops.
void read_blocks(Reader& r)
{
    bool contents = false;
    while (!r.eof() && !r.stopped) {
        r.block_at = r.offset();
        std::string l = r.next();
        if (starts(l, "#OLI ")) read_command(r, l);
        else if (starts(l, "#SHOWTABLE")) read_table(r);
        else if (starts(l, "#SHOWPARA")) read_para(r);
        else if (starts(l, "#SHOWGRAFIC")) read_graphic(r);
        else if (starts(l, "#NEWPAGE")) {
            Block b;
            b.kind = Block::NewPage;
            r.put(b);
        } else if (starts(l, "#CONTENTS")) {
            contents = true;
        } else if (trim(l).empty()) {
            continue;
        } else if (l[0] == ' ') {
            Block b;
            b.kind = Block::Title;
            b.lines.push_back(body_line(l));
            // The line after "#CONTENTS" is the position's title, which heads every page.
            if (contents) b.command = "contents";
            contents = false;
            r.put(b);
        } else {
            ++r.skipped;
        }
    }
}

Document collect(Reader& r)
{
    Document doc;
    r.sink = [&doc](const Block& b, long) {
        doc.blocks.push_back(b);
        return true;
    };
    read_blocks(r);
    doc.skipped = r.skipped;
    return doc;
}

} // namespace

Document parse(const char* data, std::size_t size)
{
    const CNumericScope c_numbers;
    Reader r(data, data ? size : 0);
    return collect(r);
}

Document parse_file(const std::string& path)
{
    const CNumericScope c_numbers;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return Document();
    Reader r(f, 0);
    Document doc = collect(r);
    std::fclose(f);
    return doc;
}

bool for_each_block(const std::string& path, long offset, const BlockSink& sink)
{
    const CNumericScope c_numbers;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    if (offset > 0 && std::fseek(f, offset, SEEK_SET) != 0) {
        std::fclose(f);
        return false;
    }
    Reader r(f, offset > 0 ? offset : 0);
    r.sink = sink;
    read_blocks(r);
    std::fclose(f);
    return true;
}

std::string pdf_path_for(const std::string& list_path) { return list_path + ".pdf"; }

} // namespace oliview
