// Window timings: start-up to a visible main window, and Calculate from the
// click to the last row in the list view, for reacalc.exe beside the bare
// window baseline, alternating between the two over repeated runs (one
// unmeasured warm-up run each first). Prints one line per program with the
// medians in milliseconds, the peak working set after the clicks and the size
// of the program file.
// Usage: window-timings RUNS REACALC_EXE BASELINE_EXE
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "child_window.h"

namespace {

constexpr int kRows = 8;           // the default fields give eight rows
constexpr int kClicksPerRun = 20;  // repeated Calculates after the first

struct Program {
  const char* label;
  const wchar_t* path;
  const wchar_t* className;
  std::vector<double> startupMs;
  std::vector<double> firstCalculateMs;  // the first click of each run
  std::vector<double> calculateMs;       // the clicks after it
  SIZE_T peakWorkingSet = 0;
};

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// One start, first click, repeated clicks, close. Nothing is kept when
// `record` is false (the warm-up run).
bool Run(Program& program, bool record) {
  ChildWindow child;
  const double start = NowMs();
  bool ok = StartAndWaitForWindow(program.path, program.className, child);
  const double shown = NowMs();
  std::vector<double> clicks;
  if (ok) {
    // Let the first paint finish, so the click does not share the time with it.
    WaitForInputIdle(child.process.hProcess, 10000);
    for (int i = 0; ok && i <= kClicksPerRun; ++i) {
      const double before = NowMs();
      ok = RunCommandOne(child, kRows);
      clicks.push_back(NowMs() - before);
    }
  }
  if (ok && record) {
    program.startupMs.push_back(shown - start);
    program.firstCalculateMs.push_back(clicks.front());
    program.calculateMs.insert(program.calculateMs.end(), clicks.begin() + 1, clicks.end());
    program.peakWorkingSet = std::max(program.peakWorkingSet, PeakWorkingSet(child));
  }
  CloseChild(child);
  if (!ok) std::fprintf(stderr, "%s: no window, or no rows after command 1\n", program.label);
  return ok;
}

long long FileSize(const wchar_t* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Print(const Program& p) {
  std::printf(
      "%s startup_ms=%.2f startup_min_ms=%.2f calc_first_ms=%.3f calc_ms=%.3f peak_ws_kib=%zu "
      "exe_bytes=%lld runs=%zu clicks=%d\n",
      p.label, Median(p.startupMs), *std::min_element(p.startupMs.begin(), p.startupMs.end()),
      Median(p.firstCalculateMs), Median(p.calculateMs), p.peakWorkingSet / 1024, FileSize(p.path),
      p.startupMs.size(), kClicksPerRun);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: window-timings RUNS REACALC_EXE BASELINE_EXE\n");
    return 2;
  }
  const int runs = std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10)));
  Program reacalc{"reacalc", argv[2], L"ReaCalcWindow", {}, {}, {}};
  Program baseline{"baseline", argv[3], L"BareWindow", {}, {}, {}};

  if (!Run(reacalc, false) || !Run(baseline, false)) return 1;
  for (int i = 0; i < runs; ++i) {
    // Alternating, so a slow spell of the machine hits both alike.
    if (!Run(reacalc, true) || !Run(baseline, true)) return 1;
  }
  Print(reacalc);
  Print(baseline);
  std::fflush(stdout);
  return 0;
}
