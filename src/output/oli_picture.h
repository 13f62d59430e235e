// Picture records of the text-block layer and the picture information that the environment's
// conversion tool writes (offered by the library; the printed calculation has no pictures).
#pragma once
#include <cstdio>

struct OliPictureInfo {
    char name[20];     // at most 19 characters
    int width_px;
    int height_px;
    int dpi;
    double width_cm;
    double height_cm;
};

// Options of a picture record: flags 0x30 add `value`, 0x1 the first pair, 0xE the second pair;
// 0x1000 embeds the file's bytes and names only its extension.
struct OliPictureOptions {
    int flags;
    int value;
    double first[2];
    double second[2];
};

void oli_picture_info_defaults(OliPictureInfo* info);
int oli_text_picture_record(FILE* stream, double width, double height, const char* path,
                            const OliPictureOptions* info);
int oli_picture_info_write(FILE* stream, const OliPictureInfo* info);
int oli_picture_info_read(FILE* stream, OliPictureInfo* info);
int oli_picture_size_query(const char* path, OliPictureInfo* info);
