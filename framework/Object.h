#pragma once
// Root of every framework object: class identity by name ("TButton", "TCustomEdit", ...)
// and the table of published properties that can be read and written by name as text.
// Portable: no platform headers.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class TObject;

// Kinds of published properties, as the by-name accessors see them.
enum class TPropKind { Ordinal, Enumeration, String, WideString, Object };

// One published property: its name, its kind and how to read and write it.
// Ordinals and enumerations travel as their ordinal value; an enumeration also carries
// the names of its values ("alNone", "alTop", ...; Booleans are "False", "True").
struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Ordinal;
    std::vector<std::string> EnumNames;
    std::function<long long(const TObject&)> GetOrd;
    std::function<void(TObject&, long long)> SetOrd;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<std::wstring(const TObject&)> GetWide;
    std::function<void(TObject&, const std::wstring&)> SetWide;
    std::function<TObject*(const TObject&)> GetObj;
    std::function<void(TObject&, TObject*)> SetObj;
};

// Class identity: the class name, its parent class and the properties it publishes
// (its own; the parent's are found through the parent).
class TClassInfo {
public:
    TClassInfo(const char* name, const TClassInfo* parent, std::vector<TPropInfo> props = {});
    const std::string& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    // True when this class is `name` or derives from it (exact, case-sensitive name).
    bool InheritsFrom(const std::string& name) const;
    // The published property of that name (case-insensitive), searched from this class
    // up to the root; nullptr when no class of the chain publishes it.
    const TPropInfo* FindProperty(const std::string& name) const;
    const std::vector<TPropInfo>& OwnProperties() const { return props_; }

private:
    std::string name_;
    const TClassInfo* parent_;
    std::vector<TPropInfo> props_;
};

// Declares the class identity of a framework class. In the class body:
//     KELVORA_CLASS(TButton)
// and in one source file:
//     const TClassInfo& TButton::StaticClass() { static const TClassInfo c("TButton",
//         &TButtonControl::StaticClass(), { ...properties... }); return c; }
#define KELVORA_CLASS(Cls)                                                     \
public:                                                                        \
    static const TClassInfo& StaticClass();                                    \
    const TClassInfo& ClassType() const override { return Cls::StaticClass(); }

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }

    const std::string& ClassName() const { return ClassType().Name(); }
    bool InheritsFrom(const std::string& className) const { return ClassType().InheritsFrom(className); }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Builders for property tables. T is the publishing class; getters and setters are its members.
namespace props {

template <class T, class V>
TPropInfo Ordinal(const char* name, V (T::*get)() const, void (T::*set)(V)) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::Ordinal;
    p.GetOrd = [get](const TObject& o) { return static_cast<long long>((static_cast<const T&>(o).*get)()); };
    if (set) p.SetOrd = [set](TObject& o, long long v) { (static_cast<T&>(o).*set)(static_cast<V>(v)); };
    return p;
}

template <class T, class E>
TPropInfo Enumeration(const char* name, std::initializer_list<const char*> names, E (T::*get)() const,
                      void (T::*set)(E)) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::Enumeration;
    for (const char* n : names) p.EnumNames.emplace_back(n);
    p.GetOrd = [get](const TObject& o) { return static_cast<long long>((static_cast<const T&>(o).*get)()); };
    if (set) p.SetOrd = [set](TObject& o, long long v) { (static_cast<T&>(o).*set)(static_cast<E>(v)); };
    return p;
}

template <class T>
TPropInfo Boolean(const char* name, bool (T::*get)() const, void (T::*set)(bool)) {
    return Enumeration<T, bool>(name, {"False", "True"}, get, set);
}

template <class T>
TPropInfo String(const char* name, std::string (T::*get)() const, void (T::*set)(const std::string&)) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::String;
    p.GetStr = [get](const TObject& o) { return (static_cast<const T&>(o).*get)(); };
    if (set) p.SetStr = [set](TObject& o, const std::string& v) { (static_cast<T&>(o).*set)(v); };
    return p;
}

template <class T>
TPropInfo WideString(const char* name, std::wstring (T::*get)() const, void (T::*set)(const std::wstring&)) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::WideString;
    p.GetWide = [get](const TObject& o) { return (static_cast<const T&>(o).*get)(); };
    if (set) p.SetWide = [set](TObject& o, const std::wstring& v) { (static_cast<T&>(o).*set)(v); };
    return p;
}

// An object property; the getter returns any TObject-derived pointer or reference holder.
template <class T, class O>
TPropInfo Object(const char* name, O* (T::*get)() const, void (T::*set)(O*)) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TPropKind::Object;
    p.GetObj = [get](const TObject& o) -> TObject* { return (static_cast<const T&>(o).*get)(); };
    if (set)
        p.SetObj = [set](TObject& o, TObject* v) { (static_cast<T&>(o).*set)(dynamic_cast<O*>(v)); };
    return p;
}

}  // namespace props
