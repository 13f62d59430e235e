#include "annex_fixture.h"
#include "fasteners/connection_messages.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConnectionMessages, WordingFollowsTheCurrentSet)
{
    {
        CurrentAnnex none(-1);
        EXPECT_STREQ(connection_message_text(14), "Seitenholz zu d\x81nn, Spaltgefahr gem. Gl. (218)");
        EXPECT_STREQ(connection_message_text(13), " ");
        EXPECT_STREQ(connection_message_text(24),
                     "Mindestholzdicke (24mm) des Mittenholz unterschritten, gem. DIN 1052, 7.2.3(1)");
        EXPECT_STREQ(connection_message_text(1000), " ");
        // codes only the DIN 1052 rules produce keep a text without a set
        EXPECT_STREQ(connection_message_text(1010), "Abminderung von Rax auf 70% gem\x84\xE1 DIN 1052, 12.8.3(3) ");
        EXPECT_STREQ(connection_message_text(154),
                     "gem\x84\xE1 DIN 1052, 12.8.1(9) muss zur Ermittlung von Rax die Einschlagtiefe f\x81r glattsch"
                     "\x84""ftige N\x84gel und Sondern\x84gel der Tragf\x84higkeitsklasse 1 mindestens 12d betragen ");
        EXPECT_STREQ(connection_equation_label(9), "Gl.(9)");
    }
    {
        CurrentAnnex country0(0);
        EXPECT_STREQ(connection_message_text(1000), " ");
        EXPECT_STREQ(connection_message_text(14), "Seitenholz zu d\x81nn, Spaltgefahr gem. Gl. (8.18)");
    }
    CurrentAnnex annex(1);
    EXPECT_STREQ(connection_message_text(13), "Holz zu d\x81nn, Spaltgefahr gem. Gl. (8.18)");
    EXPECT_STREQ(connection_message_text(24), " ");
    EXPECT_EQ(std::string(connection_message_text(1000)).substr(0, 8), "gem\x84\xE1 Zu");
    EXPECT_STREQ(connection_message_text(1015), "Rax zu Null gesetzt, da der Einschraubwinkel < 30 (ETA-11/0190, A.1.3.1)");
    EXPECT_STREQ(connection_message_text(57),
                 "gem\x84\xE1 ETA-11/0190, 4.2 d\x81rfen Schrauben \x8C \xF2 8 mm nur in die Holzarten Fichte, "
                 "Tanne oder Kiefer eingeschraubt werden");
    EXPECT_STREQ(connection_equation_label(9), "Gl.(j)");
    EXPECT_STREQ(connection_equation_label(11), "Gl.(b)");
    EXPECT_STREQ(connection_equation_label(18), "Gl.(i)");
    EXPECT_STREQ(connection_equation_label(30), "Alu-Lochleibungsspannung");
}

TEST(ConnectionMessages, NullBlankAndSharedBuffer)
{
    CurrentAnnex annex(1);
    EXPECT_EQ(connection_message_text(0), nullptr);
    for (int code : {5, 84, 88, 133, -1, 500, 1020}) EXPECT_STREQ(connection_message_text(code), " ") << code;
    const char* a = connection_message_text(4);
    const char* b = connection_message_text(7);
    EXPECT_EQ(a, b);
    EXPECT_STREQ(a, "Verbindungsmittel ist zu kurz f\x81r zweischnittige Verbindung");
    EXPECT_STREQ(connection_message_hint(6),
                 "Das Verbindungsmittel ist zu kurz und dringt nicht tief genug in das Seitenholz ein. "
                 "W\x84hlen Sie ein l\x84ngeres Verbindungsmittel ");
    EXPECT_STREQ(connection_message_hint(90), "Seitenholz zu kurz");   // same as the message
    EXPECT_STREQ(connection_message_hint(4), " ");
    EXPECT_STREQ(connection_method_name(0, 1), "Vereinfachter Nachweis nach NAD 8.2.1");
    EXPECT_STREQ(connection_method_name(2, 0), "Bemessungswerte-Verfahren");
    EXPECT_STREQ(connection_method_name(3, 0), "");
}
