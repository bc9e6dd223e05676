#pragma once
#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when there is nothing on this system that could be asked.
    virtual bool available() const = 0;
    // Asks once; what the desktop does with it is not reported.
    virtual void open(const QString& url) = 0;
};
