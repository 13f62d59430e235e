#include "platform/viewer/rpc_picture.h"

#include "platform/screen/screen.h"

#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int kFace = 0xF4F4F4, kLines = 0x808080, kName = 0x404040;
constexpr int kCentredText = 210;   // box text centred both ways

std::string base_name(const char* file)
{
    std::string s = file ? file : "?";
    size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? s : s.substr(slash + 1);
}

} // namespace

int Draw_RPC_File(const char* file, double, double)
{
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    const int fg = pxQFgc();
    pxFgc(kFace);
    pxRect(x1, y1, x2, y2);
    pxFgc(kLines);
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
    pxLine(x1, y1, x2, y2);
    pxLine(x1, y2, x2, y1);
    const std::string name = base_name(file);
    pxFgc(kName);
    pxBTxt(x1, y1, x2, y2, name.c_str(), int(name.size()), kCentredText);
    pxFgc(fg);
    struct stat st;
    return file && stat(file, &st) == 0 ? 1 : 0;
}
