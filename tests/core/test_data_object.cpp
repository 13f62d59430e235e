// The data object's defaults, load-duration class texts and the DOS/Latin-1 letters.
#include "core/tavo52_data.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }
}

TEST(DataObject, FreshObjectHoldsOneDefaultLoadAndTheDefaults)
{
    TAVO52_DATA d;
    ASSERT_EQ(d.lasten.size(), 1);
    EXPECT_EQ(d.lasten[0].name, u("A ständig"));
    EXPECT_EQ(d.lasten[0].kmod, 0.6);
    EXPECT_EQ(d.lasten[0].kled, 0);
    EXPECT_EQ(d.lasten[0].v_l, 0.0);
    EXPECT_EQ(d.lasten[0].m_r, 0.0);
    EXPECT_EQ(d.b, 120.0);
    EXPECT_EQ(d.h, 240.0);
    EXPECT_EQ(d.h_ro, 100.0);
    EXPECT_EQ(d.h_ru, 100.0);
    EXPECT_EQ(d.a, 100.0);
    EXPECT_EQ(d.nkl, 1);
    EXPECT_EQ(d.holzguete, 5);
    EXPECT_EQ(d.biegung, 1);
    EXPECT_EQ(d.schub, 1);
    EXPECT_EQ(d.graf_breite, 17.0);
    EXPECT_EQ(d.graf_hoehe, 12.0);
    EXPECT_EQ(d.nk_sni, 2);
    EXPECT_EQ(d.k_h, 1.0);
    EXPECT_EQ(d.d_unterleg, 20.0);
    EXPECT_TRUE(d.nachweise.isEmpty());
    EXPECT_EQ(d.eta_max, 0.0);

    LoadRow fresh;   // a new row of the loads table
    EXPECT_TRUE(fresh.name.isEmpty());
    EXPECT_EQ(fresh.kmod, 0.9);
    EXPECT_EQ(fresh.kled, 3);
}

TEST(DataObject, ClassTextsAndIndexes)
{
    struct Case { const char* text; int index; };
    const Case to_index[] = {{"ständig", 0}, {"KURZ", 3}, {"Kurz", 3}, {"sehr kurz", 4}, {"kurz/sehr kurz", 5},
                             {"--------------", 5}, {"AUSSERGEWÖHNLICH", 0 /* ß has no capital in the comparison */}, {"Außergewöhnlich", 6},
                             {"erdbeben", 7}, {"frei", 8}, {"", 0}, {"Schnee", 0}};
    for (const Case& c : to_index) EXPECT_EQ(TAVO52_DATA::kled_index_from_text(u(c.text)), c.index) << c.text;

    EXPECT_EQ(TAVO52_DATA::kled_text_from_index(5, 1), u("kurz/sehr kurz"));
    EXPECT_EQ(TAVO52_DATA::kled_text_from_index(5, 0), u("--------------"));
    EXPECT_EQ(TAVO52_DATA::kled_text_from_index(6, 0), u("außergewöhnlich"));
    EXPECT_EQ(TAVO52_DATA::kled_text_from_index(0, 0), u("ständig"));
    EXPECT_TRUE(TAVO52_DATA::kled_text_from_index(9, 1).isEmpty());
    EXPECT_TRUE(TAVO52_DATA::kled_text_from_index(-1, 1).isEmpty());
}

TEST(DataObject, GermanLettersBetweenDosAndLatin1)
{
    char* dos = qstring_to_dos_cstr(u("Größe"));
    EXPECT_STREQ(dos, "Gr\x94\xe1" "e");
    std::free(dos);

    EXPECT_EQ(dos_to_latin1_qstring("\x81" "ber \x9A" "bermass \x84\x8E\x94\x99\xE1"), u("über Übermass äÄöÖß"));
    EXPECT_EQ(dos_to_latin1_qstring("plain text 1.5"), u("plain text 1.5"));
    dos = qstring_to_dos_cstr(u("plain text 1.5"));
    EXPECT_STREQ(dos, "plain text 1.5");
    std::free(dos);
    EXPECT_TRUE(dos_to_latin1_qstring(nullptr).isEmpty());

    // Longer than the 254 characters a fixed buffer would hold: converted whole.
    const std::string long_dos = std::string(300, 'x') + "\x84";
    EXPECT_EQ(dos_to_latin1_qstring(long_dos.c_str()), QString(300, 'x') + u("ä"));
}

TEST(DataObject, NormaliseUmlautsTakesEitherCode)
{
    EXPECT_EQ(normalise_umlauts(u("Träger über Küche")), u("Träger über Küche"));
    // A DOS ü (0x81) read through Windows-1252 arrives as U+0081; a DOS ä (0x84) as „.
    EXPECT_EQ(normalise_umlauts(QString(QChar(0x81)) + u("ber Tr") + QChar(0x201E) + u("ger")), u("über Träger"));
}
