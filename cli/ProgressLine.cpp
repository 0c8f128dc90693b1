#include "ProgressLine.h"

#include <cstdio>

#include "Readable.h"
#include "Summary.h"
#include "platform/Console.h"

namespace cli {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr unsigned kFallbackWidth = 80;

std::string Size(double bytes) {
    const char* units[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    int unit = 0;
    while (bytes >= 1024.0 && unit < 4) {
        bytes /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s" : "%.1f %s", bytes, units[unit]);
    return text;
}

std::string Duration(double seconds) {
    const auto total = static_cast<unsigned long long>(seconds + 0.5);
    char text[32];
    if (total >= 3600) {
        std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", total / 3600, total / 60 % 60, total % 60);
    } else {
        std::snprintf(text, sizeof text, "%llu:%02llu", total / 60, total % 60);
    }
    return text;
}

// Keeps whole UTF-8 characters: the cut never splits one.
std::string LastBytes(const std::string& text, std::size_t count) {
    std::size_t from = text.size() - count;
    while (from < text.size() && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) ++from;
    return text.substr(from);
}

}  // namespace

std::string ProgressText(const Progress& progress, std::chrono::duration<double> elapsed, unsigned width) {
    std::string line = progress.totalFiles != 0
                           ? std::to_string(progress.files) + '/' + Counted(progress.totalFiles, "file", "files")
                           : Counted(progress.files, "file", "files");
    line += ", " + Size(static_cast<double>(progress.bytes));
    if (progress.totalBytes != 0) {
        const auto percent = progress.bytes >= progress.totalBytes ? 100 : progress.bytes * 100 / progress.totalBytes;
        line += '/' + Size(static_cast<double>(progress.totalBytes)) + ' ' + std::to_string(percent) + '%';
    }
    const double seconds = elapsed.count();
    if (seconds >= 1.0 && progress.bytes != 0) {
        const double rate = static_cast<double>(progress.bytes) / seconds;
        line += ", " + Size(rate) + "/s";
        if (progress.totalBytes > progress.bytes) {
            line += ", " + Duration(static_cast<double>(progress.totalBytes - progress.bytes) / rate) + " left";
        }
    }
    const std::size_t room = width > 1 ? width - 1 : 0;
    const std::string item = Readable(progress.item);
    if (!item.empty() && line.size() + 2 < room) {
        const std::size_t left = room - line.size() - 2;
        // Keep the end of a long name: it tells the item apart.
        line += "  " + (item.size() <= left ? item : left > 3 ? "..." + LastBytes(item, left - 3) : std::string());
    }
    if (line.size() > room) line.resize(room);
    return line;
}

ProgressLine::ProgressLine(std::ostream& err, bool enabled)
    : err_(err), enabled_(enabled), start_(std::chrono::steady_clock::now()) {}

void ProgressLine::Show(const Progress& progress, bool force) {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && drawnWidth_ != 0 && now - lastDrawn_ < kRedrawInterval) return;
    lastDrawn_ = now;
    const unsigned columns = platform::StandardErrorColumns();
    const std::string line = ProgressText(progress, now - start_, columns != 0 ? columns : kFallbackWidth);
    // Blanks over what is left of a longer line drawn before.
    const std::size_t blanks = drawnWidth_ > line.size() ? drawnWidth_ - line.size() : 0;
    err_ << '\r' << line << std::string(blanks, ' ') << std::string(blanks, '\b') << std::flush;
    drawnWidth_ = line.size();
}

void ProgressLine::Clear() {
    if (!enabled_ || drawnWidth_ == 0) return;
    err_ << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
    drawnWidth_ = 0;
}

}  // namespace cli
