// What every fuzz target shares: reading typed values off the fuzzer's bytes,
// and handing texts to the core in heap buffers of exactly their size, so that
// AddressSanitizer reports any read past the terminator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// Consumes the input front to back; past the end every value reads as zero.
struct FuzzBytes {
  const uint8_t* data;
  std::size_t size;

  bool Empty() const { return size == 0; }

  uint8_t Byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }

  template <class T>
  T Value() {
    unsigned char raw[sizeof(T)] = {};
    for (auto& b : raw) b = Byte();
    T value;
    std::memcpy(&value, raw, sizeof value);
    return value;
  }
};

// The text and its terminator, nothing more, on the heap.
inline std::unique_ptr<wchar_t[]> ExactCopy(const std::wstring& text) {
  auto copy = std::make_unique<wchar_t[]>(text.size() + 1);
  std::memcpy(copy.get(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return copy;
}

// An ASCII text: one character per byte (high bit dropped), up to the first
// NUL or maxLength characters.
inline std::wstring AsciiText(FuzzBytes& in, std::size_t maxLength) {
  std::wstring text;
  while (!in.Empty() && text.size() < maxLength) {
    const auto c = static_cast<wchar_t>(in.Byte() & 0x7F);
    if (c == L'\0') break;
    text.push_back(c);
  }
  return text;
}
