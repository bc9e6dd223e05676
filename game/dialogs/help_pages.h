#pragma once
#include <QRgb>
#include <QString>
#include <cstdint>

// The help window's nine pages and its paging: both arrows wrap.
class HelpPages {
public:
    static constexpr uint8_t kLastPage = 8;

    static QString text(int page); // the page's lines joined by CR LF; "" outside 0..8

    uint8_t page_index() const { return page_index_; }
    void next() { page_index_ = page_index_ == kLastPage ? 0 : page_index_ + 1; }
    void back() { page_index_ = page_index_ == 0 ? kLastPage : page_index_ - 1; }
    void reset() { page_index_ = 0; }
    QString counter() const; // "3 / 8"

    // The right-hand band: line i (1..200) stands at x pixels in a 400-pixel-wide
    // window, in this colour (white-ish to blue-violet).
    static double band_x(int i);
    static QRgb band_colour(int i);

private:
    uint8_t page_index_ = 0;
};
