#include "home_page_launcher.h"
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

// A folder to be PATH, optionally holding an xdg-open that appends its arguments to `record`.
struct FakeDesktop {
    QTemporaryDir dir;
    QString record;

    void add_xdg_open(bool executable)
    {
        record = dir.filePath(QStringLiteral("opened.txt"));
        QFile script(dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '%1'\n").arg(record).toUtf8());
        script.close();
        QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            p |= QFile::ExeOwner;
        script.setPermissions(p);
    }

    // Runs the built launcher with only this folder on PATH; returns its exit code.
    int run_launcher()
    {
        QProcess proc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), dir.path());
        proc.setProcessEnvironment(env);
        proc.start(qEnvironmentVariable("SUITE_DIR") + QStringLiteral("/zorvik_home"), {});
        EXPECT_TRUE(proc.waitForFinished(10000));
        EXPECT_EQ(proc.exitStatus(), QProcess::NormalExit);
        return proc.exitCode();
    }

    // The recorded requests, once `expected` have come in (the opener runs detached).
    QStringList recorded(int expected)
    {
        QStringList lines;
        const QDeadlineTimer deadline(10000);
        do {
            QFile f(record);
            if (f.open(QIODevice::ReadOnly))
                lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (lines.size() >= expected)
                break;
            QThread::msleep(20);
        } while (!deadline.hasExpired());
        return lines;
    }
};

} // namespace

TEST(HomePageLauncherProgram, OpensThePageEachTimeItStarts)
{
    FakeDesktop desktop;
    desktop.add_xdg_open(true);
    EXPECT_EQ(desktop.run_launcher(), 2);
    EXPECT_EQ(desktop.run_launcher(), 2);
    const QStringList lines = desktop.recorded(2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString::fromLatin1(HomePageLauncher::kAddress));
    EXPECT_EQ(lines[1], QString::fromLatin1(HomePageLauncher::kAddress));
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("https://")));
}

TEST(HomePageLauncherProgram, NoOpenerMeansExitZeroAndNothingOpened)
{
    FakeDesktop empty;
    EXPECT_EQ(empty.run_launcher(), 0);

    FakeDesktop not_runnable;
    not_runnable.add_xdg_open(false);
    EXPECT_EQ(not_runnable.run_launcher(), 0);
    QThread::msleep(200);
    EXPECT_FALSE(QFile::exists(not_runnable.record));
}
