#include "national_annex/nad_ec0_block.h"

#include "national_annex/nad_numio.h"
#include "national_annex/nad_switches.h"
#include "platform/os/c_numeric.h"

#include <cmath>
#include <cstring>

namespace {

// gamma_buildings defaults: [situation][kind] = {sup, inf}. EN 1990 Annex A1, Table A1.2(B)
// (persistent and transient), Tables A1.3 (accidental, seismic) and A1.4 (serviceability).
const double kGammaBuildings[4][7][2] = {
    {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
};

// EN 1990 Annex A1, Table A1.1: psi0, psi1, psi2 of buildings (the fourth column is psi2,E).
const double kPsiBuildings[12][4] = {
    {0.7, 0.5, 0.3, 0.3}, {0.7, 0.7, 0.6, 0.6}, {1.0, 0.9, 0.8, 0.8}, {0.7, 0.7, 0.6, 0.6},
    {0.7, 0.5, 0.3, 0.3}, {0, 0, 0, 0},         {0.5, 0.2, 0, 0},     {0.7, 0.5, 0.2, 0.5},
    {0.6, 0.2, 0, 0},     {0.6, 0.5, 0, 0},     {1.0, 1.0, 1.0, 1.0}, {0.8, 0.7, 0.5, 0.5},
};

// Bridge action kinds, persistent situation; the other situations take {1.0, inf != 0 ? 1.0 : 0}.
// The rows of EN 1990 Annex A2, Table A2.4(B).
const double kGammaBridgesPersistent[15][2] = {
    {1.35, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.2, 1.0}, {1.2, 0}, {1.35, 0}, {1.5, 0}, {1.5, 0},
    {1.45, 0},   {1.2, 0},   {1.5, 0},   {1.5, 0},   {1.5, 0}, {0, 0},    {0, 0}};
const double kGammaBridgesOther[15][2] = {
    {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 0},
    {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0},   {1.0, 0}, {0, 0},   {0, 0}};

// EN 1990 Annex A2, Tables A2.1 (road bridges), A2.2 (footbridges) and A2.3 (railway bridges).
const double kPsiRoad[14][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0}, {0.4, 0.4, 0}, {0, 0.75, 0}, {0, 0, 0},     {0, 0.4, 0},   {0, 0, 0},
    {0, 0, 0},       {0.6, 0.2, 0}, {0.8, 0, 0},   {1.0, 0, 0},  {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0}};
const double kPsiFoot[7][3] = {{0.4, 0.4, 0}, {0, 0, 0},   {0, 0, 0},    {0.3, 0.2, 0},
                               {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0}};
const double kPsiRail[31][3] = {
    {0.8, -0.1, 0}, {0.8, -0.1, 0}, {0, 1.0, 0},    {1.0, 0, 0},    {1.0, 1.0, 0},  {1.0, 0.8, 0},
    {0.8, 0.5, 0},  {1.0, 1.0, 0},  {0.8, -0.2, 0}, {0.8, 0.5, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},
    {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.7, 0},
    {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.6, 0},
    {0.8, 0.5, 0},  {0.8, 0.5, 0},  {0.75, 0.5, 0}, {1.0, 0, 0},    {0.6, 0.6, 0.5}, {0.8, 0, 0},
    {1.0, 0, 1.0}};

using nadio::rd;

// Reads n doubles in a row; stops at the first that cannot be read (the token stays unread,
// so every later read of the block fails too and its fields keep their values).
bool rd_n(FILE* f, double* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (!rd(f, p + i)) return false;
    return true;
}

} // namespace

// EN 1990 Annex A1 (buildings) and Annex A2 (bridges): partial factors of actions and combination
// factors, from the tables above.
void nad_ec0_set_defaults(NadEc0Block* b)
{
    if (!b) return;
    b->version = 0;
    memcpy(b->gamma_buildings, kGammaBuildings, sizeof kGammaBuildings);
    memcpy(b->psi_buildings, kPsiBuildings, sizeof kPsiBuildings);
    memcpy(b->gamma_bridges[0], kGammaBridgesPersistent, sizeof kGammaBridgesPersistent);
    for (int s = 1; s < 4; ++s) memcpy(b->gamma_bridges[s], kGammaBridgesOther, sizeof kGammaBridgesOther);
    memcpy(b->psi_road_bridges, kPsiRoad, sizeof kPsiRoad);
    memcpy(b->psi_foot_bridges, kPsiFoot, sizeof kPsiFoot);
    memcpy(b->psi_rail_bridges, kPsiRail, sizeof kPsiRail);
    b->rail_factor_a[0] = 0.8;
    b->rail_factor_a[1] = 0.7;
    b->rail_factor_a[2] = 0.6;
}

void nad_ec0_write(FILE* file, const NadEc0Block* b)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    nadio::Writer w(file);
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 7; ++k) w(" %.2f %.2f\n", b->gamma_buildings[s][k][0], b->gamma_buildings[s][k][1]);
    for (int r = 0; r < 12; ++r)
        w(" %.2f %.2f %.2f\n", b->psi_buildings[r][0], b->psi_buildings[r][1], b->psi_buildings[r][2]);
    w(" %d\n", 5);
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 15; ++k) w(" %.2f %.2f\n", b->gamma_bridges[s][k][0], b->gamma_bridges[s][k][1]);
    for (const auto& r : b->psi_road_bridges) w(" %.2f %.2f %.2f\n", r[0], r[1], r[2]);
    for (const auto& r : b->psi_foot_bridges) w(" %.2f %.2f %.2f\n", r[0], r[1], r[2]);
    for (const auto& r : b->psi_rail_bridges) w(" %.2f %.2f %.2f\n", r[0], r[1], r[2]);
    w(" %.2f %.2f %.2f\n", b->rail_factor_a[0], b->rail_factor_a[1], b->rail_factor_a[2]);
    for (int r = 0; r < 12; ++r) w(" %.2f", b->psi_buildings[r][3]);
}

void nad_ec0_read(FILE* file, NadEc0Block* b, int at_block)
{
    const CNumericScope c_numbers;
    if (!file || !b) return;
    int section_version = 1;
    if (!at_block && nad_find_section(file, " Lastfaktoren", "#NAD", &section_version) != 1) {
        if (nad_verbose) printf(" EC0:            (failed)\n");
        return;
    }
    if (nad_verbose) printf(" EC0: version=%2d  (ok)\n", section_version);
    rd_n(file, &b->gamma_buildings[0][0][0], 14);
    if (section_version > 0)
        for (int s = 1; s < 4; ++s) rd_n(file, &b->gamma_buildings[s][0][0], 14);
    for (int r = 0; r < 12; ++r) rd_n(file, b->psi_buildings[r], 3);
    b->version = 2;
    if (!nadio::rd_count(file, &b->version, 0, nadio::kMaxBlockVersion, "Die Versionsnummer")) return;
    if (b->version > 3) {
        rd_n(file, &b->gamma_bridges[0][0][0], 4 * 15 * 2);
    } else {
        // Older layout without the footbridge pair: kind 7 takes the road-traffic pair.
        for (int s = 0; s < 4; ++s) {
            rd_n(file, &b->gamma_bridges[s][0][0], 7 * 2);
            rd_n(file, &b->gamma_bridges[s][8][0], 7 * 2);
            b->gamma_bridges[s][7][0] = b->gamma_bridges[s][6][0];
            b->gamma_bridges[s][7][1] = b->gamma_bridges[s][6][1];
        }
    }
    rd_n(file, &b->psi_road_bridges[0][0], 14 * 3);
    rd_n(file, &b->psi_foot_bridges[0][0], 7 * 3);
    rd_n(file, &b->psi_rail_bridges[0][0], 31 * 3);
    rd_n(file, b->rail_factor_a, 3);
    if (b->version >= 5)
        for (int r = 0; r < 12; ++r)
            if (!rd(file, &b->psi_buildings[r][3])) break;
}

namespace {
bool differs(const double* a, const double* b, int n)
{
    for (int i = 0; i < n; ++i)
        if (std::fabs(a[i] - b[i]) > 0.0001) return true;
    return false;
}
} // namespace

int nad_ec0_compare(const NadEc0Block* a, const NadEc0Block* b)
{
    if (!a || !b) return 1;
    return differs(&a->gamma_buildings[0][0][0], &b->gamma_buildings[0][0][0], 56) ||
           differs(&a->psi_buildings[0][0], &b->psi_buildings[0][0], 48) ||
           differs(&a->gamma_bridges[0][0][0], &b->gamma_bridges[0][0][0], 120) ||
           differs(&a->psi_road_bridges[0][0], &b->psi_road_bridges[0][0], 42) ||
           differs(&a->psi_foot_bridges[0][0], &b->psi_foot_bridges[0][0], 21) ||
           differs(&a->psi_rail_bridges[0][0], &b->psi_rail_bridges[0][0], 93) ||
           differs(a->rail_factor_a, b->rail_factor_a, 3);
}

void nad_ec0_copy(NadEc0Block* dst, const NadEc0Block* src)
{
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int nad_ec0_stub() { return 0; }
