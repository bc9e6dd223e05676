// How long the update-history window takes to show its file, and the memory it takes.
// Usage: bench_history_open <kind> [megabytes=1]
//   kind: lines (80-character CP932 lines), oneline (no line break at all)
// Writes "更新履歴mpkx.txt" of that size into a temporary folder, opens the window (offscreen
// or on the display given), calls readfile and prints the time it took and the peak resident
// memory (VmHWM) of the process.
#include "game/dialogs/history_file.h"
#include "game/dialogs/history_window.h"
#include "platform/ui/prompt.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {

long peak_kib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// No box is shown: the bench only notes that one was asked for.
struct SilentPrompt final : platform::Prompt {
    int asked = 0;
    int ask(const QString&, const QString&, Buttons, Icon) override { return ++asked, kOk; }
    std::optional<QString> input(const QString&, const QString&, const QString&, Placement) override { return {}; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool one_line = argc > 1 && std::strcmp(argv[1], "oneline") == 0;
    const qint64 size = qint64((argc > 2 ? std::atof(argv[2]) : 1.0) * 1024 * 1024);

    QTemporaryDir dir;
    {
        QFile file(dir.filePath(history_file::kFileName));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        const QByteArray line = one_line ? QByteArray(1 << 16, 'a') : QByteArray(78, 'a') + "\r\n";
        for (qint64 written = 0; written < size; written += line.size())
            file.write(line.left(int(std::min<qint64>(line.size(), size - written))));
    }
    const long before = peak_kib();
    SilentPrompt prompt;
    HistoryWindow window(dir.path() + QLatin1Char('/'), prompt);
    window.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.readfile();
    QApplication::processEvents(); // laid out and painted
    const double ms = clock.nsecsElapsed() / 1e6;
    std::printf("%s %.3f MiB: %.0f ms, peak %ld KiB (before reading %ld KiB), shown %lld characters\n",
                one_line ? "one line" : "lines", size / 1048576.0, ms, peak_kib(), before,
                qlonglong(window.his_text()->toPlainText().size()));
    return 0;
}
