#include "output/oli_picture.h"
#include "platform/os/c_numeric.h"
#include "environment/param_list.h"
#include "helpers/prefixed_files.h"
#include "platform/env/vyk_env.h"
#include "platform/env/vyk_files.h"
#include "platform/env/vyk_process.h"
#include "platform/os/regular_file.h"

#include <cstring>
#include <string>
#include <vector>

void oli_picture_info_defaults(OliPictureInfo* info)
{
    if (!info) return;
    std::memset(info, 0, sizeof *info);
    std::strcpy(info->name, "???");
    info->dpi = 300;
}

int oli_text_picture_record(FILE* stream, double width, double height, const char* path,
                            const OliPictureOptions* info)
{
    if (!stream || !path) return -1;
    OliPictureOptions none{};
    if (!info) info = &none;
    int f = info->flags;
    if (c_fprintf(stream, "75 %d %.6g %.6g", f, width, height) < 0) return -1;
    if ((f & 0x30) && c_fprintf(stream, " %d", info->value) < 0) return -1;
    if ((f & 0x1) && c_fprintf(stream, " %.6g %.6g", info->first[0], info->first[1]) < 0) return -1;
    if ((f & 0xE) && c_fprintf(stream, " %.6g %.6g", info->second[0], info->second[1]) < 0) return -1;
    std::string name = path;
    if (f & 0x1000) {
        size_t dot = name.rfind('.');
        name = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    }
    if (c_fprintf(stream, " ") < 0 || write_delimited_string(stream, name.c_str(), 0xAE, 0xAF) != 0 ||
        c_fprintf(stream, "\n") < 0)
        return -1;
    if (!(f & 0x1000)) return 0;
    FILE* in = open_regular_file(path, file_bounds::kPicture, "rb");
    if (c_fprintf(stream, "{\n") < 0) {
        if (in) std::fclose(in);
        return -1;
    }
    if (in) {
        unsigned char buf[64];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) {
            for (size_t i = 0; i < n; ++i) c_fprintf(stream, "%.2x", buf[i]);
            c_fprintf(stream, "\n");
        }
        std::fclose(in);
    }
    return c_fprintf(stream, "}\n") < 0 ? -1 : 0;
}

int oli_picture_info_write(FILE* stream, const OliPictureInfo* info)
{
    if (!stream || !info) return -1;
    char name[20];
    std::memcpy(name, info->name, sizeof name);
    name[19] = 0;
    if (c_fprintf(stream, "OLI_GRAPHIC_Picture_Info\n") < 0) return -1;
    if (write_delimited_string(stream, name, 0xAE, 0xAF) != 0) return -1;
    if (c_fprintf(stream, "\n%d %d\n%d\n%.4f %.4f\n", info->width_px, info->height_px, info->dpi,
                     info->width_cm, info->height_cm) < 0)
        return -1;
    return 0;
}

int oli_picture_info_read(FILE* stream, OliPictureInfo* info)
{
    if (!info) return 0;
    oli_picture_info_defaults(info);
    if (!stream) return 0;
    char word[64] = "";
    if (c_fscanf(stream, " %63s", word) != 1 || std::strcmp(word, "OLI_GRAPHIC_Picture_Info") != 0) return 0;
    char name[20] = "";
    if (read_delimited_string(stream, name, 20, 0xAE, 0xAF) <= 0) return 0;
    OliPictureInfo got = *info;
    std::memcpy(got.name, name, sizeof name);
    got.name[19] = 0;
    if (c_fscanf(stream, "%d %d %d %lf %lf", &got.width_px, &got.height_px, &got.dpi, &got.width_cm,
                    &got.height_cm) != 5)
        return 0;
    *info = got;
    return 1;
}

int oli_picture_size_query(const char* path, OliPictureInfo* info)
{
    oli_picture_info_defaults(info);
    if (!path || !info) return 0;
    const char* exec = VYKGetEnv("EXEC");
    if (!exec) return 0;
    char tmp[PREFIXED_NAME_MAX + 1];
    if (!temp_file_name(tmp)) return 0;
    std::string tool = std::string(exec) + "/mepsil.exe";
    const char* argv[] = {tool.c_str(), path, tmp, nullptr};
    VYKSpawnv(0, tool.c_str(), argv);
    FILE* f = open_regular_file(tmp, file_bounds::kSmallText, "r");
    if (!f) return 0;
    int ok = oli_picture_info_read(f, info);
    std::fclose(f);
    VYKRemoveFile(tmp, 0);
    return ok;
}
