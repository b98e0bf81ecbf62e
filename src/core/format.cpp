// printf-style formatting for the game's texts and log lines.
#include "core/format.h"

#include <cstdio>
#include <cstring>

namespace ovs {

namespace {

constexpr int kUnsupported = -1;

// %d and %s with an optional - or 0 flag and a width, %% and literal text a
// run at a time; kUnsupported for anything else (the caller then hands the
// untouched arguments to vsnprintf, so this works on a copy of them).
int QuickFormat(char* buf, std::size_t size, const char* fmt, std::va_list ap)
{
    std::size_t n = 0;
    auto put = [&](const char* text, std::size_t len) {
        if (n < size) std::memcpy(buf + n, text, len < size - n ? len : size - n);
        n += len;
    };
    auto repeat = [&](char ch, int count) {
        for (; count > 0; --count) put(&ch, 1);
    };
    const char* p = fmt;
    for (;;) {
        const char* pct = std::strchr(p, '%');
        if (!pct) {
            put(p, std::strlen(p));
            break;
        }
        put(p, static_cast<std::size_t>(pct - p));
        p = pct + 1;
        if (*p == '%') {
            put("%", 1);
            ++p;
            continue;
        }
        bool left = false, zero = false;
        if (*p == '-') left = true, ++p;
        else if (*p == '0') zero = true, ++p;
        int width = 0;
        while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        char digits[24];
        const char* text;
        std::size_t len;
        bool negative = false;
        if (*p == 'd') {
            const long long v = va_arg(ap, int);
            negative = v < 0;
            unsigned long long u = negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
            char* end = digits + sizeof digits;
            char* q = end;
            do {
                *--q = static_cast<char>('0' + u % 10);
                u /= 10;
            } while (u);
            text = q;
            len = static_cast<std::size_t>(end - q);
        } else if (*p == 's') {
            text = va_arg(ap, const char*);
            if (!text) text = "(null)";
            len = std::strlen(text);
        } else {
            return kUnsupported;
        }
        ++p;
        const int pad = width - static_cast<int>(len) - (negative ? 1 : 0);
        if (!left && !zero) repeat(' ', pad);
        if (negative) put("-", 1);
        if (zero) repeat('0', pad);
        put(text, len);
        if (left) repeat(' ', pad);
    }
    if (size) buf[n < size ? n : size - 1] = '\0';
    return static_cast<int>(n);
}

}  // namespace

int FormatV(char* buf, std::size_t size, const char* fmt, std::va_list ap)
{
    std::va_list args;
    va_copy(args, ap);
    const int n = QuickFormat(buf, size, fmt, args);
    va_end(args);
    return n == kUnsupported ? std::vsnprintf(buf, size, fmt, ap) : n;
}

int FormatTo(char* buf, std::size_t size, const char* fmt, ...)
{
    std::va_list ap;
    va_start(ap, fmt);
    const int n = FormatV(buf, size, fmt, ap);
    va_end(ap);
    return n;
}

std::string Format(const char* fmt, ...)
{
    char buf[512];
    std::va_list ap;
    va_start(ap, fmt);
    const int n = FormatV(buf, sizeof buf, fmt, ap);
    va_end(ap);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buf) return std::string(buf, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n), '\0');
    va_start(ap, fmt);
    FormatV(out.data(), out.size() + 1, fmt, ap);
    va_end(ap);
    return out;
}

void SetText(char* dst, std::size_t size, std::string_view text)
{
    if (size == 0) return;
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n) std::memcpy(dst, text.data(), n);  // an empty view may hold no pointer at all
    dst[n] = '\0';
}

}  // namespace ovs
