#pragma once

// Characters and expected digit sets of the line-test results (generated).

// Digit reception: the character of each digit code 0..15, and of any code above.
inline constexpr const char* kReceivedDigitChars = "0123456789D*#ABC";
inline constexpr char kUnknownDigitChar = '?';
// The digit sets a digit-reception test expects: with and without the full set.
inline constexpr const char* kFullDigitSet = "1234567890*#ABCD";
inline constexpr const char* kDecimalDigitSet = "1234567890";
// Dial test: the characters of digit values 10, 11 and 12.
inline constexpr char kDialZero = '0';
inline constexpr char kDialStar = '*';
inline constexpr char kDialHash = '#';
