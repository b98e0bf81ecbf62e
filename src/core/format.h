// printf-style formatting for the game's texts and log lines.
//
// The texts of play use only %d and %s (with a width or a 0 or - flag now and
// then), and a Test formats thousands of them, so those are done here without
// printf; anything else goes to vsnprintf unchanged.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace ovs {

// As vsnprintf: writes at most size bytes with the NUL, returns the length the
// whole text would have (negative on an encoding error).
int FormatV(char* buf, std::size_t size, const char* fmt, std::va_list ap);
// As snprintf.
int FormatTo(char* buf, std::size_t size, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Copy a text into a fixed field, cut to fit, always NUL-terminated.
void SetText(char* dst, std::size_t size, std::string_view text);
template <std::size_t N>
void SetText(char (&dst)[N], std::string_view text)
{
    SetText(dst, N, text);
}

}  // namespace ovs
