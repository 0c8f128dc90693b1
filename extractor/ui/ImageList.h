// An image list for the small images of list and tree views. The program's
// lists show the system's small icons, which they share and never destroy.
#pragma once

#include "ui/Component.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class TImageList : public Component {
public:
    TImageList(Component* owner, std::string name);
    ~TImageList() override;

    // Opaque handle of the images on the backend; 0 for none.
    std::uintptr_t Handle() const { return handle_; }
    // Shared images are never destroyed by the list or its views.
    bool ShareImages() const { return shareImages_; }
    void SetShareImages(bool share) { shareImages_ = share; }
    // Makes the list show the backend's system small icons (shared).
    void AssignSystemSmallImages();
    void SetHandle(std::uintptr_t handle, bool shared);

    // The views that show this list hear of a change of handle and of its end.
    struct Link {
        std::function<void()> changed;
        std::function<void()> destroyed;
    };
    void AddLink(const void* view, Link link);
    void RemoveLink(const void* view);

private:
    std::uintptr_t handle_ = 0;
    bool shareImages_ = false;
    std::vector<std::pair<const void*, Link>> links_;
};

}  // namespace ui
