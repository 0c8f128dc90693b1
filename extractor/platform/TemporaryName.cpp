#include "platform/TemporaryName.h"

#include <atomic>
#include <cstdint>
#include <random>

namespace platform {
namespace {

constexpr char kPrefix[] = "~restore-";
constexpr char kSuffix[] = ".tmp";
constexpr std::size_t kDigits = 16;
constexpr int kAttempts = 64;

// Differs between processes (a random seed) and between calls (a counter), so
// that two restorations into one folder rarely even meet on a name.
std::uint64_t NextValue() {
    static const std::uint64_t seed = [] {
        std::random_device device;
        return (std::uint64_t{device()} << 32) ^ device();
    }();
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = seed + 0x9E3779B97F4A7C15ull * (counter.fetch_add(1) + 1);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string FreshName() {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = kPrefix;
    std::uint64_t value = NextValue();
    for (std::size_t i = 0; i < kDigits; ++i, value >>= 4) name += kHex[value & 15];
    return name + kSuffix;
}

}  // namespace

std::optional<std::string> CreateUnderTemporaryName(
    const std::function<CreateOutcome(const std::string& name)>& create) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = FreshName();
        switch (create(name)) {
            case CreateOutcome::Created: return name;
            case CreateOutcome::Failed: return std::nullopt;
            case CreateOutcome::NameTaken: break;
        }
    }
    return std::nullopt;
}

bool IsTemporaryName(const std::string& name) {
    const std::size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
    return name.size() == prefix + kDigits + suffix && name.compare(0, prefix, kPrefix) == 0 &&
           name.compare(prefix + kDigits, suffix, kSuffix) == 0;
}

}  // namespace platform
