#include "platform/desktop/detached_process_starter.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <sys/wait.h>

using namespace platform;

namespace {

// The helper copied into a program folder with blanks in its path and its name.
struct ProgramFolder {
    QTemporaryDir root;
    QString folder = root.filePath("program folder") + "/";
    QString name = QStringLiteral("my helper");
    QString out = root.filePath("log.txt");

    ProgramFolder()
    {
        QDir().mkpath(folder);
        QFile::copy(QStringLiteral(STARTER_HELPER_PATH), folder + name);
        QFile::copy(QStringLiteral(STARTER_HELPER_PATH), folder + "second");
        qputenv("STARTER_HELPER_OUT", QFile::encodeName(out));
    }
    QByteArray log() const
    {
        QFile f(out);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Alive and not a zombie.
bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) != "Z";
}

bool no_children_left()
{
    errno = 0;
    return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

} // namespace

class ProcessStarterTest : public QObject {
    Q_OBJECT

private slots:
    void waits_while_the_window_answers();
    void waits_nest();
    void only_the_exact_file_in_the_folder();
    void started_program_outlives_the_starter();
    void started_program_outlives_the_game();
};

void ProcessStarterTest::waits_while_the_window_answers()
{
    ProgramFolder programs;
    qputenv("STARTER_HELPER_MS", "400");
    DetachedProcessStarter starter(programs.folder);
    QSignalSpy finished(&starter, &ProcessStarter::finished);
    int ticks = 0;
    QTimer ui;
    connect(&ui, &QTimer::timeout, [&] { ++ticks; });
    ui.start(10);

    const qint64 id = starter.start(programs.name);
    QVERIFY(id > 0);
    QCOMPARE(starter.running(), 1);
    QCOMPARE(finished.size(), 0);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(0).at(0).toLongLong(), id);
    QCOMPARE(starter.running(), 0);
    QVERIFY2(ticks >= 10, "the event loop must run while the program does");
    QCOMPARE(programs.log(), "started " + QByteArray::number(id) + "\ndone\n");
    QVERIFY(no_children_left());
}

void ProcessStarterTest::waits_nest()
{
    ProgramFolder programs;
    DetachedProcessStarter starter(programs.folder);
    QSignalSpy finished(&starter, &ProcessStarter::finished);
    qputenv("STARTER_HELPER_MS", "600");
    const qint64 outer = starter.start(programs.name);
    qputenv("STARTER_HELPER_MS", "50");
    const qint64 inner = starter.start("second");
    QVERIFY(outer > 0 && inner > 0 && outer != inner);
    QCOMPARE(starter.running(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 10000);
    QCOMPARE(finished.at(0).at(0).toLongLong(), inner);
    QCOMPARE(finished.at(1).at(0).toLongLong(), outer);
}

void ProcessStarterTest::only_the_exact_file_in_the_folder()
{
    ProgramFolder programs;
    QFile text(programs.folder + "readme");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.close();
    DetachedProcessStarter starter(programs.folder);
    QSignalSpy finished(&starter, &ProcessStarter::finished);
    QCOMPARE(starter.start("sh"), 0);          // on PATH, not in the folder
    QCOMPARE(starter.start("my"), 0);          // no splitting at the blank
    QCOMPARE(starter.start("missing.exe"), 0);
    QCOMPARE(starter.start("readme"), 0);      // not a program
    QCOMPARE(starter.start(""), 0);
    QCOMPARE(starter.running(), 0);
    QTest::qWait(100);
    QCOMPARE(finished.size(), 0);
    QVERIFY(programs.log().isEmpty());
}

void ProcessStarterTest::started_program_outlives_the_starter()
{
    ProgramFolder programs;
    qputenv("STARTER_HELPER_MS", "700");
    qint64 pid = 0;
    {
        DetachedProcessStarter starter(programs.folder);
        pid = starter.start(programs.name);
        QVERIFY(pid > 0);
    }
    QVERIFY(running(pid));
    QTRY_VERIFY_WITH_TIMEOUT(programs.log().endsWith("done\n"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!running(pid), 5000); // reaped by the system, not left a zombie
    QVERIFY(no_children_left());
}

// A real second process plays the game: it starts the helper and quits at once.
void ProcessStarterTest::started_program_outlives_the_game()
{
    ProgramFolder programs;
    qputenv("STARTER_HELPER_MS", "700");
    QProcess game;
    game.start(QStringLiteral(STARTER_HELPER_PATH), {"host", programs.folder, programs.name});
    QVERIFY(game.waitForFinished(10000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
    const qint64 pid = game.readAllStandardOutput().trimmed().toLongLong();
    QVERIFY(pid > 0);
    QVERIFY2(running(pid), "closing the game must not end the program it started");
    QTRY_VERIFY_WITH_TIMEOUT(programs.log().endsWith("done\n"), 10000);
    QCOMPARE(programs.log(), "started " + QByteArray::number(pid) + "\ndone\n");
    QTRY_VERIFY_WITH_TIMEOUT(!running(pid), 5000);
}

QTEST_GUILESS_MAIN(ProcessStarterTest)
#include "process_starter_test.moc"
