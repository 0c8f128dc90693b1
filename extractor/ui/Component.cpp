#include "ui/Component.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace ui {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// --- TStrings ---

TStrings& TStrings::operator=(const TStrings& other) {
    if (this != &other) Assign(other.lines_);
    return *this;
}

void TStrings::Changed() {
    if (OnChange) OnChange();
}

void TStrings::Add(std::string line) {
    lines_.push_back(std::move(line));
    Changed();
}

void TStrings::Set(int index, std::string line) {
    lines_.at(static_cast<std::size_t>(index)) = std::move(line);
    Changed();
}

void TStrings::Insert(int index, std::string line) {
    if (index < 0 || index > Count()) throw std::out_of_range("TStrings::Insert");
    lines_.insert(lines_.begin() + index, std::move(line));
    Changed();
}

void TStrings::Delete(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("TStrings::Delete");
    lines_.erase(lines_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    lines_.clear();
    Changed();
}

void TStrings::Assign(const std::vector<std::string>& lines) {
    lines_ = lines;
    Changed();
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = lines_[static_cast<std::size_t>(i)];
        const auto eq = line.find('=');
        if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name)) return i;
    }
    return -1;
}

// --- TFont ---

void TFont::SetName(std::string name) {
    if (Name == name) return;
    Name = std::move(name);
    Changed();
}

void TFont::SetSize(int size) {
    if (Size == size) return;
    Size = size;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (Charset == charset) return;
    Charset = charset;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    if (Style == style) return;
    Style = style;
    Changed();
}

void TFont::SetColor(int color) {
    if (Color == color) return;
    Color = color;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (SameValues(other)) return;
    Name = other.Name;
    Size = other.Size;
    Charset = other.Charset;
    Style = other.Style;
    Color = other.Color;
    Changed();
}

bool TFont::SameValues(const TFont& other) const {
    return Name == other.Name && Size == other.Size && Charset == other.Charset && Style == other.Style &&
           Color == other.Color;
}

// --- Component ---

Component::Component(Component* owner, std::string name, std::initializer_list<std::string_view> classChain)
    : Component(owner, std::move(name), std::vector<std::string>(classChain.begin(), classChain.end())) {}

Component::Component(Component* owner, std::string name, std::vector<std::string> classChain)
    : owner_(owner), name_(std::move(name)), classChain_(std::move(classChain)) {
    if (classChain_.empty()) classChain_.push_back("TComponent");
    if (classChain_.back() != "TComponent") classChain_.push_back("TComponent");
    if (owner_) owner_->InsertComponent(this);
}

Component::~Component() {
    // Tell whoever watches us, then stop watching others.
    for (Component* watcher : std::vector<Component*>(notifyWhenFreed_)) {
        watcher->Notification(this, TOperation::opRemove);
        auto& list = watcher->watching_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    for (Component* watched : watching_) {
        auto& list = watched->notifyWhenFreed_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void Component::DestroyComponents() {
    // Owned components go in reverse creation order.
    while (!components_.empty()) delete components_.back();
}

void Component::DeriveClass(std::string className) {
    if (!SameText(classChain_.front(), className)) classChain_.insert(classChain_.begin(), std::move(className));
}

bool Component::InheritsFrom(std::string_view className) const {
    return std::any_of(classChain_.begin(), classChain_.end(),
                       [&](const std::string& c) { return SameText(c, className); });
}

Component* Component::FindComponent(std::string_view name) const {
    for (Component* c : components_) {
        if (SameText(c->Name(), name)) return c;
    }
    return nullptr;
}

const PropertyInfo* Component::FindProperty(std::string_view name) const {
    for (const PropertyInfo& p : properties_) {
        if (SameText(p.name, name)) return &p;
    }
    return nullptr;
}

bool Component::HasProperty(std::string_view name) const { return FindProperty(name) != nullptr; }

std::string Component::GetStrProp(std::string_view name) const {
    const PropertyInfo* p = FindProperty(name);
    return p && p->kind == PropertyKind::String && p->get ? p->get() : std::string();
}

void Component::SetStrProp(std::string_view name, const std::string& value) {
    const PropertyInfo* p = FindProperty(name);
    if (p && p->kind == PropertyKind::String && p->set) p->set(value);
}

TStrings* Component::GetStringsProp(std::string_view name) const {
    const PropertyInfo* p = FindProperty(name);
    return p && p->kind == PropertyKind::Strings ? p->strings : nullptr;
}

TFont* Component::GetFontProp(std::string_view name) const {
    const PropertyInfo* p = FindProperty(name);
    return p && p->kind == PropertyKind::Font ? p->font : nullptr;
}

void Component::FreeNotification(Component* other) {
    if (!other || other == this) return;
    if (std::find(watching_.begin(), watching_.end(), other) != watching_.end()) return;
    watching_.push_back(other);
    other->notifyWhenFreed_.push_back(this);
}

void Component::RemoveFreeNotification(Component* other) {
    if (!other) return;
    watching_.erase(std::remove(watching_.begin(), watching_.end(), other), watching_.end());
    auto& list = other->notifyWhenFreed_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void Component::Notification(Component*, TOperation) {}

void Component::PublishString(std::string name, std::function<std::string()> get,
                              std::function<void(const std::string&)> set) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::String;
    p.get = std::move(get);
    p.set = std::move(set);
    properties_.push_back(std::move(p));
}

void Component::PublishStrings(std::string name, TStrings* strings) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::Strings;
    p.strings = strings;
    properties_.push_back(std::move(p));
}

void Component::PublishFont(std::string name, TFont* font) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::Font;
    p.font = font;
    properties_.push_back(std::move(p));
}

void Component::PublishObject(std::string name, void* object) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::Object;
    p.object = object;
    properties_.push_back(std::move(p));
}

void Component::InsertComponent(Component* child) {
    components_.push_back(child);
    Notification(child, TOperation::opInsert);
}

void Component::RemoveComponent(Component* child) {
    Notification(child, TOperation::opRemove);
    components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
}

}  // namespace ui
