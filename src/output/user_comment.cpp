#include "output/user_comment.h"
#include "platform/os/c_numeric.h"

#include "environment/text_wrap.h"
#include "output/oli_text_block.h"
#include "platform/layout/oli_layout.h"
#include "platform/screen/fonts.h"

#include <cstring>

namespace {

constexpr int kWidthWithLogo = 600, kWidthPlain = 675;   // pixels
constexpr int kRemarkFont = 4096;
int wrap_width = kWidthPlain;

bool has_remarks(const char* remarks)
{
    return remarks && *remarks && std::strcmp(remarks, " ") != 0 && std::strcmp(remarks, "\n") != 0;
}

void write_logo(FILE* list)
{
    std::fputs("#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n", list);
    c_fprintf(list, "27 0.0 0.0 %%FONT%%\\UserCommentLogo.ocm");
    std::fputs("\n-1\n", list);
}

// The paragraph of the remarks in the remark font.
void write_paragraph(FILE* list, const char* remarks, int width)
{
    wrap_width = width;
    Pop_RFont(kRemarkFont);
    oli_text_new_paragraph();
    write_wrapped_text(list, remarks);
    oli_text_set_keep_flag();
    oli_text_end_block(list);
    Push_RFont();
}

void open_flags(FILE* list)
{
    OLI_setFlags(list, 0x1000000);
    OLI_setFlags(list, 0x8000000);
    OLI_setFlags(list, 512);
}

} // namespace

void user_comment_write(FILE* list, const char* remarks)
{
    if (!list || !has_remarks(remarks)) return;
    open_flags(list);
    OLI_storeYPosition(list, 1);
    write_logo(list);
    OLI_pushMargins(list);
    OLI_setMarginsCM(list, 1, 1.4f, 0.0f);
    OLI_restoreYPosition(list, 1);
    write_paragraph(list, remarks, kWidthWithLogo);
    OLI_popMargins(list, 0x100000);
    OLI_setYPositionCM(list, 4, 0.0f);
    OLI_setFlags(list, 0x2000000);
}

void user_comment_write_plain(FILE* list, const char* remarks)
{
    if (!list || !has_remarks(remarks)) return;
    open_flags(list);
    write_paragraph(list, remarks, kWidthPlain);
    OLI_setFlags(list, 0x2000000);
}

void write_wrapped_text(FILE* list, const char* remarks)
{
    if (!list || !remarks) return;
    for (const char* p = remarks; *p;) {
        const char* next = p;
        int length = wrap_line_length(p, wrap_width, &next);
        if (length == 0 && *p == '\n')
            oli_text_printf(list, " \n");
        else
            oli_text_printf(list, "%.*s\n", length, p);
        p = next;
    }
}
