// reacalc-cli --list on 10,000 weapons, in each format: reading the list,
// judging every line and writing every answer, as a player's spreadsheet or
// a wiki's whole weapon page would ask.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace {

constexpr int kWeapons = 10000;

// Everyday weapons: a few decimals of baseRea, small firing modes and frame
// rates, every tenth with a REA % and every seventh comparing frame rates.
std::string MakeList() {
  std::string list = "name,baseRea,firingMode,fps,rea,at,compare\r\n";
  for (int k = 0; k < kWeapons; ++k) {
    list += "Weapon " + std::to_string(k) + ",0." + std::to_string(10 + k % 90) + "," +
            std::to_string(1 + k % 5) + "," + std::to_string(30 + k % 215) + ",81," +
            (k % 10 == 0 ? std::to_string(k % 80) : "") + "," + (k % 7 == 0 ? "\"120,144\"" : "") +
            "\r\n";
  }
  return list;
}

void BM_WeaponList(benchmark::State& state, const wchar_t* format) {
  const std::string list = MakeList();
  std::vector<std::wstring> args = {L"--list", L"-"};
  if (*format) args.insert(args.begin(), format);
  const ListReader reader = [&](const std::wstring&) { return ListBytes{true, list}; };
  for (auto _ : state) {
    const CliResult result = RunCli(args, reader);
    if (result.exitCode != 0) state.SkipWithError("a line failed");
    benchmark::DoNotOptimize(result.out.data());
  }
  state.SetItemsProcessed(state.iterations() * kWeapons);
}
BENCHMARK_CAPTURE(BM_WeaponList, tsv, L"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WeaponList, csv, L"--csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WeaponList, json, L"--json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WeaponList, markdown, L"--markdown")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WeaponList, wiki, L"--wiki")->Unit(benchmark::kMillisecond);

}  // namespace
