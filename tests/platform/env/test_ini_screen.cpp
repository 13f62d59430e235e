// The screen of INI files before QSettings reads them: what QSettings itself writes passes
// unchanged, every serialised value but a well-formed colour or font is left out however the
// file hides it, and reading and editing a screened file keep the other keys.
#include "platform/env/ini_screen.h"
#include "common/test_util.h"
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QRect>
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString qpath(const std::string& p) { return QString::fromStdString(p); }

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }

} // namespace

// Everything the program and Qt write passes as it is, the colour and the (older) font objects
// included.
TEST(IniScreen, WhatQSettingsWritesPasses)
{
    testutil::ScratchDir dir;
    const QString path = qpath(dir.file("written.ini"));
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(QStringLiteral("colour"), QColor(1, 2, 3));
        s.setValue(QStringLiteral("transparent"), QColor(1, 2, 3, 0));
        s.setValue(QStringLiteral("font"), QFont(QStringLiteral("DejaVu Sans"), 11));
        s.setValue(QStringLiteral("nofamily"), QFont(QString(), 11));
        s.setValue(QStringLiteral("fonttext"), QFont(QStringLiteral("DejaVu Sans"), 11).toString());
        s.setValue(QStringLiteral("bytes"), QByteArray("\x00\x01\xff\"\\,;=", 9));
        s.setValue(QStringLiteral("list"), QStringList{QStringLiteral("a"), QStringLiteral("@b"), QString()});
        s.setValue(QStringLiteral("rect"), QRect(1, 2, 3, 4));
        s.setValue(QStringLiteral("sect/key"), QStringLiteral(" spaced, \"quoted\"; text "));
    }
    const QByteArray data = bytes(testutil::read_file(dir.file("written.ini")));
    int left_out = -1;
    EXPECT_EQ(screened_ini(data, &left_out), data);
    EXPECT_EQ(left_out, 0);
}

// Each damaged value is left out with its whole line, continuation lines and quotes included;
// the keys around it stay readable.
TEST(IniScreen, UnsafeValuesAreLeftOut)
{
    struct Case {
        const char* name;
        std::string value;
    };
    const Case cases[] = {
        {"string list with a huge count", "@Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)"},
        {"unknown type", "@Variant(\\0\\0\\0\\xa8x43\\x1\\x1\\0\\0)"},
        {"user type", "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x4QRect)"},
        {"colour too short", "@Variant(\\0\\0\\0\\x43\\x1)"},
        {"colour too long", "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0\\0)"},
        {"colour of no kind", "@Variant(\\0\\0\\0\\x43\\x9\\xff\\xff\\x1\\x1\\x2\\x2\\x3\\x3\\0\\0)"},
        {"font family longer than its bytes", "@Variant(\\0\\0\\0@\\x7f\\xff\\xff\\xfe\\0\\x41)"},
        {"date", "@DateTime(\\0\\0\\0\\x10\\0\\x1)"},
        {"octal and hex escapes", "\\x40V\\141riant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)"},
        {"second item of a list", "a, @Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff), c"},
        {"quoted over a line end", "\"x\ny\", \"@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\""},
        {"continued line", "@Variant(\\0\\0\\0\\\n\\t\\xff\\xff\\xff\\xff)"},
        {"trailing blanks chopped", "@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)   "},
        {"sixteen-bit escape", "@Variant(\\0\\0\\0\\x1000b\\xff\\xff\\xff\\xff)"},
    };
    testutil::ScratchDir dir;
    for (const Case& c : cases) {
        const std::string ini = "[General]\nbefore=1\nbad=" + c.value + "\nafter=2\n[s]\nbad=" + c.value + "\nx=3\n";
        int left_out = 0;
        const QByteArray screened = screened_ini(bytes(ini), &left_out);
        EXPECT_EQ(left_out, 2) << c.name;
        const std::string file = dir.file("case.ini");
        ASSERT_TRUE(testutil::write_file(file, screened.toStdString()));
        QSettings s(qpath(file), QSettings::IniFormat);
        EXPECT_EQ(s.value(QStringLiteral("before")).toString(), QStringLiteral("1")) << c.name;
        EXPECT_EQ(s.value(QStringLiteral("after")).toString(), QStringLiteral("2")) << c.name;
        EXPECT_EQ(s.value(QStringLiteral("s/x")).toString(), QStringLiteral("3")) << c.name;
        EXPECT_FALSE(s.contains(QStringLiteral("bad"))) << c.name;
        EXPECT_FALSE(s.contains(QStringLiteral("s/bad"))) << c.name;
        EXPECT_EQ(screened_ini(screened), screened) << c.name;
    }
    // A file read as UTF-8 (it opens with the byte order mark) hides nothing either.
    const std::string utf8 = "\xef\xbb\xbf[General]\nbad=\xef\xbb\xbf@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\nok=1\n";
    int left_out = 0;
    screened_ini(bytes(utf8), &left_out);
    EXPECT_EQ(left_out, 1);
    // Text that merely mentions a marker stays a string.
    const QByteArray text = "[General]\na=@Variant(\nb=@@Variant(x)\nc=say @Variant(x)\n";
    EXPECT_EQ(screened_ini(text), text);
}

TEST(IniScreen, ReadAndEditGoThroughTheScreen)
{
    testutil::ScratchDir dir;
    const std::string file = dir.file("user.ini");
    ASSERT_TRUE(testutil::write_file(file, "[General]\nkeep=old\nbad=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)\n"));
    QString keep;
    bool has_bad = true;
    EXPECT_TRUE(read_settings_file(qpath(file), [&](QSettings& s) {
        keep = s.value(QStringLiteral("keep")).toString();
        has_bad = s.contains(QStringLiteral("bad"));
    }));
    EXPECT_EQ(keep, QStringLiteral("old"));
    EXPECT_FALSE(has_bad);

    EXPECT_TRUE(edit_settings_file(qpath(file), [](QSettings& s) { s.setValue(QStringLiteral("new"), 5); }));
    const std::string saved = testutil::read_file(file);
    EXPECT_NE(saved.find("keep=old"), std::string::npos);
    EXPECT_NE(saved.find("new=5"), std::string::npos);
    EXPECT_EQ(saved.find("bad="), std::string::npos);

    // A folder in place of the file cannot be replaced.
    EXPECT_FALSE(edit_settings_file(qpath(dir.path()), [](QSettings& s) { s.setValue(QStringLiteral("k"), 1); }));
    // A missing file reads as an empty one.
    EXPECT_TRUE(read_settings_file(qpath(dir.file("none.ini")), [](QSettings& s) { EXPECT_TRUE(s.allKeys().isEmpty()); }));
}
