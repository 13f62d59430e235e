#pragma once
// Material classes of the timber library: a material code and a grade index
// (the row inside that class) name every material the design code asks about.

typedef int MaterialCode;

enum : int {
    MAT_SOFTWOOD = 0,          // "Nadelholz"
    MAT_HARDWOOD = 1,          // "Laubholz"
    MAT_GLULAM_EC = 2,         // "Brettschicht EC"
    MAT_GLULAM_DIN = 3,        // "Brettschicht DIN"
    MAT_OSB = 4,
    MAT_PLASTERBOARD = 5,      // "Gipskarton"
    MAT_PLYWOOD = 6,           // "Sperrholz"
    MAT_PARTICLEBOARD = 7,     // "Spanplatte"
    MAT_FIBREBOARD = 8,        // "Faserplatte"
    MAT_GYPSUM_FIBREBOARD = 9, // "Fermacell"
    MAT_KERTO_S = 10,
    MAT_KERTO_Q = 11,
    MAT_STEEL_PLATE = 12,      // "Stahlblech"
    MAT_VENEER_LUMBER = 13,    // "Furnierschichtholz": reads the softwood rows
    MAT_FREE = 14,             // "Frei": user-defined material
    MAT_NONE = 15,             // "Ohne"
    MAT_ALU_PLATE = 16,        // "Aluminiumblech"
    MAT_GL75 = 17,             // "Baubuche GL75"
    MAT_BEECH_BOARD = 18,      // "Baubuche Platte"
    MAT_LVL = 19,              // "Steico LVL"
    MAT_SOLID_MEMBER = -10,    // solid-timber member of the fastener design
    MAT_GLVL = -11,            // "Steico GLVL"
    MAT_IJOIST_WALL = -12,     // "Steico Wall"
    MAT_IJOIST_JOIST = -13,    // "Steico Joist"
    MAT_USER = -999            // user-defined material (also as grade index)
};

// 1 for the two I-joist series (-13, -12).
int is_material_code_m12_m13(int code);
// 1 for 0, 1 and -10.
int is_solid_timber_material(int code);
// 1 for 2, 3 and 17.
int is_glulam_material(int code);
// 1 for the classes whose grades are rows of the timber grade tables: 0, 1, 2, 3 and 17.
int is_graded_timber_material(int code);
// 1 for -10, 0, 1, 2, 3 and 17.
int is_timber_member_material(int code);
