// reacalc-cli: the calculator's table on the command line (see run_cli.h).
#include <cstdio>
#include <string>
#include <vector>

#include "run_cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "utf8.h"
#endif

namespace {

int Finish(const CliResult& result) {
#ifdef _WIN32
  // CSV carries its own CRLF, and the chart is the same bytes on every
  // platform: text mode would add CRs.
  if (result.binary) _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::fwrite(result.out.data(), 1, result.out.size(), stdout);
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  return std::fflush(stdout) == 0 ? result.exitCode : 2;
}

}  // namespace

#ifdef _WIN32
// Windows hands over the command line as UTF-16 already.
int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  return Finish(RunCli(args));
}
#else
int main(int argc, char** argv) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(DecodeUtf8(argv[i]));
  return Finish(RunCli(args));
}
#endif
