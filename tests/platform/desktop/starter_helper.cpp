// A small program for the process starter's tests.
// Without arguments (as the starter runs it): notes its pid in $STARTER_HELPER_OUT, sleeps
// $STARTER_HELPER_MS milliseconds, then writes "done".
// "host <folder> <file>": a stand-in for the game: starts <file> through the starter, prints
// its pid and quits at once.
#include "platform/desktop/detached_process_starter.h"
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

static void note(const QByteArray& line)
{
    QFile out(qEnvironmentVariable("STARTER_HELPER_OUT"));
    if (out.open(QIODevice::Append))
        out.write(line + '\n');
}

int main(int argc, char** argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "host") {
        QCoreApplication app(argc, argv);
        platform::DetachedProcessStarter starter(QString::fromLocal8Bit(argv[2]));
        const qint64 pid = starter.start(QString::fromLocal8Bit(argv[3]));
        std::printf("%lld\n", static_cast<long long>(pid));
        return pid > 0 ? 0 : 3;
    }
    if (argc != 1)
        return 2; // the starter passes no arguments
    note("started " + QByteArray::number(getpid()));
    usleep(useconds_t(qEnvironmentVariableIntValue("STARTER_HELPER_MS")) * 1000);
    note("done");
    return 0;
}
