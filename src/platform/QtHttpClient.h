// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/HttpClient.h"

#include <QNetworkAccessManager>
#include <QPointer>

class QNetworkReply;

namespace kav::platform {

// HttpClient over Qt Network. `get` runs a local event loop until the reply is complete,
// so a window stays responsive (repaints, button clicks) during a request. Cookies are
// kept for the lifetime of the client, as a browser keeps them for a session.
class QtHttpClient final : public HttpClient {
public:
    QtHttpClient();

    HttpResponse get(const HttpRequest& request) override;

    // Ends the request in progress, if any; its `get` returns with Failure::Cancelled.
    void cancel();

private:
    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    bool cancelled_ = false;
};

} // namespace kav::platform
