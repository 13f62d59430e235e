// The printed calculation names the unconfirmed values a design uses, and only those: the
// screw files' status line and the shipped set's list of unverified fields.
#include "test_print_fixture.h"

#include "core/unconfirmed_values.h"
#include "national_annex/nad_list.h"
#include "platform/env/vyk_env.h"

#include <cstdlib>

namespace {

class UnconfirmedTest : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        const char* p = CurOb_Privat_Datapath();
        saved_private_ = p ? p : "";
        const char* data = std::getenv("DATA");
        had_data_ = data != nullptr;
        saved_data_ = data ? data : "";
        Set_CurOb_Privat_Datapath(TAVO_SOURCE_DATA_DIR "/PRIVATE");
        setenv("DATA", TAVO_SOURCE_DATA_DIR "/DATA", 1);
        nad_set_active_name("Deutschland");
    }
    void TearDown() override
    {
        Set_CurOb_Privat_Datapath(saved_private_.c_str());
        if (had_data_) setenv("DATA", saved_data_.c_str(), 1);
        else unsetenv("DATA");
        PrintTest::TearDown();
    }

    std::string saved_private_, saved_data_;
    bool had_data_ = false;
};

const char kLine[] = "Nicht bestätigte Werte";

} // namespace

TEST_F(UnconfirmedTest, ScrewPrintCarriesTheStatusAndRodsDoNot)
{
    use_screw_position();
    d.d_schraube = -1;
    std::string s = print();
    EXPECT_TRUE(has(s, "Nicht bestätigte Werte: Produktwerte der Vollgewindeschraube")) << s.substr(0, 3000);
    EXPECT_LT(s.find(kLine), s.find("Bitte beachten"));   // under the input data
    EXPECT_NE(unconfirmed_values_note(d).find("Produktwerte"), std::string::npos);

    reset_writers();
    use_rods();
    d.schub = 0;   // the fixture's solid softwood reads no k_cr of the set under the German rule anyway
    s = print();
    EXPECT_FALSE(has(s, kLine));
    EXPECT_EQ(unconfirmed_values_note(d), "");
}

// The shipped "Deutschland" set lists gamma_M2 for accidental situations as not verified: rods
// with an earthquake load read it, the same rods under a short load do not.
TEST_F(UnconfirmedTest, AnnexValueOnlyWhereTheDesignReadsIt)
{
    use_rods();
    d.lasten[0] = load(10, 5, 1.1, 7);
    EXPECT_TRUE(has(print(), u8"Nicht bestätigte Werte: Parametersatz \"Deutschland\": └╬\\M2╬r außergewöhnlich"));
    EXPECT_EQ(unconfirmed_values_note(d), u8"Nicht bestätigte Werte: Parametersatz \"Deutschland\": γ_M2 außergewöhnlich");

    d.lasten[0] = load(10, 5, 0.9, 3);
    EXPECT_EQ(unconfirmed_values_note(d), "");
    // hardwood reads the set's first k_cr under the German rule; a class "kurz/sehr kurz" load its note (b)
    d.holzart = 1;
    d.lasten[0] = load(10, 5, 0.9, 5);
    EXPECT_EQ(unconfirmed_values_note(d), u8"Nicht bestätigte Werte: Parametersatz \"Deutschland\": "
                                          u8"k_mod der Klasse kurz/sehr kurz, k_cr");
    // a user set carries no list
    nad_set_active_name("Mein Satz");
    EXPECT_EQ(unconfirmed_values_note(d), "");
}
