#include "request_guard.h"
#include "address_rules.h"

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    using address_rules::Load;
    Load load = Load::Read;
    switch (info.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
        return; // a navigation: the window's checks apply
    case QWebEngineUrlRequestInfo::ResourceTypeStylesheet:
    case QWebEngineUrlRequestInfo::ResourceTypeScript:
    case QWebEngineUrlRequestInfo::ResourceTypeImage:
    case QWebEngineUrlRequestInfo::ResourceTypeFontResource:
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
    case QWebEngineUrlRequestInfo::ResourceTypeFavicon:
        load = Load::Shown;
        break;
    default: // XHR and fetch, frames, objects, workers, prefetches, pings ...: they read
        break;
    }
    if (!address_rules::may_load(info.firstPartyUrl(), info.requestUrl(), load))
        info.block(true);
}
