// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/HttpClient.h"

#include <vector>

namespace kav::test {

// Answers every request with one prepared response and records the requests.
class FakeHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        requests.push_back(request);
        return response;
    }

    HttpResponse response = refused();
    std::vector<HttpRequest> requests;

    static HttpResponse refused() {
        HttpResponse r;
        r.failure = HttpResponse::Failure::Connection;
        return r;
    }
};

} // namespace kav::test
