// Feeds arbitrary connection descriptions to the connection design and its input check.
#include "fasteners/connection_design.h"
#include "fasteners/connection_input_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ConnectionDescription c;
    std::memset(&c, 0, sizeof c);
    std::memcpy(&c, data, size < sizeof c ? size : sizeof c);
    // Keep the codes in the ranges the callers use; the numbers stay as they come.
    c.fastener_type = static_cast<int>(static_cast<unsigned>(c.fastener_type) % 49) - 2;
    c.table_row = static_cast<int>(static_cast<unsigned>(c.table_row) % 32) - 1;
    c.material_1 = static_cast<int>(static_cast<unsigned>(c.material_1) % 34) - 14;
    c.material_2 = static_cast<int>(static_cast<unsigned>(c.material_2) % 34) - 14;
    c.grade_1 = static_cast<int>(static_cast<unsigned>(c.grade_1) % 20) - 1;
    c.grade_2 = static_cast<int>(static_cast<unsigned>(c.grade_2) % 20) - 1;
    c.service_class_1 = static_cast<int>(static_cast<unsigned>(c.service_class_1) % 4);
    c.service_class_2 = static_cast<int>(static_cast<unsigned>(c.service_class_2) % 4);
    c.load_duration = static_cast<int>(static_cast<unsigned>(c.load_duration) % 9);
    c.steel_grade = static_cast<int>(static_cast<unsigned>(c.steel_grade) % 12) - 1;
    c.method = static_cast<int>(static_cast<unsigned>(c.method) % 3);
    c.shear_planes = static_cast<int>(static_cast<unsigned>(c.shear_planes) % 3);
    FastenerResult r;
    connection_input_check(c);
    connection_design_main(c, &r);
    return 0;
}
