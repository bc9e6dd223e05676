#pragma once
#include <QWebEngineUrlRequestInterceptor>

// Web pages reach none of the programs' built-in resources (qrc:); the browser
// itself shows none either.
class QrcBlocker final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        if (info.requestUrl().scheme().compare(QLatin1String("qrc"), Qt::CaseInsensitive) == 0)
            info.block(true);
    }
};
