#include "environment/tool_exchange.h"

#include "environment/param_list.h"
#include "platform/screen/cursor.h"
#include "platform/screen/fonts.h"
#include "platform/screen/screen.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_message.h"
#include "platform/env/vyk_process.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kWaitSquares = 10;
constexpr int kSquareStride = 23;   // squares of 15 x 15 pixels, 8 apart

// Square k of the wait box: from (cx - 110 + 23 k, cy) to 15 pixels further on.
void square_outline(const WaitBox& b, int k)
{
    const int x = b.cx - 110 + kSquareStride * k, y = b.cy;
    pxLine(x, y, x + 15, y);
    pxLine(x + 15, y, x + 15, y + 15);
    pxLine(x + 15, y + 15, x, y + 15);
    pxLine(x, y + 15, x, y);
}

void square_fill(const WaitBox& b, int k)
{
    const int x = b.cx - 110 + kSquareStride * k, y = b.cy;
    pxRect(x, y, x + 15, y + 15);
}

// Window titles are Windows-1252 (ö 0xF6, ß 0xDF); box texts code page 850 (ä 0x84, ß 0xE1).
const char kSelectionTitle[] = "VYK - Bauteilauswahl";
const char kPlanTitle[] = "VYK - Planbearbeitung";

bool executable(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), X_OK) == 0;
}

// A tool named "X.exe" may stand here without its extension, as the process stand-in allows.
bool tool_present(const std::string& exe_path)
{
    if (executable(exe_path)) return true;
    return exe_path.size() > 4 && executable(exe_path.substr(0, exe_path.size() - 4));
}

void show_box(const char* title, std::initializer_list<const char*> lines)
{
    Init_Message();
    if (title) Set_Message_Title(title);
    for (const char* l : lines) Fill_Message(l);
    Draw_Message();
}

void already_active(const char* what)
{
    show_box(nullptr, {what, "ist bereits aktiv. Bitte schlie\xE1" "en Sie", "das Fenster und versuchen es erneut."});
}

// Copies a marked string into field (size bytes); a longer string is cut and its rest skipped up
// to the closing mark. False when no marked string follows.
bool read_field(FILE* f, char* field, size_t size)
{
    int c;
    do {
        c = std::fgetc(f);
    } while (c == ' ' || c == '\t' || c == '\n' || c == '\r');
    if (c != 0xAE) return false;
    size_t n = 0;
    while ((c = std::fgetc(f)) != EOF && c != 0xAF)
        if (n + 1 < size) field[n++] = char(c);
    field[n] = '\0';
    return c == 0xAF;
}

std::string find_on_path(const char* name)
{
    const char* path = std::getenv("PATH");
    std::string all = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(':', start);
        if (end == std::string::npos) end = all.size();
        std::string dir = all.substr(start, end - start);
        if (!dir.empty() && executable(path_join(dir, name))) return path_join(dir, name);
        start = end + 1;
    }
    return std::string();
}

bool readable_file(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), R_OK) == 0;
}

bool writable_folder(const std::string& p)
{
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

std::string env_folder(const char* key)
{
    const char* v = std::getenv(key);
    if (!v || !*v) return std::string();
    std::string s = v;
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

SelectedComponent g_selected;

} // namespace

int read_component_answer(FILE* f, SelectedComponent* out)
{
    if (!out) return 0;
    std::memset(out, 0, sizeof *out);
    if (!f) return 0;
    if (std::fscanf(f, "%d %d", &out->value_1, &out->value_2) != 2) return 0;
    char* fields[6] = {out->name, out->text_2, out->text_3, out->path_stem, out->text_5, out->text_6};
    const size_t sizes[6] = {sizeof out->name, sizeof out->text_2, sizeof out->text_3,
                             sizeof out->path_stem, sizeof out->text_5, sizeof out->text_6};
    for (int i = 0; i < 6; ++i)
        if (!read_field(f, fields[i], sizes[i])) return 0;
    if (std::fscanf(f, "%d", &out->archived) != 1) out->archived = 0;
    if (out->archived && !read_field(f, out->archive_path, sizeof out->archive_path)) return 0;
    // Without a path stem or an archive there is no export file to hand to a tool.
    if (out->archived ? out->archive_path[0] == '\0' : out->path_stem[0] == '\0') return 0;
    return 1;
}

void wait_box_open(WaitBox* box, const char* text, int text_length, int text_offset)
{
    box->black = Nearest_RGB_Color(0, 0, 0);
    box->white = Nearest_RGB_Color(255, 255, 255);
    box->blue = Nearest_RGB_Color(0, 128, 255);
    box->cx = NPIXEL_X / 2;
    box->cy = NPIXEL_Y / 2;
    box->square = 0;
    const int x1 = box->cx - 130, y1 = box->cy - 30, x2 = box->cx + 130, y2 = box->cy + 30;
    screen_show();
    Save_Screen_Rectangle(x1, y1, x2, y2);
    // Everything is drawn inside the saved rectangle, so that restoring it leaves no trace even
    // of a text wider than the box.
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    pxFgc(box->white);
    pxRect(x1, y1, x2, y2);
    pxFgc(box->black);
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
    int n = text ? (int)strnlen(text, size_t(text_length > 0 ? text_length : 0)) : 0;
    Pop_RFont(4096);
    pxText(box->cx + text_offset, box->cy - 10, text, n);
    pxText(box->cx + text_offset + 1, box->cy - 10, text, n);
    Push_RFont();
    pxFgc(box->blue);
    for (int k = 0; k < kWaitSquares; ++k) square_outline(*box, k);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

void wait_box_step(WaitBox* box)
{
    pxFgc(box->white);
    square_fill(*box, box->square);
    pxFgc(box->blue);
    square_outline(*box, box->square);
    box->square = (box->square + 1) % kWaitSquares;
    pxFgc(box->blue);
    square_fill(*box, box->square);
    pxFgc(box->black);
    square_outline(*box, box->square);
    pxFlsh();
}

void wait_box_close(const WaitBox* box)
{
    Restore_Screen_Rectangle(box->cx - 130, box->cy - 30, box->cx + 130, box->cy + 30);
    pxFlsh();
    screen_hide();
}

void watch_tool_window(const char* title, int title_length, const char* text, int text_length, int text_offset)
{
    std::string shown(text ? text : "", text ? strnlen(text, size_t(text_length > 0 ? text_length : 0)) : 0);
    std::string t(title ? title : "", title ? strnlen(title, size_t(title_length > 0 ? title_length : 0)) : 0);
    calllog::add("watch_tool_window: " + codepage::cp1252_to_utf8(t) + ": " + codepage::cp437_to_utf8(shown));
    WaitBox box;
    wait_box_open(&box, text, text_length, text_offset);
    const int previous = setMouseCursor(6);
    bool open = false;
    for (int i = 0; i < 30 && !open; ++i) {
        open = FindVYKWindow(title, title_length) != 0;
        if (!open) VYKSleep(100);
    }
    // The running square steps once every 120 ms for as long as the tool's window is open.
    while (open && FindVYKWindow(title, title_length)) {
        wait_box_step(&box);
        VYKSleep(120);
    }
    setMouseCursor(previous == 6 ? 0 : previous);
    wait_box_close(&box);
}

SelectedComponent* select_component(int component_type)
{
    if (FindVYKWindow(kSelectionTitle, 20)) {
        already_active("Das VYK-Werkzeug zur Auswahl von Bauteilen");
        return nullptr;
    }
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) return nullptr;
    const std::string program = path_join(exec, "VYOSelct.exe");
    const char* temp0 = VYKGetEnv("TEMP");
    // An answer left behind by an earlier run is no choice of this one.
    if (temp0) std::remove(path_join(temp0, "VYOSelct.tmp").c_str());
    const std::string type = std::to_string(component_type);
    const char* argv[] = {program.c_str(), type.c_str(), nullptr};
    std::fflush(nullptr);
    VYKSpawnv(1, program.c_str(), argv);
    watch_tool_window(kSelectionTitle, 20, "Bitte w\x84hlen Sie ein Bauteil aus", 32, -110);

    const char* temp = VYKGetEnv("TEMP");
    if (!temp) return nullptr;
    const std::string answer = path_join(temp, "VYOSelct.tmp");
    FILE* f = open_regular_file(answer, file_bounds::kSmallText, "rb");
    if (!f) return nullptr;
    SelectedComponent read;
    const int ok = read_component_answer(f, &read);
    std::fclose(f);
    std::remove(answer.c_str());
    if (!ok) return nullptr;
    g_selected = read;
    return &g_selected;
}

int extract_from_archive(const char* archive, const char* member, const char* target_folder)
{
    if (!archive || !readable_file(native_path(archive))) return 1;
    if (!target_folder || !writable_folder(target_folder)) return 2;
    const std::string exec = env_folder("EXEC");
    if (exec.empty()) return 3;
    const std::string temp = env_folder("TEMP");
    if (temp.empty()) return 4;

    std::string sevenza = path_join(exec, "7za");
    if (!executable(sevenza) && !executable(sevenza + ".exe")) sevenza = find_on_path("7za");
    else if (!executable(sevenza)) sevenza += ".exe";
    if (sevenza.empty()) return 5;

    const std::string arch = native_path(archive);
    const std::string out = "-o" + std::string(target_folder);
    const std::string mem = member ? member : "";
    // Switches first, then "--": an archive or member name that begins with "-" stays a name.
    const char* argv[] = {sevenza.c_str(), "e", "-y", out.c_str(), "--", arch.c_str(), mem.c_str(), nullptr};
    const int previous = setMouseCursor(6);
    const int status = VYKRunToFile(sevenza.c_str(), argv, path_join(temp, "7zprot.txt").c_str());
    setMouseCursor(previous);
    return status == 0 ? 0 : 5;
}

int trobavex_available(void)
{
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) return 0;
    return tool_present(path_join(exec, "Trobavex.exe")) ? 1 : 0;
}

void start_photo_viewer(const char* argument)
{
    static std::intptr_t handle = -1;
    if (handle != -1 && CheckVYKProcess(handle) != 1) {
        ShowVYKProcessWindow(handle, 4);
        return;
    }
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) {
        show_box("Installationsfehler", {"Das EXEC-Verzeichnis", "ist nicht ermittelbar!"});
        return;
    }
    const std::string program = path_join(exec, "LUMBRIX.EXE");
    if (!tool_present(program)) {
        show_box("Installationsproblem", {"Das VYK-Werkzeug", "- LUMBRIX -", "ist nicht installiert!"});
        return;
    }
    const char* argv[] = {program.c_str(), argument ? argument : "", nullptr};
    handle = VYKSpawnv(2, program.c_str(), argv);
}

int run_plan_editor(const char* first, const char* second)
{
    if (FindVYKWindow(kPlanTitle, 21)) {
        already_active("Das VYK-Werkzeug zur Planbearbeitung");
        return 0;
    }
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) return 0;
    const std::string program = path_join(exec, "vandrel.exe");
    const char* argv[] = {program.c_str(), first ? first : "", second, nullptr};
    std::fflush(nullptr);
    VYKSpawnv(1, program.c_str(), argv);
    watch_tool_window(kPlanTitle, 21, "Warte auf Ende des Planerstellungsmoduls", 40, -130);
    return 1;
}

int run_plan_editor_1(const char* argument) { return run_plan_editor(argument, nullptr); }
