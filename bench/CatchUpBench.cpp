// SPDX-License-Identifier: GPL-3.0-or-later
// A full catch-up: the internet update from the seed draw (06.02.2005) to today against
// the draw-data service on 127.0.0.1, through the program's Qt client. The baseline opens
// a new connection for every request, as a client without keep-alive would.
#include "DrawService.h"
#include "NoInteraction.h"
#include "QtHttpClient.h"
#include "app/Workspace.h"
#include "commands/DrawReading.h"
#include "commands/InternetUpdate.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace kav;

// A client that is new for every request: every request opens its own connection.
class NewClientPerRequest final : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        platform::QtHttpClient client;
        return client.get(request);
    }
};

template <typename Client> void catchUp(benchmark::State& state) {
    drawservice::ServiceOptions options;
    options.port = 0;
    drawservice::DrawService service(drawservice::DrawHistory::demo(), options);
    service.start();

    const auto folder = std::filesystem::temp_directory_path() / "kavanto-bench-catch-up";
    std::filesystem::create_directories(folder);
    bench::NoInteraction ui;
    Workspace ws(folder, ui);
    ws.program.todayProvider = drawservice::localToday;
    UpdateParameters parameters;
    parameters.serviceUrl = service.url();
    std::size_t requests = 0;
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        drawFileOf(ws.program).createWithSeed();
        Client client;
        state.ResumeTiming();
        const UpdateResult result = updateDrawDatabase(
            ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view, client, parameters);
        requests = result.requested.size();
        added = result.added;
    }
    state.counters["requests"] = static_cast<double>(requests);
    state.counters["draws"] = added;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(requests));
}

void BM_FullCatchUp(benchmark::State& state) {
    catchUp<platform::QtHttpClient>(state);
}
BENCHMARK(BM_FullCatchUp)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FullCatchUpBaseline(benchmark::State& state) {
    catchUp<NewClientPerRequest>(state);
}
BENCHMARK(BM_FullCatchUpBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the HTTP client's event loops need one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
