#include "core/startup.h"
#include "core/position_files.h"
#include "environment/vyk_startup.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_help.h"
#include "platform/os/codepage.h"
#include <QDir>
#include <QLibraryInfo>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The component id names every file of the position: it must stay a plain name in the working folder.
const char* component_id_problem(const std::string& id)
{
    if (id.size() > 15) return "ist länger als 15 Zeichen";
    if (id.find('/') != std::string::npos || id.find('\\') != std::string::npos)
        return "enthält einen Pfadtrenner";
    if (id.find("..") != std::string::npos) return "enthält \"..\"";
    // The id starts the names handed to other programs, which would take it for an option.
    if (!id.empty() && id[0] == '-') return "beginnt mit \"-\"";
    return nullptr;
}

// The file id as "%d" reads it: leading blanks, a sign, digits; no number (or one beyond int) gives 0.
int file_number_of(const char* text)
{
    if (!text) return 0;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE || v < INT_MIN || v > INT_MAX) return 0;
    return int(v);
}

} // namespace

StartupResult startup_prepare(int argc, char** argv)
{
    vyk_startup();

    if (argc < 5) {
        std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argc > 0 && argv[0] ? argv[0] : "tavo52");
        std::fflush(stdout);
        return {false, 2};
    }
    const std::string id = argv[1];
    if (const char* why = component_id_problem(id)) {
        std::fprintf(stderr, "%s: Bauteilkennung \"%s\" %s\n", argv[0] ? argv[0] : "tavo52", id.c_str(), why);
        return {false, 2};
    }
    component_id = id;
    file_id = file_number_of(argv[3]);

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
