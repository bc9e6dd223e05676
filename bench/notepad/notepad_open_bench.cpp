// Opening a 32000-byte CP932 diary into the text area, as the Open dialog does.
#include "MF.h"
#include "TextFileRules.h"
#include "platform/fakes/scripted_file_dialogs.h"
#include "platform/fakes/scripted_prompt.h"
#include "platform/text_codec.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray diary_bytes()
{
    const QString line = QString::fromUtf8("きょうはミポと海へ行きました。波がざぶーん、アザラシがぷかぷか。～楽しかった！");
    QByteArray out;
    int day = 1;
    while (out.size() < 32000) {
        out += platform::encode_cp932(QString::number(day++) + QString::fromUtf8("日目 ") + line) + "\r\n";
    }
    return out.left(32000);
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("diary.txt");
    platform::ScriptedPrompt prompt;
    platform::ScriptedFileDialogs dialogs;
    MF window{prompt, dialogs, dir.path() + "/", [] {}};
    Fixture()
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(diary_bytes());
    }
};

Fixture* fixture = nullptr;

void BM_OpenDiaryIntoTextArea(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->dialogs.answer(fixture->path);
        if (!fixture->window.commands().open_with_dialog())
            state.SkipWithError("open failed");
        QCoreApplication::processEvents(); // let the text area lay itself out
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 32000);
}
BENCHMARK(BM_OpenDiaryIntoTextArea)->Unit(benchmark::kMillisecond);

void BM_DecodeDiaryOnly(benchmark::State& state)
{
    const QByteArray bytes = diary_bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFileRules::decode_file(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_DecodeDiaryOnly)->Unit(benchmark::kMicrosecond);

void BM_SaveDiary(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->window.set_path(fixture->dir.filePath("saved.txt"));
        fixture->prompt.answer(platform::Prompt::kYes);
        if (!fixture->window.commands().overwrite_save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveDiary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture f;
    f.window.show();
    fixture = &f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
