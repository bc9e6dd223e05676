#pragma once
#include <QString>

// The font-size list: its text read as a number the classic way (the leading
// number, 0 when there is none); outside 10..30 the list falls back to "10".
class FontSizeRule {
public:
    static constexpr int kSmallest = 10;
    static constexpr int kLargest = 30;

    struct Result {
        QString list_text; // what the list shows afterwards
        double points;     // the text area's font size
    };

    static double leading_number(const QString& text);
    static Result apply(const QString& list_text);
};
