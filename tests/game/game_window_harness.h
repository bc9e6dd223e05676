#pragma once
// A game in a program folder of its own, on a fake clock, with scripted answers.
#include "game/core/game_app.h"
#include "platform/atomic_file.h"
#include "platform/fakes/fake_clock.h"
#include "platform/fakes/recording_sound.h"
#include "platform/fakes/scripted_prompt.h"
#include "platform/fakes/scripted_random.h"
#include <QDirIterator>
#include <QTemporaryDir>
#include <memory>

namespace {

// A program folder of our own, copied from the built one, so tests can change it.
bool copy_program_data(const QString& to)
{
    const QString from = qEnvironmentVariable("SUITE_DIR");
    if (from.isEmpty())
        return false;
    QDir().mkpath(to + "/bmp");
    QDir().mkpath(to + "/wav");
    for (const QString& sub : {QString("bmp"), QString("wav")}) {
        QDirIterator it(from + "/" + sub, QDir::Files);
        while (it.hasNext()) {
            it.next();
            QFile::copy(it.filePath(), to + "/" + sub + "/" + it.fileName());
        }
    }
    return QFile::copy(from + "/hitc.csv", to + "/hitc.csv") && QFile::copy(from + "/missc.csv", to + "/missc.csv");
}

struct Harness {
    QTemporaryDir dir;
    platform::FakeClock clock{1000};
    platform::ScriptedRandom random{{0.1, 0.9, 0.5}};
    platform::RecordingSoundSystem sound;
    platform::ScriptedPrompt prompt;
    GamePaths paths = GamePaths::in_folder(dir.path());
    std::unique_ptr<GameApp> app;

    bool prepare() { return copy_program_data(dir.path()); }

    void make_app() { app = std::make_unique<GameApp>(GameServices{clock, random, sound, prompt}, paths, PokanWindow::Options{}); }

    // Shows the splash and lets its second pass.
    void start()
    {
        if (!app)
            make_app();
        app->show_logo();
        clock.advance(1000);
        app->logo()->poll();
    }
};

QByteArray file_bytes(const QString& path)
{
    QByteArray b;
    platform::read_whole_file(path, &b);
    return b;
}

} // namespace
