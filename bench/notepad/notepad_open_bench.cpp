// Opening a 32000-byte CP932 diary into the text area, as the Open dialog does.
#include "mf.h"
#include "text_file_rules.h"
#include "platform/ui/scripted_file_dialogs.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/text/text_codec.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A diary of `size` bytes in CP932, or in UTF-8.
QByteArray diary_bytes(bool utf8 = false, int size = 32000)
{
    const QString line = QString::fromUtf8("きょうはミポと海へ行きました。波がざぶーん、アザラシがぷかぷか。～楽しかった！");
    QByteArray out;
    int day = 1;
    while (out.size() < size) {
        const QString text = QString::number(day++) + QString::fromUtf8("日目 ") + line;
        out += (utf8 ? text.toUtf8() : platform::encode_cp932(text)) + "\r\n";
    }
    // Cut at a line end, so that the UTF-8 stays whole.
    return out.left(out.lastIndexOf("\r\n", size - 2) + 2);
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath("diary.txt");
    QString utf8_path = dir.filePath("utf8.txt");
    platform::ScriptedPrompt prompt;
    platform::ScriptedFileDialogs dialogs;
    MF window{prompt, dialogs, dir.path() + "/", [] {}};
    Fixture()
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(diary_bytes());
        QFile u(utf8_path);
        u.open(QIODevice::WriteOnly);
        u.write(diary_bytes(true));
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

void BM_OpenUtf8DiaryIntoTextArea(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->dialogs.answer(fixture->utf8_path);
        if (!fixture->window.commands().open_with_dialog())
            state.SkipWithError("open failed");
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenUtf8DiaryIntoTextArea)->Unit(benchmark::kMillisecond);

void BM_DecodeDiaryOnly(benchmark::State& state)
{
    const QByteArray bytes = diary_bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFileRules::decode_file(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_DecodeDiaryOnly)->Unit(benchmark::kMicrosecond);

// Encoding a full diary with 0, 1 or 100 characters that CP932 lacks.
void BM_EncodeDiaryWithUnencodable(benchmark::State& state)
{
    QString text = TextFileRules::decode_file(diary_bytes());
    const qsizetype step = text.size() / (state.range(0) + 1);
    for (int64_t i = state.range(0); i >= 1; --i)
        text.insert(i * step, QString::fromUtf8("😀"));
    QString lost;
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFileRules::encode_file(text, TextEncoding::Cp932, &lost));
}
BENCHMARK(BM_EncodeDiaryWithUnencodable)->Arg(0)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_SaveDiary(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->window.editor().set_path(fixture->dir.filePath("saved.txt"));
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
