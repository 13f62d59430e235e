// Environment values, the current object's folders and the stdio table of the environment library.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

// Value of an environment setting (EXEC, DATA, DRAM, TEMP, _VYK_CWD_ ...) without a trailing
// separator; null when unset. The text stays valid until the same key is asked again.
const char* VYKGetEnv(const char* key);

// Called once before any other call; the folder (may be null) is only recorded.
void SetVYKDllDirectory(const char* folder);

// The program's stdio functions as the library uses them; the order is binding
// (the output-list writer prints through the seventh pointer, fprintf_fn).
struct VYKStdioTable {
    std::int32_t count;   // 18
    FILE* (*fopen_fn)(const char*, const char*);
    int (*fclose_fn)(FILE*);
    std::size_t (*fread_fn)(void*, std::size_t, std::size_t, FILE*);
    std::size_t (*fwrite_fn)(const void*, std::size_t, std::size_t, FILE*);
    int (*ferror_fn)(FILE*);
    int (*fscanf_fn)(FILE*, const char*, ...);
    int (*fprintf_fn)(FILE*, const char*, ...);
    int (*fseek_fn)(FILE*, long, int);
    long (*ftell_fn)(FILE*);
    int (*fsetpos_fn)(FILE*, const fpos_t*);
    int (*fgetpos_fn)(FILE*, fpos_t*);
    char* (*fgets_fn)(char*, int, FILE*);
    int (*fgetc_fn)(FILE*);
    int (*fputs_fn)(const char*, FILE*);
    int (*fputc_fn)(int, FILE*);
    int (*ungetc_fn)(int, FILE*);
    int (*sscanf_fn)(const char*, const char*, ...);
    int (*sprintf_fn)(char*, const char*, ...);
};

// Registers the program's table; the library keeps the pointer for the rest of the run.
void VYKSetStdioFctPtr(const VYKStdioTable* table);
// The registered table; before registration a table of the C runtime's own functions.
extern const VYKStdioTable* VYK_STDIO_FCT;

// Private data folder of the current object, without a trailing separator, as UTF-8; null when
// neither set nor derivable. Defaults to "$DATA/PRIVATE".
const char* CurOb_Privat_Datapath(void);
// Takes the folder as the program hands it over (Latin-1) and keeps it for CurOb_Privat_Datapath.
void Set_CurOb_Privat_Datapath(const char* folder);
// Records the data folder of the library (Latin-1 like the above); VYK_Data_Path returns it (UTF-8).
void Set_VYK_Data_Path(const char* folder);
const char* VYK_Data_Path(void);

// The current object as the environment describes it. Without an environment behind the program:
// application number 0, object id 0, texts from the variables VYK_CUROB_<NAME> or null.
int CurOb_Application_Number(void);
int CurOb_Object_Id(void);
const char* CurOb_Filername(void);
const char* CurOb_Basicname(void);
const char* CurOb_Suffixname(void);
const char* CurOb_Programname(void);
const char* CurOb_Programstring(void);
const char* CurOb_Versionstring(void);

// Test seam: forget the folders set through the calls above.
void vyk_env_reset(void);
