// Feeds raw bytes to the readers of export blocks: objects with their comments and data parts,
// section search, "<VXP" key lines and records, and the cut data of what was read.
#include "environment/vykexport.h"
#include "environment/vykexputil.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    VYKExportObject* objs[2] = {nullptr, nullptr};
    for (int round = 0; round < 6 && !std::feof(f); ++round) {
        VYKExportObject* o = vyk_export_object_read(f);
        if (!o) continue;
        BeamCutInfo info;
        vyk_export_get_cut_info(o, &info);
        FILE* sink = std::fopen("/dev/null", "wb");
        vyk_export_object_write(sink, o);
        std::fclose(sink);
        if (!objs[0]) objs[0] = o;
        else if (!objs[1]) objs[1] = o;
        else vyk_export_object_free(o);
    }
    RelativeAxes rel;
    CutTransformList* list = nullptr;
    vyk_export_relative_axes(objs[0], objs[1], &rel);
    vyk_export_build_transforms(&rel, objs, nullptr, 2, &list);
    double v[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    vyk_export_transform_forces(list, v, v);
    vyk_transform_list_free(&list);
    vyk_export_object_free(objs[0]);
    vyk_export_object_free(objs[1]);

    vyk_block_find_section(f, 3, 1);
    VYKExportObject* h = vyk_export_header_read(f);
    vyk_export_object_free(h);
    std::rewind(f);
    VXPParamRecord r;
    vxp_record_init(&r);
    for (int round = 0; round < 4 && vxp_record_find(f, nullptr, &r); ++round) {
        double values[13];
        vxp_record_gather(&r, nullptr, 13, values);
    }
    vxp_record_clear(&r);
    std::fclose(f);
    return 0;
}
