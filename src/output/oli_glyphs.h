// Glyphs of the output list: its viewer draws these code-page-437 characters in the symbol font as
// Greek letters and an arrow. The byte forms serve the writers; the UTF-8 forms serve the print
// texts that are written in UTF-8 and converted to code page 437 on the way out.
#pragma once

#define OLI_SIGMA "\xCC"   // sigma, code page 437 "╠"
#define OLI_TAU "\xD6"     // tau, "╓"
#define OLI_DELTA "\xA3"   // Delta, "ú"
#define OLI_ARROW "\x88"   // right arrow, "ê"

#define OLI_SIGMA_U8 u8"╠"
#define OLI_TAU_U8 u8"╓"
#define OLI_DELTA_U8 u8"ú"
#define OLI_ARROW_U8 u8"ê"
