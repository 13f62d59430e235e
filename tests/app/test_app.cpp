// The program as the environment starts it: arguments it refuses and their exit codes.
#include "common/test_util.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../../src/app/tavo52");
}

struct RunResult {
    int exit_code = -1;
    QString out, err;
};

RunResult run(const QStringList& args, const QString& cwd, const QProcessEnvironment& extra = QProcessEnvironment())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : extra.keys()) env.insert(key, extra.value(key));
    env.insert(QStringLiteral("_VYK_CWD_"), cwd);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program(), args);
    RunResult r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exit_code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

TEST(Program, RefusedStartsEndWithExitCodeTwoAndTouchNothing)
{
    ASSERT_TRUE(QFileInfo(program()).isExecutable()) << "build the program first: " << program().toStdString();
    testutil::ScratchDir work;
    const QString cwd = QString::fromStdString(work.path());

    RunResult usage = run({QStringLiteral("T1"), QStringLiteral("0"), QStringLiteral("7")}, cwd);
    EXPECT_EQ(usage.exit_code, 2);
    EXPECT_TRUE(usage.out.endsWith(QStringLiteral("tavo52 Bauteilkennung Icon-Id File-Id Pos-Id\n"))) << usage.out.toStdString();
    EXPECT_TRUE(usage.out.startsWith(QStringLiteral("usage: ")));

    RunResult too_long = run({QStringLiteral("ABCDEFGHIJKLMNOP"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")}, cwd);
    EXPECT_EQ(too_long.exit_code, 2);
    EXPECT_TRUE(too_long.err.contains(QStringLiteral("ABCDEFGHIJKLMNOP"))) << too_long.err.toStdString();

    RunResult hex_id = run({QStringLiteral("T1"), QStringLiteral("0"), QStringLiteral("0x10"), QStringLiteral("0")}, cwd);
    EXPECT_EQ(hex_id.exit_code, 2);
    EXPECT_TRUE(hex_id.out.startsWith(QStringLiteral("usage: "))) << hex_id.out.toStdString();
    EXPECT_TRUE(hex_id.err.contains(QStringLiteral("File-Id \"0x10\""))) << hex_id.err.toStdString();

    RunResult path_like = run({QStringLiteral("../x"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")}, cwd);
    EXPECT_EQ(path_like.exit_code, 2);
    EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

// Pipes and a device in place of the position's files: the program starts, names them and ends
// instead of waiting for a writer or reading without end.
TEST(Program, StartsWithPipesAndDevicesInPlaceOfItsFiles)
{
    testutil::ScratchDir work;
    for (const char* name : {"T1_07.inp", "T1_07.txt", "T1_07.nad"})
        ASSERT_EQ(::mkfifo(work.file(name).c_str(), 0600), 0) << name;
    ASSERT_EQ(::symlink("/dev/zero", work.file("T1_07.ini").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/zero", work.file("tavo52_fonts").c_str()), 0);
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("TAVO52_QUIT_AT_FIRST_TURN"), QStringLiteral("1"));
    // Qt's offscreen platform leaves its screen objects behind at exit; in a sanitized build the
    // leak check would end the whole program on them. Our own allocations are checked in-process.
    const QString asan = QString::fromLocal8Bit(qgetenv("ASAN_OPTIONS"));
    extra.insert(QStringLiteral("ASAN_OPTIONS"), asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
    extra.insert(QStringLiteral("DRAM"), QString::fromStdString(work.path()));
    const RunResult r = run({QStringLiteral("T1"), QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("0")},
                            QString::fromStdString(work.path()), extra);
    EXPECT_EQ(r.exit_code, 1) << "the normal end, not a hang (-1)\n" << r.err.toStdString();
    // The header is read before a message can be shown: standard error names it at once (the
    // window's box follows once it exists).
    EXPECT_TRUE(r.err.contains(QString::fromUtf8("T1_07.txt\nist keine Datei (eine Pipe)"))) << r.err.toStdString();
}
