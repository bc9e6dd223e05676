// How the recycle-bin panel's figures come in on a trash of 100 000 files.
// Measures, on a throw-away trash in a temporary folder:
//  - the time from asking for the figures until they arrive (the panel can show them);
//  - the longest time the UI thread's event loop did not run meanwhile (a 1 ms timer
//    notes the gaps between its ticks), which is what the user feels as a frozen window;
//  - for comparison, the same reading done on the UI thread, as one blocking call;
//  - emptying the whole trash, with the same two figures.
// Usage: bench_trash_read [items=100000] [runs=5]
#include "platform/trash/linux_trash.h"
#include "platform/trash/trash_folder.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ready_ms;
    double longest_gap_ms;
};

// Runs the event loop until `done` becomes true, noting the longest gap between 1 ms ticks.
template <typename Start>
Run measure(platform::LinuxTrash& trash, Start start, bool& done)
{
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    done = false;
    clock.start();
    tick.start(1);
    start();
    const qint64 after_call = clock.nsecsElapsed(); // the call itself blocks the UI too
    longest = std::max(longest, after_call);
    last = after_call;
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ready = clock.nsecsElapsed() / 1e6;
    longest = std::max(longest, clock.nsecsElapsed() - last);
    return {ready, longest / 1e6};
}

void make_trash(const QString& dir, int items)
{
    QDir().mkpath(dir + "/files");
    QDir().mkpath(dir + "/info");
    const QByteArray body(100, 'x');
    for (int i = 0; i < items; ++i) {
        const QString name = QStringLiteral("item %1.txt").arg(i);
        QFile file(dir + "/files/" + name);
        file.open(QIODevice::WriteOnly);
        file.write(body.left(i % 100 + 1));
        QFile info(dir + "/info/" + name + ".trashinfo");
        info.open(QIODevice::WriteOnly);
        info.write("[Trash Info]\nPath=/home/u/" + QUrl::toPercentEncoding(name) + "\nDeletionDate=2026-12-08T10:00:00\n");
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int items = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    QTemporaryDir root;
    const QString dir = root.filePath("Trash");
    QElapsedTimer build;
    build.start();
    make_trash(dir, items);
    std::printf("trash of %d files made in %.0f ms\n", items, build.elapsed() * 1.0);

    platform::LinuxTrash trash([&] { return QStringList{dir}; });
    bool done = false;
    quint64 count = 0, size = 0;
    QObject::connect(&trash, &platform::Trash::figures_read, [&](bool, quint64 s, quint64 c) {
        size = s;
        count = c;
        done = true;
    });
    std::vector<double> ready, gaps, inline_ms;
    for (int r = 0; r < runs; ++r) {
        const Run run = measure(trash, [&] { trash.query(); }, done);
        ready.push_back(run.ready_ms);
        gaps.push_back(run.longest_gap_ms);
        QElapsedTimer blocking;
        blocking.start();
        std::atomic<bool> stop{false};
        platform::trash_folder::measure(dir, stop);
        inline_ms.push_back(blocking.nsecsElapsed() / 1e6);
    }
    std::printf("figures: %llu items, %llu bytes\n", static_cast<unsigned long long>(count),
                static_cast<unsigned long long>(size));
    std::printf("read off the UI thread: ready after %.1f ms median (%.1f-%.1f), longest UI gap %.2f ms median, "
                "%.2f ms worst, over %d runs\n",
                median(ready), *std::min_element(ready.begin(), ready.end()), *std::max_element(ready.begin(), ready.end()),
                median(gaps), *std::max_element(gaps.begin(), gaps.end()), runs);
    std::printf("the same read on the UI thread would block it for %.1f ms (median)\n", median(inline_ms));

    QObject::connect(&trash, &platform::Trash::emptied, [&](bool) { done = true; });
    const Run emptied = measure(trash, [&] { trash.empty(); }, done);
    std::printf("emptying: done after %.1f ms, longest UI gap %.2f ms\n", emptied.ready_ms, emptied.longest_gap_ms);
    return 0;
}
