#include "screen_fixture.h"

#include <cmath>
#include <cstring>
#include <vector>

// Each primitive drawn alone on a white screen gives exactly these pixels (cell metrics).
TEST_F(ScreenTest, PrimitivesPaintExactPixels)
{
    using Pixels = std::set<std::pair<int, int>>;
    struct Case {
        const char* name;
        void (*draw)();
        Pixels expected;
    };
    const Case cases[] = {
        {"horizontal line, both ends", [] { pxLine(10, 5, 13, 5); }, {{10, 5}, {11, 5}, {12, 5}, {13, 5}}},
        {"diagonal line backwards", [] { pxLine(13, 8, 10, 5); }, {{10, 5}, {11, 6}, {12, 7}, {13, 8}}},
        {"dotted user pattern", [] { pxSULn(0xAAAAAAAAu); pxLine(10, 5, 15, 5); pxSLn(0); },
         {{10, 5}, {12, 5}, {14, 5}}},
        {"filled rectangle, corners included", [] { pxRect(12, 6, 10, 5); },
         {{10, 5}, {11, 5}, {12, 5}, {10, 6}, {11, 6}, {12, 6}}},
        {"thick line of 3", [] { pxTkLn(10, 5, 12, 5, 3); },
         {{10, 4}, {11, 4}, {12, 4}, {10, 5}, {11, 5}, {12, 5}, {10, 6}, {11, 6}, {12, 6}}},
        {"dot", [] { pxDot(11, 6); }, {{11, 6}}},
    };
    for (const Case& c : cases) {
        screen_reset();
        c.draw();
        EXPECT_EQ(inked(0, 0, 40, 40), c.expected) << c.name;
    }
}

TEST_F(ScreenTest, PolygonFillsItsCornerPixelsInTheUserPattern)
{
    pxRect(0, 0, 0, 0);   // keep the origin inked so the pattern's alignment is visible
    screen_reset();
    const int xs[4] = {32, 47, 47, 32}, ys[4] = {32, 32, 47, 47};
    pxFill(4, xs, ys);   // solid: the 16 x 16 square with its corners
    EXPECT_EQ(inked(0, 0, 60, 60).size(), 256u);
    EXPECT_EQ(bounds(0, 0, 60, 60), (Box{32, 32, 47, 47}));

    screen_reset();
    int dots[16];
    for (int i = 0; i < 16; ++i) dots[i] = i % 2 ? 0 : 0x5555;   // every second pixel of every second row
    pxSUFA(dots);
    pxFill(4, xs, ys);
    EXPECT_EQ(inked(0, 0, 60, 60).size(), 64u);
    EXPECT_NE(screen_pixel(33, 32), 0xFFFFFFu);
    EXPECT_EQ(screen_pixel(32, 32), 0xFFFFFFu);
    EXPECT_EQ(screen_pixel(33, 33), 0xFFFFFFu);
    pxSFA(0);
}

TEST_F(ScreenTest, ColoursAreTheirExactRgb)
{
    EXPECT_EQ(Nearest_RGB_Color(0, 0, 255), 0xFF0000);   // packed r | g << 8 | b << 16
    EXPECT_EQ(Nearest_Color_Index(300, -5, 128), Nearest_RGB_Color(255, 0, 128));
    int r, g, b;
    pxQCR(Nearest_RGB_Color(1, 2, 3), &r, &g, &b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 10203);
    pxFgc(Nearest_RGB_Color(0, 0, 255));
    pxDot(3, 3);
    EXPECT_EQ(screen_pixel(3, 3), 0x0000FFu);   // blue on the screen
    pxFgc(SCREEN_NO_COLOUR);
    pxRect(5, 5, 9, 9);
    EXPECT_TRUE(inked(5, 5, 9, 9).empty());
    EXPECT_EQ(GetVYKColor(-1), Nearest_RGB_Color(0xD4, 0xD0, 0xC8));
}

// Text boxes in cell metrics: every character a 7 + 1 pixel cell, 13 high, baseline 10.
TEST_F(ScreenTest, TextsAndTurnedTextBoxes)
{
    int xs[4], ys[4];
    pxQTxX("abc", 3, 100, 50, xs, ys);
    EXPECT_EQ(xs[1] - xs[0], 24);
    EXPECT_EQ(ys[0], 40);
    EXPECT_EQ(ys[3], 52);

    pxText(100, 50, "A", 1);   // the glyph lies in its cell above the baseline
    Box t = bounds(90, 30, 130, 70);
    EXPECT_GE(t.x1, 100);
    EXPECT_LE(t.x2, 106);
    EXPECT_GE(t.y1, 40);
    EXPECT_LE(t.y2, 49);

    // Centred in a box: the two cells (16 x 13) lie at 212..227 around the middle 220, each glyph
    // in columns 1 to 5 of its cell; vertically the cells lie at 114..126.
    screen_reset();
    pxBTxt(200, 100, 240, 140, "AA", 2, 210);
    EXPECT_EQ(bounds(190, 90, 250, 150), (Box{213, 117, 225, 123}));

    // Turned by 90 degrees, left and top aligned: the text reads upwards, its first character at
    // the bottom, in a box 13 wide and 16 high.
    screen_reset();
    pxBTxt(300, 100, 300, 100, "A ", 2, 201 + 256);
    Box u = bounds(290, 90, 340, 140);
    EXPECT_GE(u.x1, 300);
    EXPECT_LE(u.x2, 312);
    EXPECT_GE(u.y1, 108);   // the blank's cell is on top
    EXPECT_LE(u.y2, 115);
    screen_reset();
    pxBTxt(300, 100, 300, 100, "A ", 2, 201 + 1024);   // 270: first character on top
    Box d = bounds(290, 90, 340, 140);
    EXPECT_LE(d.y2, 107);
}

TEST_F(ScreenTest, ExclusiveOrFiguresDrawnTwiceLeaveTheScreenAsItWas)
{
    pxFgc(Nearest_RGB_Color(30, 160, 90));
    pxRect(0, 0, 200, 200);
    pxFgc(BLACK_CI);
    pxText(20, 40, "Hintergrund", 11);
    const QImage before = grab();

    pxSBop(3);
    pxFgc(100);
    const int xs[5] = {10, 90, 120, 40, 5}, ys[5] = {10, 15, 90, 120, 60};
    for (int twice = 0; twice < 2; ++twice) {
        pxLine(3, 7, 150, 91);
        pxTkLn(10, 150, 180, 20, 5);
        pxRect(30, 30, 80, 60);
        pxFill(5, xs, ys);
        pxDot(99, 99);
        pxBTxt(50, 50, 150, 150, "XOR", 3, 210 + 256);
        pxSULn(0xF0F0F0F0u);
        pxLine(0, 199, 199, 0);
        pxSLn(0);
    }
    EXPECT_EQ(pxSBop(0), 3);
    EXPECT_TRUE(grab() == before);
}

TEST_F(ScreenTest, SavedRectanglesComeBackAlsoOffTheScreen)
{
    pxFgc(Nearest_RGB_Color(200, 0, 0));
    pxRect(1200, 1000, 1279, 1023);
    const QImage before = grab();

    Save_Screen_Rectangle(1250, 1010, 1300, 1040);   // reaches beyond the screen's corner
    Save_Screen_Rectangle(10, 10, 20, 20);
    pxFgc(BLACK_CI);
    pxRect(0, 0, 1279, 1023);
    Restore_Screen_Rectangle(10, 10, 20, 20);
    Restore_Screen_Rectangle(1250, 1010, 1300, 1040);
    EXPECT_EQ(grab().copy(1250, 1010, 30, 14), before.copy(1250, 1010, 30, 14));
    EXPECT_EQ(grab().copy(10, 10, 11, 11), before.copy(10, 10, 11, 11));

    // The caller's buffer is sized by pxQSvR, whatever the rectangle.
    std::vector<unsigned char> buf(pxQSvR(1270, 1020, 1290, 1030));
    EXPECT_EQ(buf.size(), 21u * 11u * 4u);
    pxSvRc(1270, 1020, 1290, 1030, buf.data());
    pxRect(0, 0, 1279, 1023);
    pxStRc(1270, 1020, 1290, 1030, buf.data());
    EXPECT_EQ(screen_pixel(1275, 1022), 0xC80000u);
}

TEST_F(ScreenTest, MissingPictureDrawsAFramedPlaceholder)
{
    pxDrawTransparentDIB("keinbild.bmp", 10, 10, 109, 49, 201, -1, 192, 192, 192);
    EXPECT_EQ(bounds(0, 0, 200, 100), (Box{10, 10, 109, 49}));
    char path[8];
    EXPECT_EQ(screen_find_picture("keinbild.bmp", path, sizeof path), 0);
    EXPECT_STREQ(path, "");
}

TEST_F(ScreenTest, PictureWithTransparentColourAndSourcePart)
{
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(qRgb(192, 192, 192));
    img.setPixel(2, 0, qRgb(0, 0, 255));
    img.setPixel(3, 1, qRgb(255, 0, 0));
    const QString file = QString::fromLocal8Bit(::testing::TempDir().c_str()) + "/strip.bmp";
    ASSERT_TRUE(img.save(file, "BMP"));
    const QByteArray f = file.toLocal8Bit();
    // The right half of the strip, stretched to 4 x 4: grey is left out.
    pxDrawPartialTransparentDIB(f.constData(), 2, 0, 3, 1, 50, 50, 53, 53, 201, -1, 192, 192, 192);
    EXPECT_EQ(screen_pixel(50, 50), 0x0000FFu);
    EXPECT_EQ(screen_pixel(53, 53), 0xFF0000u);
    EXPECT_EQ(screen_pixel(53, 50), 0xFFFFFFu);
    EXPECT_EQ(inked(40, 40, 60, 60).size(), 8u);
}

// Graphic text in cell metrics: a character is 0.6 of the height wide times the width factor,
// with the spacing (a part of the height) between characters.
TEST_F(ScreenTest, GraphicTextWidthAndOrientation)
{
    pxChH(10);
    pxExpF(1);
    pxSpac(0.1);
    EXPECT_DOUBLE_EQ(pxQGTX("ABC", 3), 3 * 6.0 + 2 * 1.0);
    pxExpF(0.5);
    EXPECT_DOUBLE_EQ(pxQGTX("ABC", 3), 3 * 3.0 + 2 * 1.0);

    pxExpF(1);
    pxOrnt(0, 0);
    pxGBTt(200, 200, "ABCDE", 5, 201);   // left, top: runs to the right of the anchor
    Box flat = bounds(150, 150, 260, 260);
    EXPECT_GT(flat.x2 - flat.x1, 3 * (flat.y2 - flat.y1));
    EXPECT_GE(flat.x1, 200);
    EXPECT_GE(flat.y1, 200);

    screen_reset();
    pxChH(10);
    pxSpac(0.1);
    pxOrnt(M_PI / 2, 0);                 // a quarter turn counter-clockwise: runs upwards
    pxGBTt(200, 200, "ABCDE", 5, 201);
    Box up = bounds(150, 130, 260, 260);
    EXPECT_GT(up.y2 - up.y1, 3 * (up.x2 - up.x1));
    EXPECT_LE(up.y2, 200);
    pxOrnt(0, 0);
}
