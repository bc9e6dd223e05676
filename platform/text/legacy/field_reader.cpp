#include "field_reader.h"

namespace legacy {
namespace {

bool is_line_end(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Steps over one separator at pos: a comma, or a line end (CR LF counts once).
qsizetype skip_separator(const QString& t, qsizetype pos)
{
    if (pos >= t.size())
        return pos;
    if (t[pos] == QLatin1Char(','))
        return pos + 1;
    if (t[pos] == QLatin1Char('\r'))
        return (pos + 1 < t.size() && t[pos + 1] == QLatin1Char('\n')) ? pos + 2 : pos + 1;
    if (t[pos] == QLatin1Char('\n'))
        return pos + 1;
    return pos;
}

} // namespace

QStringList read_fields(const QString& text, int max_fields)
{
    QStringList fields;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n && (max_fields < 0 || fields.size() < max_fields)) {
        while (pos < n && is_blank(text[pos]))
            ++pos;
        if (pos >= n)
            break; // only blanks left: no further field
        QString field;
        if (text[pos] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), pos + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(pos + 1, end - pos - 1);
            pos = close < 0 ? n : close + 1;
            // anything between the closing quote and the separator is dropped
            while (pos < n && text[pos] != QLatin1Char(',') && !is_line_end(text[pos]))
                ++pos;
        } else {
            qsizetype end = pos;
            while (end < n && text[end] != QLatin1Char(',') && !is_line_end(text[end]))
                ++end;
            field = text.mid(pos, end - pos);
            while (!field.isEmpty() && is_blank(field.back()))
                field.chop(1);
            pos = end;
        }
        fields << field;
        pos = skip_separator(text, pos);
    }
    return fields;
}

} // namespace legacy
