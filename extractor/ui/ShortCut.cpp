#include "ui/ShortCut.h"

#include "ui/Component.h"

#include <array>

namespace ui {
namespace {

struct NamedKey {
    std::string_view name;
    unsigned key;
};

// Keys with a name of their own; letters, digits and F1..F12 are computed.
constexpr std::array<NamedKey, 14> kNamedKeys{{
    {"BkSp", 0x08}, {"Tab", 0x09}, {"Enter", 0x0D}, {"Esc", 0x1B}, {"Space", 0x20}, {"PgUp", 0x21},
    {"PgDn", 0x22}, {"End", 0x23}, {"Home", 0x24}, {"Left", 0x25}, {"Up", 0x26}, {"Right", 0x27},
    {"Down", 0x28}, {"Ins", 0x2D},
}};
constexpr NamedKey kDelete{"Del", 0x2E};

struct Modifier {
    std::string_view prefix;
    TShortCut bit;
};
constexpr std::array<Modifier, 3> kModifiers{{{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}};

unsigned KeyFromName(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<unsigned>(c);
        return 0;
    }
    if (SameText(name, kDelete.name)) return kDelete.key;
    for (const NamedKey& k : kNamedKeys) {
        if (SameText(name, k.name)) return k.key;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) return 0x70 + static_cast<unsigned>(n - 1);
    }
    return 0;
}

std::string NameOfKey(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x7B) {
        std::string name(1, 'F');
        name += std::to_string(key - 0x70 + 1);
        return name;
    }
    if (key == kDelete.key) return std::string(kDelete.name);
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == key) return std::string(k.name);
    }
    return {};
}

}  // namespace

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& m : kModifiers) {
            if (text.size() > m.prefix.size() && SameText(text.substr(0, m.prefix.size()), m.prefix)) {
                modifiers |= m.bit;
                text.remove_prefix(m.prefix.size());
                found = true;
            }
        }
    }
    const unsigned key = KeyFromName(text);
    return key == 0 ? scNone : static_cast<TShortCut>(modifiers | key);
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = NameOfKey(shortCut & 0xFFu);
    if (key.empty()) return {};
    std::string text;
    for (const Modifier& m : kModifiers) {
        if (shortCut & m.bit) text += m.prefix;
    }
    return text + key;
}

}  // namespace ui
