// The printed calculation's PDF read as a checking engineer reads it: its text page by page, as
// pdftotext lays it out, and what such a reader sends back.
#pragma once
#include <QProcess>
#include <QString>

#include <sstream>
#include <string>
#include <vector>

// The text of a PDF, one string per page.
inline std::vector<std::string> pdf_pages(const std::string& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    if (!p.waitForFinished(120000)) return {};
    const std::string text = p.readAllStandardOutput().toStdString();
    std::vector<std::string> pages;
    size_t at = 0;
    for (size_t ff; (ff = text.find('\f', at)) != std::string::npos; at = ff + 1) pages.push_back(text.substr(at, ff - at));
    return pages;
}

inline std::vector<std::string> filled_lines(const std::string& page)
{
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string l; std::getline(in, l);)
        if (l.find_first_not_of(' ') != std::string::npos) lines.push_back(l);
    return lines;
}

// What a reader of the pages sends back: a line that ends in a symbol without its value or begins
// with the value of a symbol on the line before, and a page that begins with a verdict (a closing
// line "… → ok." or "… → nicht ok. !!") whose table stands on the page before. One text per fault.
inline std::vector<std::string> reading_faults(const std::vector<std::string>& pages)
{
    static const char* const relations[] = {"=", "<", ">", "\xE2\x89\xA4", "\xE2\x89\xA5"};   // = < > ≤ ≥
    auto ends_with = [](const std::string& s, const std::string& e) {
        return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
    };
    std::vector<std::string> faults;
    for (size_t n = 0; n < pages.size(); ++n) {
        const std::vector<std::string> lines = filled_lines(pages[n]);
        const std::string where = "page " + std::to_string(n + 1) + ": ";
        for (std::string l : lines) {
            l.erase(l.find_last_not_of(' ') + 1);
            const std::string start = l.substr(l.find_first_not_of(' '));
            for (const char* r : relations) {
                if (ends_with(l, std::string(" ") + r)) faults.push_back(where + "ends in a symbol without its value: " + l);
                if (start.rfind(std::string(r) + " ", 0) == 0) faults.push_back(where + "begins with a value: " + l);
            }
        }
        // the line below the head line
        if (n > 0 && lines.size() > 1) {
            const std::string& first = lines[1];
            const bool verdict = first.find("\xE2\x86\x92") != std::string::npos &&
                                 (ends_with(first, "ok.") || ends_with(first, "!!"));
            if (verdict) faults.push_back(where + "begins with a closing line: " + first);
        }
    }
    return faults;
}
