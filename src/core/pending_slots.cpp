// Placeholder bodies for slots whose real code lives in the print files.
// Each block goes when its real slot is written.
#include "core/tavo52_data.h"
