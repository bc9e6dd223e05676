#include "memo_editor.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

MemoEditor::MemoEditor(QPlainTextEdit& memo, QLineEdit& path_box, std::function<void(TextEncoding)> encoding_shown)
    : memo_(memo), path_box_(path_box), encoding_shown_(std::move(encoding_shown))
{
}

QString MemoEditor::to_display(const QString& crlf_text)
{
    // A CR LF pair is a line of the text area; a lone LF stays inside its line.
    QString out;
    out.reserve(crlf_text.size());
    const qsizetype n = crlf_text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = crlf_text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < n && crlf_text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += QLatin1Char('\n');
        } else if (c == QLatin1Char('\n')) {
            out += QChar(QChar::LineSeparator);
        } else {
            out += c;
        }
    }
    return out;
}

QString MemoEditor::from_display(const QString& raw_text)
{
    QString out;
    out.reserve(raw_text.size() + raw_text.size() / 16);
    for (const QChar c : raw_text) {
        if (c == QChar(QChar::ParagraphSeparator) || c == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else if (c == QChar(QChar::LineSeparator))
            out += QLatin1Char('\n');
        else
            out += c;
    }
    return out;
}

QString MemoEditor::text() const
{
    return from_display(memo_.document()->toRawText());
}

void MemoEditor::set_text(const QString& text)
{
    memo_.setPlainText(to_display(text));
    // A text read or cleared is there to be written in: the keys go to it (the caret
    // stays where setPlainText puts it, at the start).
    memo_.setFocus(Qt::OtherFocusReason);
}

QString MemoEditor::path() const
{
    return path_box_.text();
}

void MemoEditor::set_path(const QString& path)
{
    path_box_.setText(path);
}

bool MemoEditor::is_modified() const
{
    return memo_.document()->isModified();
}

void MemoEditor::set_modified(bool modified)
{
    memo_.document()->setModified(modified);
}

void MemoEditor::set_encoding(TextEncoding encoding)
{
    encoding_ = encoding;
    if (encoding_shown_)
        encoding_shown_(encoding);
}
