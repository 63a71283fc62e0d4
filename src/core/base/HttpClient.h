// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kav {

// One HTTP GET as the program sends it: the draw-data service's requests and the script
// update check both go through this, so their client settings live in one place.
struct HttpRequest {
    std::string url; // scheme://host[:port]/path?query
    std::vector<std::pair<std::string, std::string>> headers;
    std::string proxyHost; // empty: no proxy
    int proxyPort = 80;
    int timeoutMs = 5000; // for connecting, and for each wait for more data
    // For the whole answer, however slowly the server trickles it: a request that has not
    // completed by then fails as a time-out.
    int deadlineMs = 15000;
    int maxRedirects = 15; // redirects followed at most (never from https to http)
    std::size_t maxBodyBytes = std::size_t{1} << 20; // a larger body is refused
};

struct HttpResponse {
    // Why no usable response came. An HTTP error status is not a failure here: it
    // arrives with its status code and body, and the caller decides.
    enum class Failure {
        None,
        Connection,       // no connection (refused, unknown host, network down)
        Timeout,          // nothing arrived within the time-out
        TooManyRedirects, // a redirect loop or more redirects than allowed
        TooLarge,         // the body exceeded the request's limit
        Cancelled,        // the caller cancelled the request
        Other,            // any other failure of the transfer
    };

    Failure failure = Failure::None;
    int statusCode = 0;     // 0 when no status line arrived
    std::string statusText; // the status line's reason phrase, e.g. "OK", "Not Found"
    std::string body;       // the raw bytes of the body
    // The Last-Modified header as seconds since 1970-01-01 UTC, when the response had one.
    std::optional<std::int64_t> lastModified;
    std::string errorText; // the transfer's own description of a failure, for messages

    bool failed() const { return failure != Failure::None; }
    // No connection or a time-out: the service is not there, as opposed to answering badly.
    bool unreachable() const {
        return failure == Failure::Connection || failure == Failure::Timeout;
    }
};

// Sends GET requests one at a time. `get` returns when the response is complete or the
// request failed; the front end keeps its window responsive meanwhile.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpResponse get(const HttpRequest& request) = 0;
};

} // namespace kav
