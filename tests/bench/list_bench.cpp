// A million rows in the result list of the real window (Qt, offscreen):
// appended, appended with the events of a running command in between,
// sorted, added while sorted, selected and scrolled to.
//
//   zbk_list_bench [benchmark options]
//   zbk_list_bench --rows   writes the rows it uses to standard output
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_toolkit.h"
#include "rows.h"

namespace zbk::bench {
namespace {

constexpr int kMillion = 1000000;

class NoHosts : public Hosts {
 public:
  std::string ComputerName() override { return "PC"; }
  std::string UserName() override { return "user"; }
};

// The started window, shared by every benchmark; main() makes it.
struct Window {
  Window() : fo(Os{drives, files, hosts}, toolkit.widgets()) {
    toolkit.Start(fo);
    toolkit.timer().stop();
  }
  DriveTable drives;
  PosixFiles files;
  NoHosts hosts;
  QtToolkit toolkit;
  TFo fo;
};

Window* the_window = nullptr;

Window& TheWindow() {
  return *the_window;
}

const std::vector<std::string>& Rows() {
  static const std::vector<std::string> rows = CatalogueRows(kMillion);
  return rows;
}

void Fill(QtListBox& list, int every_events) {
  list.SetSorted(false);
  list.Clear();
  int n = 0;
  for (const std::string& row : Rows()) {
    list.Add(row);
    if (every_events > 0 && ++n % every_events == 0) TheWindow().toolkit.ProcessMessages();
  }
  list.model().FlushAppended();  // every row shown, not only those announced so far
  TheWindow().toolkit.ProcessMessages();
}

// The first million rows of the process, into memory not used before.
void AppendMillionFirst(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  for (auto _ : state) Fill(list, 0);
  state.SetItemsProcessed(state.iterations() * kMillion);
}

void AppendMillion(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  for (auto _ : state) Fill(list, 0);
  state.SetItemsProcessed(state.iterations() * kMillion);
}

// As a catalogue run or a search does: the status line processes the
// waiting events every so many rows.
void AppendMillionEvents(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  for (auto _ : state) Fill(list, static_cast<int>(state.range(0)));
  state.SetItemsProcessed(state.iterations() * kMillion);
}

void SortMillion(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  for (auto _ : state) {
    state.PauseTiming();
    Fill(list, 0);
    list.Select(kMillion / 2);
    state.ResumeTiming();
    list.SetSorted(true);
    TheWindow().toolkit.ProcessMessages();
  }
  state.SetItemsProcessed(state.iterations() * kMillion);
}

// Rows of a search arriving while the list of a million rows is sorted.
void AddWhileSorted(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  const int adds = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    Fill(list, 0);
    list.SetSorted(true);
    state.ResumeTiming();
    for (int i = 0; i < adds; ++i) list.Add(Rows()[static_cast<std::size_t>(i) * 997]);
    TheWindow().toolkit.ProcessMessages();
  }
  state.SetItemsProcessed(state.iterations() * adds);
}

// A search after the sort button: the list is cleared and every hit takes
// its sorted place; the status line processes events every 1000 hits.
void SortedSearch(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  const int hits = static_cast<int>(state.range(0));
  for (auto _ : state) {
    list.Clear();
    list.SetSorted(true);
    for (int i = 0; i < hits; ++i) {
      list.Add(Rows()[static_cast<std::size_t>(i)]);
      if (i % 1000 == 999) TheWindow().toolkit.ProcessMessages();
    }
    TheWindow().toolkit.ProcessMessages();
  }
  state.SetItemsProcessed(state.iterations() * hits);
}

// Selecting rows all over the list, each scrolled into view and painted.
void SelectAndScroll(benchmark::State& state) {
  QtListBox& list = TheWindow().toolkit.l();
  Fill(list, 0);
  int row = 0;
  for (auto _ : state) {
    row = (row + 104729) % kMillion;
    list.Select(row);
    TheWindow().toolkit.ProcessMessages();
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(AppendMillionFirst)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(AppendMillion)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(AppendMillionEvents)->Arg(1000)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SortMillion)->Unit(benchmark::kMillisecond)->MinTime(4.0);
BENCHMARK(AddWhileSorted)->Arg(1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SortedSearch)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SelectAndScroll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zbk::bench

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--rows") == 0) {
    for (const std::string& row : zbk::bench::Rows()) std::cout << row << '\n';
    return 0;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zbk::bench::Rows();  // made before anything is measured
  zbk::bench::Window window;
  zbk::bench::the_window = &window;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
