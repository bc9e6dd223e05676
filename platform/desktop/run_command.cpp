#include "run_command.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {
namespace {

QString expand_home(const QString& text)
{
    if (text == QLatin1String("~"))
        return QDir::homePath();
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

bool is_address(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://\\S"));
    static const QRegularExpression mail(QStringLiteral("^mailto:\\S"), QRegularExpression::CaseInsensitiveOption);
    return scheme.match(text).hasMatch() || mail.match(text).hasMatch();
}

} // namespace

QStringList RunCommand::split_words(const QString& line)
{
    QStringList words;
    QString word;
    bool in_word = false;
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\\') && quote == QLatin1Char('"') && i + 1 < line.size()
                     && (line[i + 1] == QLatin1Char('"') || line[i + 1] == QLatin1Char('\\')))
                word += line[++i];
            else
                word += c;
        } else if (c.isSpace()) {
            if (in_word)
                words.append(word);
            word.clear();
            in_word = false;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            in_word = true;
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line[++i];
            in_word = true;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word)
        words.append(word);
    return words;
}

RunCommand RunCommand::parse(const QString& text)
{
    RunCommand command;
    const QString line = text.trimmed();
    if (line.isEmpty())
        return command;
    if (is_address(line)) {
        command.kind = Kind::Open;
        command.target = line;
        return command;
    }
    if (line.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !line.contains(QLatin1Char(' '))) {
        command.kind = Kind::Open;
        command.target = QStringLiteral("http://") + line;
        return command;
    }
    const QString path = expand_home(line);
    const QFileInfo info(path);
    if (QDir::isAbsolutePath(path) && info.exists()) {
        if (info.isFile() && info.isExecutable()) {
            command.kind = Kind::Start;
            command.program = path;
        } else {
            command.kind = Kind::Open;
            command.target = path;
        }
        return command;
    }
    QStringList words = split_words(line);
    if (words.isEmpty())
        return command;
    command.kind = Kind::Start;
    command.program = expand_home(words.takeFirst());
    command.arguments = words;
    return command;
}

} // namespace platform
