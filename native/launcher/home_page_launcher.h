#pragma once
#include "url_opener.h"

// Opens the maker's home page and says how it went in the exit code.
class HomePageLauncher {
public:
    static constexpr const char* kAddress = "https://zorvik.example.com/";
    static constexpr int kAsked = 2;      // the desktop was asked to open the page
    static constexpr int kNoDesktop = 0;  // nothing to ask: the page was not opened

    static int run(UrlOpener& opener);
};
