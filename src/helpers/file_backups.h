// Backup copies of a program's data and change detection. The module never interprets the
// data: a save callback writes the whole current data to an open stream, and the module writes
// that to the companion files "<folder><base>.bak", ".clcbak" and ".cmp" and compares files
// byte by byte. Results are 0 or 1 (1 failure or "changed"); existence tests 1 or 0.
#pragma once
#include <cstdio>

typedef int (*DfileSaveCallback)(FILE* stream);                    // 0 on success
typedef int (*DfileLoaderWithPath)(FILE* stream, const char* path);  // closes the stream
typedef int (*DfileLoader)(FILE* stream);                            // closes the stream

void dfile_backup_paths(DfileSaveCallback callback, const char* folder, const char* base_name,
                        const char* data_path, const char* companion_path);
void dfile_backup_paths_in_dir(DfileSaveCallback callback, const char* folder,
                               const char* base_name, const char* data_file_name,
                               const char* companion_file_name);
void dfile_backup_disable();

int dfile_save_to(const char* path);
int dfile_save_backup();
int dfile_save_second_backup();
FILE* dfile_open_backup();
int dfile_load_from(DfileLoaderWithPath loader, const char* path);
int dfile_load_backup(DfileLoader loader);
int dfile_load_second_backup(DfileLoader loader);
int dfile_backup_exists();
int dfile_file_exists(const char* path);
int dfile_compare_files(const char* path_a, const char* path_b);
int dfile_changed_against(const char* path);
int dfile_changed_against_backup();
int dfile_changed_against_data();
int dfile_changed_against_second_backup();
int dfile_remove_backup();
int dfile_remove_second_backup();
int dfile_remove_all_backups();
int dfile_copy(const char* destination, const char* source);
int dfile_copy_prefixed(const char* destination_name, const char* source_name);

// The companion paths as formed by the last configuration.
const char* dfile_backup_path();
const char* dfile_second_backup_path();
const char* dfile_compare_path();
