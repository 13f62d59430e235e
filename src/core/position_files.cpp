#include "core/position_files.h"
#include "core/tavo52_data.h"
#include "platform/os/codepage.h"
#include "platform/os/regular_file.h"
#include <cstdio>
#include <sstream>

std::string component_id;
int file_id = 0;
QString position_title;
std::string inp_path;
std::string oli_path;
std::string ini_path;
std::string nad_path;
std::string fonts_path;
MainWindow* main_window = nullptr;

std::string position_file_name(const std::string& id, int file_number, const char* ext)
{
    char number[16];
    std::snprintf(number, sizeof number, "%02d", file_number);
    return id + "_" + number + "." + ext;
}

QString read_position_title(const std::string& header_path)
{
    std::string bytes;
    if (!read_regular_file(header_path, file_bounds::kSmallText, bytes)) return QString();
    std::istringstream in(bytes);
    std::string lines[3];
    for (std::string& l : lines) {
        if (!std::getline(in, l)) l.clear();
        if (!l.empty() && l.back() == '\r') l.pop_back();
    }
    // The header file is in the system's 8-bit code page (Windows-1252).
    QString number = QString::fromStdString(codepage::cp1252_to_utf8(lines[1]));
    QString title = QString::fromStdString(codepage::cp1252_to_utf8(lines[2]));
    return QStringLiteral("Position ") + number + QStringLiteral(": ") + normalise_umlauts(title);
}
