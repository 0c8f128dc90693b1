// An application on the headless backend, for tests.
#pragma once

#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

#include <memory>

namespace uitest {

struct HeadlessApp {
    HeadlessApp() : app(std::make_unique<ui::HeadlessBackend>()), backend(ui::HeadlessBackend::Of(app)) {}
    ui::Application app;
    ui::HeadlessBackend& backend;
};

}  // namespace uitest
