// The package's one entry point: RunCli, as reacalc-cli runs it, for the
// package's JavaScript (reacalc.js). The script asks for a buffer of the size
// it needs, writes the arguments there as UTF-8, each ended by a NUL, then
// the bytes of standard input, and calls reacalc_run. The answer stays here
// until the next call: status, stdout and stderr, each read through its
// getter.
//
// --list FILE needs a file's bytes, which only the script can read (node:fs).
// When RunCli asks for a file the script has not supplied, reacalc_run
// answers kNeedsFile and reacalc_file_name names it; the script supplies its
// bytes (or says it could not read it) and calls again. RunCli keeps no state
// between calls, so the second call gives what one call with the file would.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "run_cli.h"
#include "utf8.h"

namespace {

constexpr int kNeedsFile = -1;

std::string request;  // the arguments, then the input (see reacalc_request)
CliResult answer;
std::map<std::string, ListBytes> files;  // what the script supplied, by UTF-8 name
std::string wantedFile;

}  // namespace

extern "C" {

// Room for `size` bytes: the arguments, then the input. Each call starts a
// new run, so the files of the last one are forgotten.
EMSCRIPTEN_KEEPALIVE char* reacalc_request(uint32_t size) {
  request.assign(size, '\0');
  files.clear();
  return request.data();
}

// Room for the bytes of the file reacalc_file_name named; `read` is 0 when
// the script could not read it (no such file, a directory, no file system).
EMSCRIPTEN_KEEPALIVE char* reacalc_file(uint32_t size, int read) {
  ListBytes& file = files[wantedFile];
  file.read = read != 0;
  file.bytes.assign(size, '\0');
  return file.bytes.data();
}

// argc arguments come first in the request, the rest is the input.
EMSCRIPTEN_KEEPALIVE int reacalc_run(uint32_t argc) {
  std::vector<std::wstring> args;
  std::size_t at = 0;
  for (uint32_t i = 0; i < argc && at <= request.size(); ++i) {
    const std::size_t end = request.find('\0', at);
    const std::size_t stop = end == std::string::npos ? request.size() : end;
    // The same decoding as reacalc-cli's own argv on Linux.
    args.push_back(DecodeUtf8(std::string_view(request).substr(at, stop - at)));
    at = stop + 1;
  }
  const std::string input = at < request.size() ? request.substr(at) : std::string();

  wantedFile.clear();
  answer = RunCli(args, [&input](const std::wstring& name) {
    if (name == L"-") return ListBytes{true, input};
    const std::string key = EncodeUtf8(name);
    const auto found = files.find(key);
    if (found != files.end()) return found->second;
    wantedFile = key;
    return ListBytes{};
  });
  return wantedFile.empty() ? answer.exitCode : kNeedsFile;
}

EMSCRIPTEN_KEEPALIVE const char* reacalc_file_name() { return wantedFile.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* reacalc_stdout() { return answer.out.data(); }
EMSCRIPTEN_KEEPALIVE uint32_t reacalc_stdout_size() { return answer.out.size(); }
EMSCRIPTEN_KEEPALIVE const char* reacalc_stderr() { return answer.err.data(); }
EMSCRIPTEN_KEEPALIVE uint32_t reacalc_stderr_size() { return answer.err.size(); }

}  // extern "C"
