#include "materials/timber_grade_codes.h"

#include "materials/name_list.h"
#include "platform/screen/prop_sheet.h"

namespace {

// Columns: code, name, E0,mean, E90,mean, G_mean, rho_k, f_m,k, f_t,0,k, f_t,90,k, f_c,0,k,
// f_c,90,k, f_v,k (N/mm², rho_k kg/m³).
const TimberGradeCodeRecord kClass0[] = {  // softwood, DIN 1052
    {1000, {"C14", 7000, 230, 440, 290, 14, 8, 0.4, 16, 2, 2}},
    {1001, {"C16 (S7)", 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 2}},
    {1002, {"C18", 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 2}},
    {1003, {"C20", 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 2}},
    {1004, {"C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 2}},
    {1005, {"C24 (S10)", 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 2}},
    {1006, {"C27", 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 2}},
    {1007, {"C30 (S13)", 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 2}},
    {1008, {"C35", 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 2}},
    {1009, {"C40", 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 2}},
    {1010, {"C45", 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 2}},
    {1011, {"C50", 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 2}},
};
const TimberGradeCodeRecord kClass1[] = {  // hardwood, DIN 1052
    {2000, {"D30", 10000, 640, 600, 530, 30, 18, 0.5, 23, 8, 3}},
    {2001, {"D35", 10000, 690, 650, 560, 35, 21, 0.5, 25, 8.4, 3.4}},
    {2002, {"D40", 11000, 750, 700, 590, 40, 24, 0.5, 26, 8.8, 3.8}},
    {2003, {"D50", 14000, 930, 880, 650, 50, 30, 0.5, 29, 9.7, 4.6}},
    {2004, {"D60", 17000, 1130, 1060, 700, 60, 36, 0.5, 32, 10.5, 5.3}},
    {2005, {"D70", 20000, 1330, 1250, 900, 70, 42, 0.5, 34, 13.5, 6}},
    {2006, {"D18", 9500, 630, 590, 475, 18, 11, 0.5, 18, 7.5, 2.3}},
    {2007, {"D24", 10000, 670, 620, 485, 24, 14, 0.5, 21, 7.8, 2.7}},
};
const TimberGradeCodeRecord kClass2[] = {  // glued-laminated timber, DIN 1052
    {3000, {"GL24h (BS11)", 11600, 390, 720, 380, 24, 16.5, 0.5, 24, 2.7, 2.5}},
    {3001, {"GL24c (BS11)", 11600, 320, 590, 350, 24, 14, 0.5, 21, 2.4, 2.5}},
    {3002, {"GL28h (BS14)", 12600, 420, 780, 410, 28, 19.5, 0.5, 26.5, 3, 2.5}},
    {3003, {"GL28c (BS14)", 12600, 390, 720, 380, 28, 16.5, 0.5, 24, 2.7, 2.5}},
    {3004, {"GL32h (BS16)", 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 2.5}},
    {3005, {"GL32c (BS16)", 13700, 420, 780, 410, 32, 19.5, 0.5, 26.5, 3, 2.5}},
    {3006, {"GL36h (BS18)", 14700, 490, 910, 450, 36, 26, 0.5, 31, 3.6, 2.5}},
    {3007, {"GL36c (BS18)", 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 2.5}},
};
const TimberGradeCodeRecord kClass3[] = {  // older grade names without values
    {0, {"S7", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},     {1, {"S10", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {2, {"S13", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},    {3, {"MS7", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {4, {"MS10", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},   {5, {"MS13", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {6, {"MS17", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},   {7, {"BS11", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {8, {"BS14", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},   {9, {"B16", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {10, {"BS18", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},  {11, {"LH A", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {12, {"LH B", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},  {13, {"LH C", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {14, {"Kerto", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};
const TimberGradeCodeRecord kClass4[] = {  // softwood, Eurocode
    {4000, {"C14", 7000, 230, 440, 290, 14, 8, 0.4, 16, 2, 3}},
    {4001, {"C16 (S7)", 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 3.2}},
    {4002, {"C18", 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 3.4}},
    {4003, {"C20", 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 3.6}},
    {4004, {"C22", 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 3.8}},
    {4005, {"C24 (S10)", 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 4}},
    {4006, {"C27", 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 4}},
    {4007, {"C30 (S13)", 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 4}},
    {4008, {"C35", 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 4}},
    {4009, {"C40", 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 4}},
    {4010, {"C45", 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 4}},
    {4011, {"C50", 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 4}},
};
const TimberGradeCodeRecord kClass5[] = {  // hardwood, Eurocode
    {5000, {"D30", 11000, 730, 690, 530, 30, 18, 0.6, 23, 8, 4}},
    {5001, {"D35", 12000, 800, 750, 540, 35, 21, 0.6, 25, 8.1, 4}},
    {5002, {"D40", 13000, 860, 810, 550, 40, 24, 0.6, 26, 8.3, 4}},
    {5003, {"D50", 14000, 930, 880, 620, 50, 30, 0.6, 29, 9.3, 4}},
    {5004, {"D60", 17000, 1130, 1060, 700, 60, 36, 0.6, 32, 10.5, 4.5}},
    {5005, {"D70", 20000, 1330, 1250, 900, 70, 42, 0.6, 34, 13.5, 5}},
    {5006, {"D18", 9500, 630, 590, 475, 18, 11, 0.6, 18, 7.5, 3.4}},
    {5007, {"D24", 10000, 670, 620, 485, 24, 14, 0.6, 21, 7.8, 4}},
};
const TimberGradeCodeRecord kClass6[] = {  // glulam with DIN names, Eurocode values
    {6000, {"GL24h (BS11)", 11600, 390, 720, 380, 24, 16.5, 0.4, 24, 2.7, 2.7}},
    {6001, {"GL24c (BS11)", 11600, 320, 590, 350, 24, 14, 0.35, 21, 2.4, 2.2}},
    {6002, {"GL28h (BS14)", 12600, 420, 780, 410, 28, 19.5, 0.45, 26.5, 3, 3.2}},
    {6003, {"GL28c (BS14)", 12600, 390, 720, 380, 28, 16.5, 0.4, 24, 2.7, 2.7}},
    {6004, {"GL32h (BS16)", 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 3.8}},
    {6005, {"GL32c (BS16)", 13700, 420, 780, 410, 32, 19.5, 0.45, 26.5, 3, 3.2}},
    {6006, {"GL36h (BS18)", 14700, 490, 910, 450, 36, 26, 0.6, 31, 3.6, 4.3}},
    {6007, {"GL36c (BS18)", 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 3.8}},
};
const TimberGradeCodeRecord kClass7[] = {  // glulam, Eurocode
    {7000, {"GL20h", 8400, 300, 650, 340, 20, 16, 0.5, 20, 2.5, 3.5}},
    {7001, {"GL22h", 10500, 300, 650, 370, 22, 17.6, 0.5, 22, 2.5, 3.5}},  // f_c,0,k 22 as EN 14080:2013 gives it
    {7002, {"GL24h", 11500, 300, 650, 385, 24, 19.2, 0.5, 24, 2.5, 3.5}},
    {7003, {"GL26h", 12100, 300, 650, 405, 26, 20.8, 0.5, 26, 2.5, 3.5}},
    {7004, {"GL28h", 12600, 300, 650, 425, 28, 22.3, 0.5, 28, 2.5, 3.5}},
    {7005, {"GL30h", 13600, 300, 650, 430, 30, 24, 0.5, 30, 2.5, 3.5}},
    {7006, {"GL32h", 14200, 300, 650, 440, 32, 25.6, 0.5, 32, 2.5, 3.5}},
    {7007, {"GL20c", 10400, 300, 650, 355, 20, 15, 0.5, 18.5, 2.5, 3.5}},
    {7008, {"GL22c", 10400, 300, 650, 355, 22, 16, 0.5, 20, 2.5, 3.5}},
    {7009, {"GL24c", 11000, 300, 650, 365, 24, 17, 0.5, 21.5, 2.5, 3.5}},
    {7010, {"GL26c", 12000, 300, 650, 385, 26, 19, 0.5, 23.5, 2.5, 3.5}},
    {7011, {"GL28c", 12500, 300, 650, 390, 28, 19.5, 0.5, 24, 2.5, 3.5}},
    {7012, {"GL30c", 13000, 300, 650, 390, 30, 19.5, 0.5, 24.5, 2.5, 3.5}},
    {7013, {"GL32c", 13500, 300, 650, 400, 32, 19.5, 0.5, 24.5, 2.5, 3.5}},
};
const TimberGradeCodeRecord kClass8[] = {  // beech laminated veneer lumber (cp437: 0x84 is "ä")
    {8000, {"Tr\x84ger GL70", 16700, 470, 850, 680, 70, 55, 0.6, 49.5, 8.5, 4}},
    {8001, {"Pl. S 20-80 (w)", 16800, 470, 850, 730, 80, 60, 1.5, 57.5, 10, 8}},
    {8002, {"Pl. S 20-80 (s)", 16800, 470, 760, 730, 75, 60, 1.5, 57.5, 14, 8}},
    {8003, {"Pl. Q 20 (w)", 11800, 3900, 430, 730, 70, 45, 16, 45.6, 13, 3.8}},
    {8004, {"Pl. Q 20 (s)", 11800, 3900, 820, 730, 54, 45, 16, 45.6, 37, 7.8}},
    {8005, {"Pl. S 30-80 (w)", 13200, 2200, 430, 730, 75, 51, 8, 53.3, 13, 3.8}},
    {8006, {"Pl. S 30-80 (s)", 13200, 2200, 820, 730, 60, 51, 8, 53.3, 19, 7.8}},
};
const TimberGradeCodeRecord kClass9[] = {  // laminated veneer lumber boards
    {9000, {"S 21-90 (w)", 13800, 130, 600, 480, 50, 35, 0.8, 35, 1.8, 2.3}},
    {9001, {"S 21-90 (s)", 13800, 430, 600, 480, 44, 35, 0.8, 35, 6, 4.1}},
    {9002, {"Q 21-24 (w)", 10000, 1200, 60, 480, 32, 19, 0.01, 19, 2.2, 1.3}},
    {9003, {"Q 21-24 (s)", 10000, 1200, 600, 480, 28, 19, 6, 19, 9, 4.5}},
    {9004, {"Q 27-75 (w)", 10500, 2000, 120, 480, 36, 26, 0.01, 26, 2.2, 1.3}},
    {9005, {"Q 27-75 (s)", 10500, 2000, 600, 480, 32, 26, 6, 26, 9, 4.5}},
};

struct ClassTable {
    int first;  // first code of the class
    int count;
    const TimberGradeCodeRecord* rows;
    const char* name;
};

#define CLASS(first, rows, name) {first, int(sizeof rows / sizeof rows[0]), rows, name}
// The grade-code classes 0-9; class 3 holds the older grade names, whose codes are their indexes.
constexpr int kClassCount = 10;
constexpr int kOlderNamesClass = 3;

const ClassTable kClasses[kClassCount] = {
    CLASS(1000, kClass0, "Nadelholz"),        CLASS(2000, kClass1, "Laubholz"),
    CLASS(3000, kClass2, "Brettschichtholz"), CLASS(0, kClass3, ""),
    CLASS(4000, kClass4, "Nadelholz"),        CLASS(5000, kClass5, "Laubholz"),
    CLASS(6000, kClass6, "Brettschichtholz"), CLASS(7000, kClass7, "Brettschichtholz"),
    CLASS(8000, kClass8, "Furnier"),          CLASS(9000, kClass9, "Kerto"),
};
#undef CLASS

} // namespace

int timber_material_of_grade(int code)
{
    for (int c = 0; c < kClassCount; ++c) {
        const ClassTable& t = kClasses[c];
        if (code >= t.first && code < t.first + t.count)
            return c;
    }
    return -1;
}

int timber_grade_code(int material_class, int index)
{
    if (material_class == kOlderNamesClass)
        return index;
    if (material_class >= 0 && material_class < kClassCount)
        return kClasses[material_class].first + index;
    return -1;
}

const TimberGradeCodeRecord* timber_grade_record(int code)
{
    int c = timber_material_of_grade(code);
    if (c < 0)
        return &kClass0[0];
    return &kClasses[c].rows[code - kClasses[c].first];
}

const char* timber_grade_name(int code) { return timber_grade_record(code)->values.name; }

int timber_grade_user_count() { return 0; }

int timber_grade_code_at(int i, const int* codes, int n) { return key_at(codes, n, i, 1001); }

int timber_grade_fill_list(void* list, GradeListAppend append, const int* codes, int n, int key)
{
    return fill_name_list(list, append, codes, n, key, timber_grade_name);
}

int timber_grade_fill_list(void* list, const int* codes, int n, int key)
{
    return fill_name_list(list, Fill_Stringlist_of_PS, codes, n, key, timber_grade_name);
}

const char* timber_material_class_name(int material_class)
{
    if (material_class < 0 || material_class >= kClassCount)
        return "nicht definiertes Material";
    return kClasses[material_class].name;
}
