#include "platform/TextEncoding.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace platform {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Converts through UTF-16 from one code page into the ANSI code page.
std::string ToAnsi(std::string_view text, UINT fromCodePage) {
    if (text.empty() || IsAscii(text)) return std::string(text);
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(fromCodePage, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) return std::string(text.size(), '?');
    std::vector<wchar_t> utf16(static_cast<std::size_t>(wide));
    MultiByteToWideChar(fromCodePage, 0, text.data(), length, utf16.data(), wide);
    const int narrow = WideCharToMultiByte(CP_ACP, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) return std::string(text.size(), '?');
    std::string out(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(CP_ACP, 0, utf16.data(), wide, out.data(), narrow, nullptr, nullptr);
    return out;
}

}  // namespace

std::string OemToNative(std::string_view name) { return ToAnsi(name, CP_OEMCP); }

std::string Utf8ToNative(std::string_view name) { return ToAnsi(name, CP_UTF8); }

}  // namespace platform
