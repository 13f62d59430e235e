#include "helpers/messages.h"
#include "output/oli_hints.h"
#include "output/oli_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(MessageHints, CurrentListBecomesHintListFour)
{
    for (int i = 0; i < 10; ++i) msg_list_close(i);
    msg_enable();
    ASSERT_EQ(msg_list_open(), 0);
    msg_to_list("Wert 100%% erreicht");
    msg_to_list("zweite Zeile");
    FILE* f = std::tmpfile();
    msg_set_hint_writer(nullptr);
    msg_list_to_hints(f);   // no output list begun: nothing to write it
    EXPECT_EQ(std::ftell(f), 0L);
    oli_writer_init(3, 2, 1);
    msg_list_to_hints(f);
    EXPECT_EQ(oli_hint_count(4), 2);
    std::rewind(f);
    std::string out;
    for (int c; (c = std::fgetc(f)) != EOF;) out.push_back((char)c);
    std::fclose(f);
    // Bold code before each line, the newline cut, a '%' in the text kept as it is.
    EXPECT_NE(out.find("\xCE" "bWert 100% erreicht\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\xCE" "bzweite Zeile\n"), std::string::npos) << out;
    EXPECT_NE(out.find("#SHOWGRAFIC"), std::string::npos);   // inside its frame
    msg_list_close(0);
    msg_set_mode(MSG_MODE_WINDOW);
}
