#include "core/startup.h"
#include "core/position_files.h"
#include "environment/vyk_startup.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_help.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include <QDir>
#include <QLibraryInfo>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The characters of strict UTF-8 text, as code points; false for stray continuation bytes,
// overlong forms, surrogates or values past U+10FFFF.
bool utf8_code_points(const std::string& s, std::vector<unsigned>* out)
{
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out->push_back(c);
            ++i;
            continue;
        }
        size_t more = 0;
        unsigned min = 0, cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1, min = 0x80, cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2, min = 0x800, cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3, min = 0x10000, cp = c & 0x07u;
        } else {
            return false;
        }
        if (s.size() - i <= more) return false;
        for (size_t k = 1; k <= more; ++k) {
            const unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = cp << 6 | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        out->push_back(cp);
        i += more + 1;
    }
    return true;
}

// Control characters and the marks that turn the direction of the text: a file name holding one
// shows another name than it has.
bool is_control(unsigned cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

// The component id names every file of the position: it must stay a plain name in the working folder.
const char* component_id_problem(const std::string& id)
{
    const size_t kMaxCharacters = 15;
    if (id.empty()) return "ist leer";
    // The id forms file names that the print and the viewer hand on as text.
    std::vector<unsigned> characters;
    if (!utf8_code_points(id, &characters))
        return "enthält Bytes, die kein UTF-8 sind";
    if (characters.size() > kMaxCharacters) return "ist länger als 15 Zeichen";
    for (unsigned cp : characters)
        if (is_control(cp)) return "enthält ein Steuerzeichen";
    if (id.find('/') != std::string::npos || id.find('\\') != std::string::npos)
        return "enthält einen Pfadtrenner";
    if (id.find("..") != std::string::npos) return "enthält \"..\"";
    // The id starts the names handed to other programs, which would take it for an option.
    if (id[0] == '-') return "beginnt mit \"-\"";
    return nullptr;
}

// The file id: one or two decimal digits, nothing else (a sign, blanks, hex or exponent forms
// would name another position's files without a word).
bool file_number_of(const char* text, int* number)
{
    if (!text) return false;
    const size_t n = std::strlen(text);
    if (n < 1 || n > 2) return false;
    for (size_t i = 0; i < n; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    *number = std::atoi(text);
    return true;
}

void print_usage(const char* program)
{
    std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", program);
    std::fflush(stdout);
}

// The id as a message can show it: bytes that are no printable ASCII as \xNN.
std::string shown_id(const std::string& id)
{
    std::string out;
    for (unsigned char c : id) {
        if (c >= 0x20 && c < 0x7f) {
            out.push_back(char(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace

StartupResult startup_prepare(int argc, char** argv)
{
    // A save past the file-size limit then fails like one on a full disk instead of ending the program.
    ignore_file_size_signal();
    vyk_startup();

    const char* program = argc > 0 && argv[0] ? argv[0] : "tavo52";
    if (argc < 5) {
        print_usage(program);
        return {false, 2};
    }
    const std::string id = argv[1];
    if (const char* why = component_id_problem(id)) {
        std::fprintf(stderr, "%s: Bauteilkennung \"%s\" %s\n", program, shown_id(id).c_str(), why);
        if (std::strcmp(why, "enthält Bytes, die kein UTF-8 sind") == 0) print_usage(program);
        return {false, 2};
    }
    int number = 0;
    if (!file_number_of(argv[3], &number)) {
        std::fprintf(stderr, "%s: File-Id \"%s\" ist keine ein- oder zweistellige Zahl\n", program,
                     shown_id(argv[3] ? argv[3] : "").c_str());
        print_usage(program);
        return {false, 2};
    }
    component_id = id;
    file_id = number;

    const char* privat = CurOb_Privat_Datapath();
    const std::string privat_latin1 = codepage::utf8_to_latin1(privat ? privat : "");

    const char* dram = VYKGetEnv("DRAM");
    Set_CurOb_Privat_Datapath(privat_latin1.c_str());
    Set_VYK_Data_Path(privat_latin1.c_str());

    position_title = read_position_title(position_file_name(component_id, file_id, "txt"));

    inp_path = position_file_name(component_id, file_id, "inp");
    oli_path = position_file_name(component_id, file_id, "oli");
    ini_path = position_file_name(component_id, file_id, "ini");
    nad_path = position_file_name(component_id, file_id, "nad");
    // Without DRAM the shared fonts file stays in the working folder.
    fonts_path = dram ? std::string(dram) + "/tavo52_fonts" : std::string("tavo52_fonts");

    Init_Helpview(CurOb_Privat_Datapath(), "K7_TAVO52.HLP");
    return {true, 0};
}

QString translations_folder(const QString& qt_plugin_path)
{
    if (!qt_plugin_path.isEmpty()) {
        const QString folder = qt_plugin_path + QStringLiteral("/translations");
        if (QDir(folder).exists()) return folder;
    }
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}
