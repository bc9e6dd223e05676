#pragma once
#include "game/data/game_paths.h"
#include "game_services.h"
#include "logo_window.h"
#include "pokan_window.h"
#include <QObject>
#include <memory>

// The game's start-up: the splash first, after a second the main window is
// prepared and the data files read, then the splash makes way for it.
class GameApp : public QObject {
    Q_OBJECT
public:
    GameApp(GameServices services, GamePaths paths, PokanWindow::Options options);
    ~GameApp() override;

    // Shows the splash (again). Each time, when its second is over, init_main runs.
    void show_logo();
    // Prepares the main window (made on the first call) and reads the data files.
    // False when a file the game needs is missing; `failed` has then been emitted.
    bool init_main();

    PokanWindow* main_window() { return main_.get(); }
    LogoWindow* logo() { return logo_.get(); }

signals:
    // A file the game cannot run without is missing; the message has been shown.
    void failed(const QString& path);
    // The main window closed: the program ends.
    void finished();

private:
    void fail(const QString& path);
    void centre_main_window();

    GameServices services_;
    GamePaths paths_;
    PokanWindow::Options options_;
    std::unique_ptr<LogoWindow> logo_;
    std::unique_ptr<PokanWindow> main_;
};
