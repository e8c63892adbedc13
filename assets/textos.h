// The long texts built into the program, read line by line by zero-based line number.
#pragma once
#include <cstdint>

inline constexpr int32_t LINHASMAPA = 60;    // 12 briefings of 5 lines: "-", chapter title, three lines
inline constexpr int32_t LINHASDICAS = 106;  // 15 tips of 7 lines: "-", six lines; then a closing "-"
inline constexpr int32_t LINHASJAPAO = 42;   // 10 trivia pages of 4 lines: "-", three lines; then "-" and ""

extern const char* const MemoMapa[LINHASMAPA];
extern const char* const MemoDicas[LINHASDICAS];
extern const char* const MemoJapao[LINHASJAPAO];
