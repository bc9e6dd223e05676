#pragma once
#include <QWebEngineUrlRequestInterceptor>

// Every request a page makes passes address_rules::may_load: no qrc:, and local
// files only as pictures and the like from the page's own folder. Pages and
// folders the user opens are not subresources and pass untouched.
class RequestGuard final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
