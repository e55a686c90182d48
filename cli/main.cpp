// reacalc-cli: the calculator's table on the command line (see run_cli.h).
#include <cstdio>
#include <string>
#include <vector>

#include "run_cli.h"
#include "weapon_list.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "utf8.h"
#endif

namespace {

// Reads a whole stream, but never much more than a weapon list may hold: one
// byte past the limit is enough for the reader to refuse the file.
ListBytes ReadAll(std::FILE* stream) {
  ListBytes file;
  char buffer[65536];
  while (file.bytes.size() <= kMaxWeaponListBytes) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
    file.bytes.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  file.read = !std::ferror(stream);
  return file;
}

#ifdef _WIN32
ListBytes ReadList(const std::wstring& name) {
  if (name == L"-") {
    _setmode(_fileno(stdin), _O_BINARY);  // CRLF stays CRLF, as in a file
    return ReadAll(stdin);
  }
  std::FILE* file = _wfopen(name.c_str(), L"rb");
  if (!file) return {};
  ListBytes bytes = ReadAll(file);
  std::fclose(file);
  return bytes;
}
#else
// The name's own bytes, as the shell gave them (decoding could change them).
ListBytes ReadList(const std::string& path) {
  if (path == "-") return ReadAll(stdin);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  ListBytes bytes = ReadAll(file);
  std::fclose(file);
  return bytes;
}
#endif

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
  return Finish(RunCli(args, ReadList));
}
#else
int main(int argc, char** argv) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(DecodeUtf8(argv[i]));
  // RunCli names the file by its decoded text: find the argument it came from.
  const auto readList = [&](const std::wstring& name) {
    for (int i = 1; i < argc; ++i) {
      if (args[i - 1] == name) return ReadList(argv[i]);
    }
    return ListBytes{};
  };
  return Finish(RunCli(args, readList));
}
#endif
