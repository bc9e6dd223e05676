#pragma once
#include "game/play/play_options.h"
#include <QString>

// What sets one build of the game apart: its version and the switches where the
// builds differ. Both builds run the same library with their own description.
struct GameBuild {
    QString version_text = QStringLiteral("1.0.84"); // major.minor.revision
    const char* desktop_name = "MipoPokan";          // its menu entry: com.example.zorvik.<name>.desktop
    bool with_skin_chooser = true;                   // ファイル → 絵柄の変更
    bool help_page_label = true;                     // the help window shows "page / last" and its caption
    PlayOptions play;

    static GameBuild current() { return {}; }
    static GameBuild earlier()
    {
        GameBuild b;
        b.version_text = QStringLiteral("1.0.81");
        b.desktop_name = "MipoPokanEarlier";
        b.with_skin_chooser = false;
        b.help_page_label = false;
        b.play = {true, true, true, true};
        return b;
    }
};
