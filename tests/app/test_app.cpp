// The program as the environment starts it: arguments it refuses and their exit codes.
#include "common/test_util.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <filesystem>
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

RunResult run(const QStringList& args, const QString& cwd)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
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

    RunResult path_like = run({QStringLiteral("../x"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")}, cwd);
    EXPECT_EQ(path_like.exit_code, 2);
    EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}
