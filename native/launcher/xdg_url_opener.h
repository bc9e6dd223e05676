#pragma once
#include "url_opener.h"

// The freedesktop.org way: `xdg-open <url>` found on PATH, started detached,
// without a shell.
class XdgUrlOpener final : public UrlOpener {
public:
    XdgUrlOpener();
    bool available() const override { return !program_.isEmpty(); }
    void open(const QString& url) override;

private:
    QString program_;
};
