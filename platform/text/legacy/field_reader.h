#pragma once
#include <QString>
#include <QStringList>

namespace legacy {

// Splits text into the fields of a sequential comma file, the way Input # reads it:
// fields end at a comma or a line end (CR LF, CR or LF); blanks before a field are
// skipped; a field that starts with a double quote runs to the next double quote,
// and commas inside belong to it; an unquoted field loses its trailing blanks.
// Reading stops after `max_fields` (no limit when negative).
QStringList read_fields(const QString& text, int max_fields = -1);

} // namespace legacy
