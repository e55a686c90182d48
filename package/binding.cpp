// The package's one entry point: RunCli, as reacalc-cli runs it, for the
// package's JavaScript (api.js). The script asks for a buffer of the size it
// needs, writes the arguments there as UTF-8, each ended by a NUL, and calls
// reacalc_run. The answer stays here until the next call: status, stdout and
// stderr, each read through its getter.
//
// --list needs a file's bytes, or standard input's ("-"), which only the
// script has. When RunCli asks for one the script has not supplied,
// reacalc_run answers kNeedsFile and reacalc_file_name names it; the script
// supplies its bytes (or says it could not read them, or that there are more
// than a list may hold) and calls again. RunCli keeps no state between calls,
// so the second call gives what one call with the file would. Input nobody
// asked for is never copied in.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "run_cli.h"
#include "utf8.h"
#include "weapon_list.h"

namespace {

constexpr int kNeedsFile = -1;

// What the script says of the file it was asked for (reacalc_file).
constexpr int kUnreadable = 0;
constexpr int kTooLarge = 2;

std::string request;  // the arguments (see reacalc_request)
CliResult answer;
std::map<std::string, ListBytes> files;  // what the script supplied, by UTF-8 name
std::string wantedFile;

}  // namespace

extern "C" {

// Room for `size` bytes of arguments. Each call starts a new run, so the
// files of the last one are forgotten.
EMSCRIPTEN_KEEPALIVE char* reacalc_request(uint32_t size) {
  request.assign(size, '\0');
  files.clear();
  return request.data();
}

// The most the script reads of a file: one byte more than a list may hold
// is enough for the reader to refuse it, as reacalc-cli's ReadAll does.
EMSCRIPTEN_KEEPALIVE uint32_t reacalc_list_limit() { return kMaxWeaponListBytes + 1; }

// Room for the bytes of the file reacalc_file_name named. `state` is 1 when
// the script read them, kUnreadable when it could not (no such file, a
// directory, no file system), kTooLarge when there are more than
// kMaxWeaponListBytes: then the reader gets as many bytes of nothing, to
// refuse them with its own message, and the script copies none (null).
EMSCRIPTEN_KEEPALIVE char* reacalc_file(uint32_t size, int state) {
  ListBytes& file = files[wantedFile];
  file.read = state != kUnreadable;
  file.bytes.assign(state == kTooLarge ? kMaxWeaponListBytes + 1 : size, '\0');
  return state == kTooLarge ? nullptr : file.bytes.data();
}

// The script wrote fewer bytes than it asked room for (a string's UTF-8,
// written straight in): the file is those.
EMSCRIPTEN_KEEPALIVE void reacalc_file_used(uint32_t size) {
  std::string& bytes = files[wantedFile].bytes;
  if (size < bytes.size()) bytes.resize(size);
}

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

  wantedFile.clear();
  answer = RunCli(args, [](const std::wstring& name) {
    const std::string key = EncodeUtf8(name);
    const auto found = files.find(key);
    if (found == files.end()) {
      wantedFile = key;
      return ListBytes{};
    }
    // Asked for once a run: its bytes move, not copied (up to 64 MiB).
    ListBytes file = std::move(found->second);
    files.erase(found);
    return file;
  });
  return wantedFile.empty() ? answer.exitCode : kNeedsFile;
}

EMSCRIPTEN_KEEPALIVE const char* reacalc_file_name() { return wantedFile.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* reacalc_stdout() { return answer.out.data(); }
EMSCRIPTEN_KEEPALIVE uint32_t reacalc_stdout_size() { return answer.out.size(); }
EMSCRIPTEN_KEEPALIVE const char* reacalc_stderr() { return answer.err.data(); }
EMSCRIPTEN_KEEPALIVE uint32_t reacalc_stderr_size() { return answer.err.size(); }

}  // extern "C"
