// Placeholder bodies for slots whose real code lives in the print files.
// Each block goes when its real slot is written.
#include "core/tavo52_data.h"

// --- Print_OliView ---
void TAVO52_DATA::Print_OliView() {}

// --- Print_OliPrint ---
void TAVO52_DATA::Print_OliPrint() {}

// --- cal_Print ---
int TAVO52_DATA::cal_Print(int* err_vm)
{
    if (err_vm) *err_vm = 0;
    return 0;
}
