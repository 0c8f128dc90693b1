#include "ui/ImageList.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

TImageList::TImageList(Component* owner, std::string name)
    : Component(owner, std::move(name), {"TImageList", "TDragImageList", "TCustomImageList"}) {}

TImageList::~TImageList() {
    for (auto& [view, link] : std::vector<std::pair<const void*, Link>>(links_)) {
        if (link.destroyed) link.destroyed();
    }
}

void TImageList::AssignSystemSmallImages() {
    // The list belongs to a form, which knows the backend.
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form) throw std::logic_error("TImageList::AssignSystemSmallImages: the list has no form");
    SetHandle(form->App().GetBackend().SystemSmallImages(), true);
}

void TImageList::SetHandle(std::uintptr_t handle, bool shared) {
    shareImages_ = shared;
    if (handle_ == handle) return;
    handle_ = handle;
    for (auto& [view, link] : std::vector<std::pair<const void*, Link>>(links_)) {
        if (link.changed) link.changed();
    }
}

void TImageList::AddLink(const void* view, Link link) {
    RemoveLink(view);
    links_.emplace_back(view, std::move(link));
}

void TImageList::RemoveLink(const void* view) {
    links_.erase(std::remove_if(links_.begin(), links_.end(), [&](const auto& l) { return l.first == view; }),
                 links_.end());
}

}  // namespace ui
