#include "environment/vykexport.h"

#include "environment/text_block.h"
#include "environment/vyk_startup.h"
#include "platform/env/vyk_env.h"

#include <cstdlib>
#include <cstring>

namespace {

void* xcalloc(size_t n, size_t size) { return vyk_calloc(__FILE__, __LINE__, "null", n, size); }
void xfree(void* p) { vyk_free(__FILE__, __LINE__, "null", p); }
char* xstrdup(const char* s) { return s ? vyk_strdup(__FILE__, __LINE__, "null", s) : nullptr; }

// ---- default data part (kind 1) ----

void* default_make(VYKExportObject* object)
{
    if (!object) return nullptr;
    auto* d = static_cast<VYKExportData*>(xcalloc(1, sizeof(VYKExportData)));
    if (!d) return nullptr;
    d->flags = 0;
    param_list_init(&d->params);
    return d;
}

void default_free(void* data, const VYKExportDataOps*)
{
    auto* d = static_cast<VYKExportData*>(data);
    if (!d) return;
    param_list_free(&d->params);
    xfree(d);
}

void* default_read(FILE* stream, VYKExportObject*)
{
    if (!stream) return nullptr;
    auto* d = static_cast<VYKExportData*>(xcalloc(1, sizeof(VYKExportData)));
    if (!d) return nullptr;
    param_list_init(&d->params);
    bool ok = std::fscanf(stream, " %d", &d->flags) == 1;
    if (ok && (d->flags & 1)) ok = param_list_read(stream, 0, 0, 0, &d->params, 1) == 1;
    if (!ok) {
        default_free(d, nullptr);
        return nullptr;
    }
    return d;
}

int default_write(FILE* stream, const void* data, const VYKExportDataOps*)
{
    auto* d = static_cast<const VYKExportData*>(data);
    if (!stream || !d) return 0;
    if (std::fprintf(stream, "%d\n", d->flags) < 0) return 0;
    if ((d->flags & 1) && !param_list_write(stream, &d->params)) return 0;
    return std::ferror(stream) ? 0 : 1;
}

const VYKExportDataOps kDefaultOps = {VYK_DATA_KIND_DEFAULT, default_make, default_free, default_read,
                                      default_write};

const char* const kSectionNames[5] = {"#VXP_??????", "#VXP_HEADER", "#VXP_EINWNCHW", "#VXP_OBJECTS",
                                      "#VXP_PARAM"};

// ---- "<VXP" layouts; symbols and units are characters of the output-list font ----

const VXPLayoutEntry kMemberEntries[13] = {
    {"ul", "mm", 0},         {"um", "mm", 1},         {"un", "mm", 2},      {"vl", "\x89", 3},
    {"vm", "\x89", 4},       {"vn", "\x89", 5},       {"N", "kN", 6},       {"V\xC1", "kN", 7},
    {"V\xD3", "kN", 8},      {"T", "kN/m", 9},        {"M\xC1", "kN/m", 10}, {"M\xD3", "kN/m", 11},
    {"kmod", "-", 24},
};
const VXPLayoutEntry kSupportEntries[13] = {
    {"ur", "mm", 12},   {"us", "mm", 13},   {"ut", "mm", 14},     {"vr", "\x89", 15}, {"vs", "\x89", 16},
    {"vt", "\x89", 17}, {"APr", "kN", 18},  {"APs", "kN", 19},    {"APt", "kN", 20},  {"AMr", "kN/m", 21},
    {"AMs", "kN/m", 22}, {"AMt", "kN/m", 23}, {"kmod", "-", 24},
};
const VXPLayoutEntry kAllEntries[25] = {
    {"ul", "mm", 0},      {"um", "mm", 1},      {"un", "mm", 2},       {"vl", "\x89", 3},   {"vm", "\x89", 4},
    {"vn", "\x89", 5},    {"N", "kN", 6},       {"V\xC1", "kN", 7},    {"V\xD3", "kN", 8},  {"T", "kN/m", 9},
    {"M\xC1", "kN/m", 10}, {"M\xD3", "kN/m", 11}, {"ur", "mm", 12},      {"us", "mm", 13},    {"ut", "mm", 14},
    {"vr", "\x89", 15},   {"vs", "\x89", 16},   {"vt", "\x89", 17},    {"APr", "kN", 18},   {"APs", "kN", 19},
    {"APt", "kN", 20},    {"AMr", "kN/m", 21},  {"AMs", "kN/m", 22},   {"AMt", "kN/m", 23}, {"kmod", "-", 24},
};
const VXPLayout kMemberLayout = {0, 13, kMemberEntries};
const VXPLayout kSupportLayout = {1, 13, kSupportEntries};
const VXPLayout kAllLayout = {0, 25, kAllEntries};

} // namespace

const VYKExportDataOps* vyk_export_default_ops(void) { return &kDefaultOps; }

// ---- objects ----

VYKExportObject* vyk_export_object_new(int type, int id, int link, const char* name, int data_kind, void* data)
{
    auto* o = static_cast<VYKExportObject*>(xcalloc(1, sizeof(VYKExportObject)));
    if (!o) return nullptr;
    vyk_param_header_clear(&o->header);
    param_list_init(&o->params);
    if (!vyk_param_header_set(type, id, link, name, &o->header)) {
        xfree(o);
        return nullptr;
    }
    if (data_kind == VYK_DATA_KIND_DEFAULT) {
        o->ops = &kDefaultOps;
        o->data = data ? data : kDefaultOps.make_part(o);
        if (!o->data) {
            o->ops = nullptr;
            vyk_export_object_free(o);
            return nullptr;
        }
    } else {
        o->data = data;   // not ours: kept, never freed
    }
    return o;
}

void vyk_export_object_free(VYKExportObject* object)
{
    if (!object) return;
    if (object->ops && object->ops->free_part) object->ops->free_part(object->data, object->ops);
    vyk_param_header_free(&object->header);
    param_list_free(&object->params);
    xfree(object->object_comment);
    xfree(object);
}

VYKExportObject* vyk_export_object_read(FILE* stream)
{
    if (!stream) return nullptr;
    auto* o = static_cast<VYKExportObject*>(xcalloc(1, sizeof(VYKExportObject)));
    if (!o) return nullptr;
    vyk_param_header_clear(&o->header);
    param_list_init(&o->params);
    int kind = 0;
    if (!vyk_param_header_read(stream, &o->header) || std::fscanf(stream, " %d", &kind) != 1) {
        vyk_export_object_free(o);
        return nullptr;
    }
    if (kind & VYK_OBJECT_COMMENT_BIT) {
        kind &= ~VYK_OBJECT_COMMENT_BIT;
        if (!param_list_read(stream, 0, 0, 0, &o->params, 1)) {
            vyk_export_object_free(o);
            return nullptr;
        }
        o->object_comment = txb_read(stream);
        find_line_with_keyword(stream, "#VXP_OBJECT_EOC", 0);
    } else if (!param_list_read(stream, 0, 0, 0, &o->params, 1)) {
        vyk_export_object_free(o);
        return nullptr;
    }
    if (kind == VYK_DATA_KIND_DEFAULT) {
        o->ops = &kDefaultOps;
        o->data = kDefaultOps.read_part(stream, o);   // an unreadable data part stays null
    }
    if (kind != 0) find_line_with_keyword(stream, "#VXP_OBJECT_EOD", 0);
    return o;
}

int vyk_export_object_write(FILE* stream, const VYKExportObject* object)
{
    if (!stream || !object) return 0;
    if (std::fputs("\n", stream) < 0) return 0;
    if (!vyk_param_header_write(stream, &object->header)) return 0;
    int kind = object->ops ? object->ops->kind : 0;
    if (object->object_comment) kind |= VYK_OBJECT_COMMENT_BIT;
    if (std::fprintf(stream, "%d\n", kind) < 0) return 0;
    if (!param_list_write(stream, &object->params)) return 0;
    if (object->object_comment) {
        txb_write(stream, object->object_comment);
        if (std::fputs("#VXP_OBJECT_EOC\n", stream) < 0) return 0;
    }
    if (object->ops) {
        if (!object->ops->write_part || !object->ops->write_part(stream, object->data, object->ops)) return 0;
        if (std::fputs("\n#VXP_OBJECT_EOD\n", stream) < 0) return 0;
    }
    return std::ferror(stream) ? 0 : 1;
}

int vyk_export_object_set_comment(VYKExportObject* object, const char* text)
{
    if (!object) return 0;
    xfree(object->object_comment);
    object->object_comment = nullptr;
    if (!text) return 1;
    object->object_comment = xstrdup(text);
    return object->object_comment ? 1 : 0;
}

const char* vyk_export_object_comment(const VYKExportObject* object)
{
    return object ? object->object_comment : nullptr;
}

// ---- block frame ----

const char* vyk_block_section_name(int number)
{
    return (number >= 0 && number < 5) ? kSectionNames[number] : kSectionNames[0];
}

int vyk_block_write_section(FILE* stream, int number)
{
    if (!stream) return 0;
    if (std::fprintf(stream, "\n%s\n", vyk_block_section_name(number)) < 0) return 0;
    return std::ferror(stream) ? 0 : 1;
}

int vyk_block_find_section(FILE* stream, int number, int from_start)
{
    return find_line_with_keyword(stream, vyk_block_section_name(number), from_start);
}

int vyk_block_write_end(FILE* stream, int block_number)
{
    // Made once and kept for the run; only its ID changes from block to block.
    static VYKExportObject* end_object = nullptr;
    if (!end_object) end_object = vyk_export_object_new(VYK_OBJ_END, 0, -1, "End_Of_VYKExportBlock", 0, nullptr);
    if (!end_object) return 0;
    end_object->header.id = block_number;
    return vyk_export_object_write(stream, end_object);
}

VYKExportObject* vyk_export_header_new(void)
{
    VYKExportObject* o = vyk_export_object_new(VYK_OBJ_HEADER, 1, 0, "VYKExportObject_Header", 0, nullptr);
    if (!o) return nullptr;
    if (!param_list_resize(&o->params, 3, 0, 6)) {
        vyk_export_object_free(o);
        return nullptr;
    }
    o->params.ints[0] = 1;
    o->params.ints[1] = CurOb_Application_Number();
    o->params.ints[2] = CurOb_Object_Id();
    const char* texts[6] = {CurOb_Filername(),    CurOb_Basicname(),     CurOb_Suffixname(),
                            CurOb_Programname(), CurOb_Programstring(), CurOb_Versionstring()};
    for (int i = 0; i < 6; ++i) {
        if (!texts[i]) continue;
        o->params.strings[i] = xstrdup(texts[i]);
        if (!o->params.strings[i]) {
            vyk_export_object_free(o);
            return nullptr;
        }
    }
    return o;
}

int vyk_export_header_write(FILE* stream, const VYKExportObject* object)
{
    if (object) return vyk_export_object_write(stream, object);
    VYKExportObject* fresh = vyk_export_header_new();
    if (!fresh) return 0;
    int r = vyk_export_object_write(stream, fresh);
    vyk_export_object_free(fresh);
    return r;
}

VYKExportObject* vyk_export_header_read(FILE* stream)
{
    VYKExportObject* o = vyk_export_object_read(stream);
    if (!o) return nullptr;
    if (o->header.type != VYK_OBJ_HEADER || !param_list_resize(&o->params, 3, 0, 6)) {
        vyk_export_object_free(o);
        return nullptr;
    }
    return o;
}

// ---- "<VXP" records ----

int vxp_record_init(VXPParamRecord* record)
{
    if (!record) return 0;
    for (int& k : record->keys) k = -1;
    param_list_init(&record->params);
    record->layout = nullptr;
    return 1;
}

VXPParamRecord* vxp_record_new(void)
{
    auto* r = static_cast<VXPParamRecord*>(xcalloc(1, sizeof(VXPParamRecord)));
    if (r) vxp_record_init(r);
    return r;
}

void vxp_record_free(VXPParamRecord* record)
{
    if (!record) return;
    param_list_free(&record->params);
    xfree(record);
}

int vxp_record_clear(VXPParamRecord* record)
{
    if (!record) return 0;
    return param_list_free(&record->params);
}

int vxp_record_resize(VXPParamRecord* record, int ints, int doubles, int strings)
{
    if (!record) return 0;
    return param_list_resize(&record->params, ints, doubles, strings);
}

int vxp_record_write_marker(FILE* stream)
{
    if (!stream) return 0;
    return std::fputs("\n<VXP\n", stream) < 0 ? 0 : 1;
}

int vxp_record_write_keys(FILE* stream, const int* keys)
{
    if (!stream || !keys) return 0;
    if (std::fprintf(stream, "%d|%d|%d|%d|%d|%d|%d\n", keys[0], keys[1], keys[2], keys[3], keys[4], keys[5],
                     keys[6]) < 0)
        return 0;
    return 1;
}

int vxp_record_write(FILE* stream, const VXPParamRecord* record)
{
    if (!stream || !record) return 0;
    if (!vxp_record_write_marker(stream) || !vxp_record_write_keys(stream, record->keys)) return 0;
    if (!param_list_write(stream, &record->params)) return 0;
    return std::ferror(stream) ? 0 : 1;
}

int vxp_record_read_keys(FILE* stream, int* keys)
{
    if (!stream || !keys) return 0;
    for (int i = 0; i < 7; ++i) keys[i] = -1;
    for (int i = 0;; ++i) {
        int v = 0;
        char c = 0;
        if (std::fscanf(stream, "%d%c", &v, &c) != 2) return 0;
        keys[i] = v;
        if (c == '\r') {   // a line end written as CR LF
            int n = std::fgetc(stream);
            if (n != '\n' && n != EOF) std::ungetc(n, stream);
            return 1;
        }
        if (c == '\n') return 1;
        if (i == 6) {
            skip_line(stream);
            return 1;
        }
        if (c != '|') return 0;
    }
}

int vxp_record_skip_to_marker(FILE* stream, int from_start)
{
    return find_line_with_keyword(stream, "<VXP", from_start);
}

int vxp_keys_match(const int* record_keys, const int* pattern)
{
    if (!record_keys) return 0;
    if (!pattern) return 1;
    for (int i = 0; i < 7; ++i)
        if (pattern[i] != -1 && pattern[i] != record_keys[i]) return 0;
    return 1;
}

int vxp_record_find(FILE* stream, const int* pattern, VXPParamRecord* record)
{
    if (!stream || !record) return 0;
    while (vxp_record_skip_to_marker(stream, 0)) {
        if (!vxp_record_read_keys(stream, record->keys)) return 0;
        if (vxp_keys_match(record->keys, pattern)) {
            param_list_free(&record->params);
            return param_list_read(stream, 0, 0, 0, &record->params, 1) ? 1 : 0;
        }
    }
    return 0;
}

int vxp_record_key(const int* keys, int i) { return (keys && i >= 0 && i < 7) ? keys[i] : 0; }

int vxp_record_int(const VXPParamRecord* record, int i)
{
    return record ? param_list_get_int(&record->params, i) : 0;
}

double vxp_record_double(const VXPParamRecord* record, int i)
{
    return record ? param_list_get_double(&record->params, i) : 0.0;
}

const char* vxp_record_string(const VXPParamRecord* record, int i)
{
    return record ? param_list_get_string(&record->params, i) : "";
}

const VXPLayout* vxp_layout_for_kind(int kind)
{
    if (kind == 0 || kind == 2) return &kMemberLayout;
    if (kind == 1 || kind == 3) return &kSupportLayout;
    return nullptr;
}

const VXPLayout* vxp_record_layout(const VXPParamRecord* record)
{
    if (!record) return nullptr;
    return record->layout ? record->layout : vxp_layout_for_kind(record->keys[6]);
}

const VXPLayout* vxp_layout_all(void) { return &kAllLayout; }

int vxp_layout_index(const VXPLayout* layout, int key)
{
    if (!layout) return -1;
    for (int i = 0; i < layout->count; ++i)
        if (layout->entries[i].key == key) return i;
    return -1;
}

const VXPLayoutEntry* vxp_layout_entry(const VXPLayout* layout, int key)
{
    int i = vxp_layout_index(layout, key);
    return i < 0 ? nullptr : &layout->entries[i];
}

int vxp_record_gather(const VXPParamRecord* record, const int* keys, int n, double* values)
{
    if (!values || n <= 0) return record ? 1 : 0;
    for (int j = 0; j < n; ++j) values[j] = 0.0;
    if (!record) return 0;
    const VXPLayout* layout = vxp_record_layout(record);
    if (keys && !layout) return 0;
    for (int j = 0; j < n; ++j) {
        if (!keys) {
            values[j] = param_list_get_double(&record->params, j);
        } else {
            int idx = vxp_layout_index(layout, keys[j]);
            values[j] = idx < 0 ? 0.0 : param_list_get_double(&record->params, idx);
        }
    }
    return 1;
}

double vxp_record_kmod(const VXPParamRecord* record)
{
    if (!record || (record->keys[6] != 2 && record->keys[6] != 3)) return 0.0;
    return param_list_get_double(&record->params, 12);
}

int vxp_record_first_int(const VXPParamRecord* record)
{
    if (!record || (record->keys[6] != 2 && record->keys[6] != 3)) return 0;
    return param_list_get_int(&record->params, 0);
}

// ---- search ----

VYKExportObject* vyk_block_find_object(int type, int id, const VYKExportBlock* block)
{
    if (!block) return nullptr;
    for (int i = 0; i < block->items.count; ++i) {
        auto* o = static_cast<VYKExportObject*>(ptrarr_item_at(&block->items, i));
        if (o && o->header.type == type && o->header.link == id) return o;
    }
    return nullptr;
}

VYKExportObject* Find_VYKExportParam_Obj(const int* key, const VYKExportBlock* block)
{
    if (!key || !block) return nullptr;
    VYKExportObject* o = vyk_block_find_object(key[1], key[0], block);
    if (!o) std::printf("Find_VYKExportParam_Obj: (type=%d, ID=%d) nicht gefunden\n", key[1], key[0]);
    return o;
}
