// Export objects of the environment: the records in which its programs hand component data to each
// other in text files, the frame of an export block, the "<VXP" result records and the object search.
#pragma once
#include <cstdio>
#include "environment/param_list.h"
#include "environment/ptrarr.h"

struct VYKExportObject;

// How the data part of an object is made, read, written and freed.
struct VYKExportDataOps {
    int kind;
    void* (*make_part)(VYKExportObject* object);
    void (*free_part)(void* data, const VYKExportDataOps* ops);
    void* (*read_part)(FILE* stream, VYKExportObject* object);
    int (*write_part)(FILE* stream, const void* data, const VYKExportDataOps* ops);
};

// The default data part (kind 1): flags, bit 0 set when a parameter list follows.
struct VYKExportData {
    int flags;
    ParamList params;
};

struct VYKExportObject {
    ParamHeader header;
    ParamList params;
    const VYKExportDataOps* ops;   // null: no data part of ours
    void* data;                    // owned through ops when ops is set
    char* object_comment;          // owned or null
};

enum {
    VYK_OBJ_END = 1,
    VYK_OBJ_HEADER = 2,
    VYK_OBJ_BEAM_CUT = 3,
    VYK_OBJ_COORD_SYSTEM = 4,
};

constexpr int VYK_DATA_KIND_DEFAULT = 1;
constexpr int VYK_OBJECT_COMMENT_BIT = 268435456;   // bit 28 of the data-kind word

const VYKExportDataOps* vyk_export_default_ops(void);

VYKExportObject* vyk_export_object_new(int type, int id, int link, const char* name, int data_kind, void* data);
void vyk_export_object_free(VYKExportObject* object);
VYKExportObject* vyk_export_object_read(FILE* stream);
int vyk_export_object_write(FILE* stream, const VYKExportObject* object);
int vyk_export_object_set_comment(VYKExportObject* object, const char* text);
const char* vyk_export_object_comment(const VYKExportObject* object);

// Block frame. Section numbers 0 to 4; any other number names "#VXP_??????".
const char* vyk_block_section_name(int number);
int vyk_block_write_section(FILE* stream, int number);
int vyk_block_find_section(FILE* stream, int number, int from_start);
int vyk_block_write_end(FILE* stream, int block_number);
VYKExportObject* vyk_export_header_new(void);
int vyk_export_header_write(FILE* stream, const VYKExportObject* object);
VYKExportObject* vyk_export_header_read(FILE* stream);

// "<VXP" parameter records.
struct VXPLayoutEntry {
    const char* symbol;
    const char* unit;
    int key;
};
struct VXPLayout {
    int kind;
    int count;
    const VXPLayoutEntry* entries;
};
struct VXPParamRecord {
    int keys[7];               // key 6 is the record kind 0 to 3; -1 in a pattern matches any value
    ParamList params;
    const VXPLayout* layout;   // null: the layout the kind selects
};

VXPParamRecord* vxp_record_new(void);
int vxp_record_init(VXPParamRecord* record);
void vxp_record_free(VXPParamRecord* record);
int vxp_record_clear(VXPParamRecord* record);
int vxp_record_resize(VXPParamRecord* record, int ints, int doubles, int strings);
int vxp_record_write(FILE* stream, const VXPParamRecord* record);
int vxp_record_write_marker(FILE* stream);
int vxp_record_write_keys(FILE* stream, const int* keys);
int vxp_record_read_keys(FILE* stream, int* keys);
int vxp_record_find(FILE* stream, const int* pattern, VXPParamRecord* record);
int vxp_record_skip_to_marker(FILE* stream, int from_start);
int vxp_keys_match(const int* record_keys, const int* pattern);
int vxp_record_key(const int* keys, int i);
int vxp_record_int(const VXPParamRecord* record, int i);
double vxp_record_double(const VXPParamRecord* record, int i);
const char* vxp_record_string(const VXPParamRecord* record, int i);
const VXPLayout* vxp_layout_for_kind(int kind);
const VXPLayout* vxp_record_layout(const VXPParamRecord* record);
const VXPLayout* vxp_layout_all(void);   // all 25 components in key order
int vxp_layout_index(const VXPLayout* layout, int key);
const VXPLayoutEntry* vxp_layout_entry(const VXPLayout* layout, int key);
int vxp_record_gather(const VXPParamRecord* record, const int* keys, int n, double* values);
double vxp_record_kmod(const VXPParamRecord* record);
int vxp_record_first_int(const VXPParamRecord* record);

// A block as far as the search needs it: the list of its objects (not owned).
struct VYKExportBlock {
    PtrArr items;
};

// key[0] = ID, key[1] = type. Matches an object's type and its link word against them.
VYKExportObject* Find_VYKExportParam_Obj(const int* key, const VYKExportBlock* block);
VYKExportObject* vyk_block_find_object(int type, int id, const VYKExportBlock* block);
