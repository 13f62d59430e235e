#pragma once
// The fastener catalogue: one table per family, each filled once from its data file
// "ec5_<family>.dat" in the private data folder of the current object.
#include "materials/fastener_records.h"

#include <cstddef>
#include <string>

// Loaders: 1 when the table is loaded (at once when it already was), 0 when the file cannot be
// opened or does not parse; a failed load leaves the table empty and is retried on the next call.
int read_ec5_nagel();
int read_ec5_klammer();
int read_ec5_schraube();
int read_ec5_spax_s_tg();
int read_ec5_spax_t_tg();
int read_ec5_spax_s_vg();
int read_ec5_assy_plus_vg_z();
int read_ec5_assy_plus_vg_s();
int read_ec5_sondernagel();
int read_ec5_simpson_cna();
int read_ec5_simpson_csa();
int read_ec5_ringduebel_a1();
int read_ec5_schduebel();
int read_ec5_schduebel_c5();
int read_ec5_schduebel_c10();
int read_ec5_schduebel_b1();
int read_ec5_schduebel_c2();
int read_ec5_schduebel_c11();
int fill_dowel_bolt_tables();

// The file name of a family ("ec5_spax_s_vg.dat", ...).
const char* fastener_family_file(FastenerFamily family);
const char* connector_family_file(ConnectorFamily family);
// Why the family's last load failed ("Zeile 7: Länge = 1e+308 mm liegt nicht über 0 bis 3000 mm");
// empty when it has not failed, or the file could not be read at all.
std::string fastener_family_fault(FastenerFamily family);
// Parses the bytes of a data file into *table (emptied first). 1 on success; 0 on a format error,
// an early end of the rows, a table without rows or values beyond the table's limits or beyond what
// a product can have, with *table left empty and *fault (when given) naming the line and the fault.
int fastener_table_parse(FastenerFamily family, const char* data, size_t size, FastenerTable* table,
                         std::string* fault = nullptr);
int connector_table_parse(ConnectorFamily family, const char* data, size_t size, ConnectorTable* table,
                          std::string* fault = nullptr);
