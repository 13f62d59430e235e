// Picture records and the picture information of the conversion tool.
#include "oli_capture.h"
#include "common/test_util.h"
#include "output/oli_picture.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

TEST(Picture, RecordAndInformationRoundTrip)
{
    Capture out;
    OliPictureOptions o{0x31, 7, {1, 2}, {3, 4}};
    EXPECT_EQ(oli_text_picture_record(out.f, 5, 2.5, "/x/bild.png", &o), 0);
    EXPECT_EQ(out.text(), "75 49 5 2.5 7 1 2 \xAE/x/bild.png\xAF\n");

    Capture info;
    OliPictureInfo in;
    oli_picture_info_defaults(&in);
    std::strcpy(in.name, "bild");
    in.width_px = 640;
    in.height_px = 480;
    in.width_cm = 4.5;
    EXPECT_EQ(oli_picture_info_write(info.f, &in), 0);
    EXPECT_EQ(info.text(), "OLI_GRAPHIC_Picture_Info\n\xAE" "bild\xAF\n640 480\n300\n4.5000 0.0000\n");
    std::rewind(info.f);
    OliPictureInfo back;
    EXPECT_EQ(oli_picture_info_read(info.f, &back), 1);
    EXPECT_STREQ(back.name, "bild");
    EXPECT_EQ(back.height_px, 480);
    Capture junk;
    std::fputs("etwas anderes\n", junk.f);
    std::rewind(junk.f);
    EXPECT_EQ(oli_picture_info_read(junk.f, &back), 0);
    EXPECT_STREQ(back.name, "???");
}

TEST(Picture, SizeQueryRunsTheConversionTool)
{
    testutil::ScratchDir exec, temp;
    std::string tool = exec.file("mepsil");
    ASSERT_TRUE(testutil::write_file(tool, "#!/bin/sh\nprintf 'OLI_GRAPHIC_Picture_Info\\n\\256p\\257\\n10 20\\n96\\n1.0 2.0\\n' > \"$2\"\n"));
    chmod(tool.c_str(), 0755);
    setenv("EXEC", exec.path().c_str(), 1);
    setenv("TEMP", temp.path().c_str(), 1);
    OliPictureInfo info;
    EXPECT_EQ(oli_picture_size_query("/x/bild.png", &info), 1);
    EXPECT_EQ(info.dpi, 96);
    EXPECT_EQ(info.width_cm, 1.0);
    unsetenv("EXEC");
    EXPECT_EQ(oli_picture_size_query("/x/bild.png", &info), 0);
    unsetenv("TEMP");
}
