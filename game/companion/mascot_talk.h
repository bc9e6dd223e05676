#pragma once
#include <QString>
#include <optional>

namespace companion {

// The mascot's two talk scripts, said one line per click beside the board.
// Before the first game (game mode 0) the first script cycles through 16 lines; after a game or
// a reset (mode 1) the second says 25 lines, keeps quiet until the count reaches 200 and
// starts again at its second line. Both share one count.
class MascotTalk {
public:
    static constexpr int kFirstScriptLines = 16;
    static constexpr int kSecondScriptLines = 25;
    static constexpr int kSecondScriptWrap = 200;

    // `version` is the program's "major.minor.revision", said as line 6 of the first script.
    explicit MascotTalk(QString version) : version_(std::move(version)) {}

    // A click beside the board: the line to show, or nullopt to leave the comment as it is.
    // Modes other than 0 and 1 say nothing and keep the count.
    std::optional<QString> click(int game_mode);

    // Start-up and every game end start the scripts again.
    void reset() { talk_count_ = 0; }
    int talk_count() const { return talk_count_; }

    static QString first_script_line(int index, const QString& version);  // empty outside 0-15
    static QString second_script_line(int index);                         // empty outside 0-24

private:
    QString version_;
    int talk_count_ = 0;
};

} // namespace companion
