// printf-style formatting into a std::string, for the game's texts.
#pragma once

#include <string>

namespace ovs {

std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace ovs
