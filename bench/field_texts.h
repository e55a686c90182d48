// The fixed mixes of field texts the parsing benchmarks run over: what users
// type most (the defaults, short decimals), the rarer forms the rules accept
// (exponents, subnormals, hex, other digit sets, leading blanks) and texts
// the rules reject.
#pragma once

#include <iterator>

// BaseRea texts, and the same texts with every digit written in ASCII for
// parsers that know only ASCII ("０.４５" -> "0.45").
inline constexpr const wchar_t* kBaseReaTexts[] = {
    // typical
    L"0.45", L"0.5", L"1.25", L"  .5", L"+0.45", L"45e-2",
    // rare but accepted
    L"1e-310", L"0x1.8p3", L"\uFF10.\uFF14\uFF15", L"\u0660.\u0664\u0665", L"inf",
    // rejected
    L"0.45 ", L"0,45", L"1e", L"", L"abc"};
inline constexpr const char* kBaseReaAscii[] = {
    "0.45", "0.5",  "1.25", "  .5",  "+0.45", "45e-2", "1e-310", "0x1.8p3",
    "0.45", "0.45", "inf",  "0.45 ", "0,45",  "1e",    "",       "abc"};
static_assert(std::size(kBaseReaTexts) == std::size(kBaseReaAscii));

// Texts for the three integer fields (FiringMode, Fps, Rea).
inline constexpr const wchar_t* kIntegerTexts[] = {
    // typical
    L"3", L"60", L"81", L"144", L"007", L"+5", L" 81",
    // rare but accepted: saturated, other digit sets
    L"99999999999", L"\uFF16\uFF10", L"\u0668\u0661",
    // rejected
    L"0", L"-5", L"", L"3.0", L"60 ", L"x"};
