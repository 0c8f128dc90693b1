// Questions about components' published properties, asked by name.
#pragma once

#include <string_view>

#include "ui/Component.h"

namespace localisation {

// True when the component exposes a published property of that name, of any
// kind; names match as the component model matches them (without case).
inline bool IsHasProperty(const ui::Component* component, std::string_view name) {
    return component && component->HasProperty(name);
}

}  // namespace localisation
