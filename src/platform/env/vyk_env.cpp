#include "platform/env/vyk_env.h"
#include "platform/os/calllog.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include <cstdlib>
#include <set>
#include <string>

namespace {

// Every value handed out stays valid for the whole run (callers do not free, and may keep it).
const char* pooled(const std::string& s)
{
    static std::set<std::string> pool;
    return pool.insert(s).first->c_str();
}

struct Folders {
    bool privat_set = false;
    std::string privat;
    bool data_set = false;
    std::string data;
};
Folders& folders() { static Folders f; return f; }

// Only slashes separate folders here: a trailing backslash belongs to the folder's name.
std::string strip_separators(std::string s)
{
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

const VYKStdioTable kRuntimeTable = {
    18, std::fopen, std::fclose, std::fread, std::fwrite, std::ferror, std::fscanf, std::fprintf,
    std::fseek, std::ftell, std::fsetpos, std::fgetpos, std::fgets, std::fgetc, std::fputs,
    std::fputc, std::ungetc, std::sscanf, std::sprintf};

const char* curob_text(const char* var)
{
    const char* v = std::getenv(var);
    if (!v) return nullptr;
    return pooled(v);
}

} // namespace

const VYKStdioTable* VYK_STDIO_FCT = &kRuntimeTable;

const char* VYKGetEnv(const char* key)
{
    if (!key) return nullptr;
    const char* v = std::getenv(key);
    if (!v) return nullptr;
    return pooled(strip_separators(v));
}

void SetVYKDllDirectory(const char* folder)
{
    calllog::add(std::string("SetVYKDllDirectory: ") + (folder ? folder : "(null)"));
}

void VYKSetStdioFctPtr(const VYKStdioTable* table)
{
    VYK_STDIO_FCT = table ? table : &kRuntimeTable;
    calllog::add("VYKSetStdioFctPtr: " + std::to_string(table ? table->count : 0));
}

const char* CurOb_Privat_Datapath(void)
{
    Folders& f = folders();
    if (f.privat_set) return f.privat.c_str();
    const char* data = VYKGetEnv("DATA");
    if (!data) return nullptr;
    return pooled(path_join(data, "PRIVATE"));
}

void Set_CurOb_Privat_Datapath(const char* folder)
{
    // The program hands the folder over in Latin-1; the file system here speaks UTF-8.
    Folders& f = folders();
    f.privat_set = folder != nullptr;
    f.privat = folder ? strip_separators(codepage::latin1_to_utf8(folder)) : std::string();
    calllog::add("Set_CurOb_Privat_Datapath: " + f.privat);
}

void Set_VYK_Data_Path(const char* folder)
{
    Folders& f = folders();
    f.data_set = folder != nullptr;
    f.data = folder ? strip_separators(codepage::latin1_to_utf8(folder)) : std::string();
    calllog::add("Set_VYK_Data_Path: " + f.data);
}

const char* VYK_Data_Path(void) { return folders().data_set ? folders().data.c_str() : nullptr; }

int CurOb_Application_Number(void)
{
    const char* v = std::getenv("VYK_CUROB_APPLICATION");
    return v ? std::atoi(v) : 0;
}
int CurOb_Object_Id(void)
{
    const char* v = std::getenv("VYK_CUROB_OBJECT_ID");
    return v ? std::atoi(v) : 0;
}
const char* CurOb_Filername(void) { return curob_text("VYK_CUROB_FILERNAME"); }
const char* CurOb_Basicname(void) { return curob_text("VYK_CUROB_BASICNAME"); }
const char* CurOb_Suffixname(void) { return curob_text("VYK_CUROB_SUFFIXNAME"); }
const char* CurOb_Programname(void) { return curob_text("VYK_CUROB_PROGRAMNAME"); }
const char* CurOb_Programstring(void) { return curob_text("VYK_CUROB_PROGRAMSTRING"); }
const char* CurOb_Versionstring(void) { return curob_text("VYK_CUROB_VERSIONSTRING"); }

void vyk_env_reset(void)
{
    Folders& f = folders();
    f.privat_set = f.data_set = false;
    f.privat.clear();
    f.data.clear();
    VYK_STDIO_FCT = &kRuntimeTable;
}
