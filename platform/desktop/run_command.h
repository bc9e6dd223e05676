#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// What a line typed into the run dialog asks for: a path or an address for the desktop to open,
// or a program with its arguments (split like a shell would split words, but no shell runs).
struct RunCommand {
    enum class Kind { Nothing, Open, Start };
    Kind kind = Kind::Nothing;
    QString target;          // Open: a path or an address
    QString program;         // Start
    QStringList arguments;   // Start

    // "~/" stands for the home folder. An existing executable file is started; any other
    // existing path, an address with a scheme ("https://...", "mailto:...") or "www...." is opened.
    static RunCommand parse(const QString& text);
    // Words as a shell splits them: blanks separate, '...' and "..." keep blanks, a backslash
    // keeps the next character. Nothing is expanded.
    static QStringList split_words(const QString& line);
};

} // namespace platform
