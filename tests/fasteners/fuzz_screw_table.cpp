// Any bytes as a fastener data file of every family: the reader must return, never crash or
// write past a table, and a refused file must leave its table empty.
#include "fasteners/fastener_tables.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    static FastenerTable table;
    static const FastenerTable zero{};
    for (int f = 0; f < FAMILY_COUNT; ++f) {
        int ok = fastener_table_parse(static_cast<FastenerFamily>(f), text, size, &table);
        if (!ok && std::memcmp(&table, &zero, sizeof table) != 0) std::abort();
        if (ok && (table.row_count > FASTENER_TABLE_ROWS)) std::abort();
        for (int i = 0; ok && i < table.row_count; ++i)
            if (table.rows[i].n_l < 0 || table.rows[i].n_l > FASTENER_TABLE_LENGTHS) std::abort();
    }
    static ConnectorTable connectors;
    for (int f = 0; f < CONNECTOR_COUNT; ++f)
        connector_table_parse(static_cast<ConnectorFamily>(f), text, size, &connectors);
    return 0;
}
