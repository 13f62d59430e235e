// Component export files and result files of the internal-force tool for the import tests.
#pragma once
#include "../environment/beam_fixture.h"
#include "environment/vykexport.h"
#include "platform/os/c_numeric.h"

#include <cstdio>
#include <string>
#include <vector>

namespace importfix {

struct Row {
    std::vector<double> values;   // 6 per set
    int accidental;
    double kmod;
    std::string text1, text2;
};

inline std::string object_bytes(const VYKExportObject* o)
{
    FILE* f = std::tmpfile();
    vyk_export_object_write(f, o);
    std::rewind(f);
    std::string s;
    int c;
    while ((c = std::fgetc(f)) != EOF) s.push_back(char(c));
    std::fclose(f);
    return s;
}

// Two cuts of one beam along x, 12 x 24 cm, grade code 4005 unless given.
inline std::vector<VYKExportObject*> two_cuts(int grade = 4005, double b_cm = 12.0, double h_cm = 24.0)
{
    const double p1[3] = {2.9, 0, 0}, p2[3] = {3.1, 0, 0};
    return {beamfix::beam(1, p1, beamfix::kIdentity, 0, 2.9 / 6, 6, grade, b_cm, h_cm, "C24"),
            beamfix::beam(2, p2, beamfix::kIdentity, 0, 3.1 / 6, 6, grade, b_cm, h_cm, "C24")};
}

inline std::string rows_bytes(const std::vector<int>& counts, const std::vector<Row>& rows)
{
    std::string s = "RESULTS\n";
    for (int c : counts) s += std::to_string(c) + " ";
    s += "\n";
    char buf[64];
    for (const Row& r : rows) {
        for (double v : r.values) {
            c_snprintf(buf, sizeof buf, " %f", v);   // the tool writes a decimal point
            s += buf;
        }
        c_snprintf(buf, sizeof buf, " %d %f ", r.accidental, r.kmod);
        s += buf;
        s += "\xAE" + r.text1 + "\xAF \xAE" + r.text2 + "\xAF\n";
    }
    return s;
}

// The export file of a component as the stand-in internal-force tool reads it; frees the objects.
inline std::string component_export(std::vector<VYKExportObject*> cuts, const std::vector<int>& counts,
                                    const std::vector<Row>& rows)
{
    std::string s = "#VXP_HEADER\nTest\n#VXP_OBJECTS\n";
    for (auto* o : cuts) {
        s += object_bytes(o);
        vyk_export_object_free(o);
    }
    return s + "#VXP_PARAM\n" + rows_bytes(counts, rows);
}

// The tool's result file for the same content.
inline std::string result_file(int sets, std::vector<VYKExportObject*> cuts, const std::vector<int>& counts,
                               const std::vector<Row>& rows)
{
    std::string s = "MULTICUT\n" + std::to_string(sets) + "\n";
    for (auto* o : cuts) {
        s += object_bytes(o);
        vyk_export_object_free(o);
    }
    return s + rows_bytes(counts, rows);
}

inline Row row(double vz_left, double my_left, double vz_right, double my_right, int acc, double kmod,
               const std::string& name)
{
    return Row{{0, 0, vz_left, 0, my_left, 0, 0, 0, vz_right, 0, my_right, 0}, acc, kmod, "", name};
}

// Two rows of the left edge and three of the right one.
inline std::vector<Row> five_rows()
{
    return {row(1, 2, 3, 4, 0, 0.9, "L1"), row(5, 6, 7, 8, 1, 1.1, "L2"), row(9, 10, 11, 12, 0, 0.6, "R1"),
            row(13, 14, 15, 16, 0, 0.7, "R2"), row(17, 18, 19, 20, 0, 0.8, "R3")};
}

} // namespace importfix
