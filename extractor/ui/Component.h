// The component model of the form toolkit: every component has an owner, a
// name, a kind (its class name and the classes it derives from) and published
// properties that can be read and written by name. Owned components are kept
// in creation order and destroyed with their owner.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A list of text lines that tells its listeners when it changes.
class TStrings {
public:
    TStrings() = default;
    TStrings(std::initializer_list<std::string> lines) : lines_(lines) {}
    TStrings(const TStrings& other) : lines_(other.lines_) {}
    TStrings& operator=(const TStrings& other);  // copies the lines, keeps the listeners; notifies
    virtual ~TStrings() = default;

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& Lines() const { return lines_; }

    void Add(std::string line);
    void Set(int index, std::string line);
    void Insert(int index, std::string line);
    void Delete(int index);
    void Clear();
    void Assign(const std::vector<std::string>& lines);
    // Name-value access for lines of the form "name=value" (names match without case).
    int IndexOfName(std::string_view name) const;

    // Called after every change.
    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<std::string> lines_;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A control's font. Whoever writes the fields directly calls Changed() afterwards
// so that the control shows the new font; the setters do that themselves.
class TFont {
public:
    static constexpr int kDefaultColor = -1;  // the system's text colour

    std::string Name = "MS Sans Serif";
    int Size = 8;      // points
    int Charset = 1;   // DEFAULT_CHARSET
    unsigned Style = 0;            // TFontStyle bits
    int Color = kDefaultColor;     // 0x00BBGGRR
    std::function<void()> OnChange;
    void Changed() {
        if (OnChange) OnChange();
    }

    void SetName(std::string name);
    void SetSize(int size);
    void SetCharset(int charset);
    void SetStyle(unsigned style);
    void SetColor(int color);
    // Copies the values (not the listener) and notifies once.
    void Assign(const TFont& other);
    bool SameValues(const TFont& other) const;
};

class Component;

enum class PropertyKind { String, Strings, Font, Object };

// One published property. A string property has get and set; the others hand out an object.
struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::String;
    std::function<std::string()> get;
    std::function<void(const std::string&)> set;
    TStrings* strings = nullptr;
    TFont* font = nullptr;
    void* object = nullptr;  // Object properties (list view items, menu items, ...)
};

enum class TOperation { opInsert, opRemove };

class Component {
public:
    // classChain: the component's class name first, then the classes it derives
    // from ({"TExtrMainForm", "TForm"}). The owner (may be null) takes ownership.
    Component(Component* owner, std::string name, std::initializer_list<std::string_view> classChain);
    Component(Component* owner, std::string name, std::vector<std::string> classChain);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& ClassName() const { return classChain_.front(); }
    const std::vector<std::string>& ClassChain() const { return classChain_; }
    // True when the component's class is className or derives from it.
    bool InheritsFrom(std::string_view className) const;

    // Owned components in creation order.
    const std::vector<Component*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    Component* FindComponent(std::string_view name) const;

    // Published properties; names match without regard to letter case.
    bool HasProperty(std::string_view name) const;
    const PropertyInfo* FindProperty(std::string_view name) const;
    const std::vector<PropertyInfo>& Properties() const { return properties_; }
    // A string property's value; "" for a property of another kind or none.
    std::string GetStrProp(std::string_view name) const;
    // Sets a string property; ignored for a property of another kind or none.
    void SetStrProp(std::string_view name, const std::string& value);
    TStrings* GetStringsProp(std::string_view name) const;
    TFont* GetFontProp(std::string_view name) const;

    // Asks to be told (Notification with opRemove) when other is destroyed.
    void FreeNotification(Component* other);
    void RemoveFreeNotification(Component* other);

protected:
    // Called for components this one asked about (FreeNotification) and for
    // owned components being removed.
    virtual void Notification(Component* component, TOperation operation);
    // Destroys the owned components now, newest first. Classes whose parts the
    // owned components still use while they go call this in their destructor.
    void DestroyComponents();

    // A subclass names its own class in front of the chain it inherited:
    // DeriveClass("TMySplitter") in the constructor of a TSplitter subclass.
    void DeriveClass(std::string className);

    void PublishString(std::string name, std::function<std::string()> get, std::function<void(const std::string&)> set);
    void PublishStrings(std::string name, TStrings* strings);
    void PublishFont(std::string name, TFont* font);
    void PublishObject(std::string name, void* object);

private:
    void InsertComponent(Component* child);
    void RemoveComponent(Component* child);

    Component* owner_;
    std::string name_;
    std::vector<std::string> classChain_;
    std::vector<Component*> components_;
    std::vector<PropertyInfo> properties_;
    std::vector<Component*> notifyWhenFreed_;   // they want to hear of our destruction
    std::vector<Component*> watching_;          // we want to hear of theirs
};

bool SameText(std::string_view a, std::string_view b);

}  // namespace ui
