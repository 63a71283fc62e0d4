// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/HttpClient.h"

#include <functional>
#include <string>
#include <vector>

namespace kav::test {

inline HttpResponse answerWith(int status, std::string body = {}) {
    HttpResponse r;
    r.statusCode = status;
    r.statusText = status == 200 ? "OK" : status == 404 ? "Not Found" : "Error";
    r.body = std::move(body);
    return r;
}

inline HttpResponse failureOf(HttpResponse::Failure failure) {
    HttpResponse r;
    r.failure = failure;
    r.errorText = "failed";
    return r;
}

// The "Datum" of one request ("yyyymmdd").
inline std::string dateOf(const HttpRequest& request) {
    const std::size_t at = request.url.rfind("Datum=");
    return at == std::string::npos ? request.url : request.url.substr(at + 6);
}

// An HttpClient that records every request and answers through `answer`, or, without one,
// with the prepared `response` (by default an empty 200 answer).
class FakeHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        requests.push_back(request);
        return answer ? answer(request) : response;
    }

    // The "Datum" values of the requests, in order.
    std::vector<std::string> dates() const {
        std::vector<std::string> out;
        for (const HttpRequest& r : requests)
            out.push_back(dateOf(r));
        return out;
    }

    std::function<HttpResponse(const HttpRequest&)> answer;
    HttpResponse response = answerWith(200);
    std::vector<HttpRequest> requests;
};

} // namespace kav::test
