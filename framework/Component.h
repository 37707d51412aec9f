#pragma once
// Components: an owner that frees them, a name, a Tag, and the owned-components list in
// creation order. Portable: no platform headers.
//
// Components are made with MakeComponent<T>(owner, args...): the owner keeps the object
// (std::unique_ptr) and frees it with itself; the returned pointer is a non-owning view.
// A component without an owner is held by a TUnowned<T> from MakeUnowned<T>(args...).
//
// Freeing runs BeforeDestruction first, while the object is still whole: it frees the
// owned components (newest first), so they may still use their owner, then the
// destructors run. TComponentRef<T> tells whether a component is still alive.
#include "framework/Exceptions.h"
#include "framework/Object.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent : public TObject {
    KELVORA_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    std::string GetName() const { return name_; }
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Owned components in creation order.
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;  // position in the owner's list, -1 without owner
    TComponent* FindComponent(const std::string& name) const;  // case-insensitive

    // Takes ownership of a component made for this owner (MakeComponent does this).
    TComponent* InsertComponent(std::unique_ptr<TComponent> component);
    // Gives up ownership of an owned component (its Owner becomes nullptr).
    std::unique_ptr<TComponent> RemoveComponent(TComponent* component);
    // Frees one owned component now (its owner's notification runs first).
    void DestroyComponent(TComponent* component);
    // Frees every owned component, newest first.
    void DestroyComponents();

    // Frees a component through its owner. A component without an owner cannot be freed
    // this way (its unique_ptr holder frees it): false.
    static bool Free(TComponent* component);

    // Loading: true while the owner's layout is being built; Loaded() ends it.
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }
    // Destroying: true once BeforeDestruction has run.
    bool Destroying() const { return destroying_; }

    // Called once the owner's layout is complete; the owner calls it for every owned
    // component, in creation order, and then for itself.
    virtual void Loaded();
    // Ends the layout of this owner: Loaded() for each owned component still loading,
    // then for the owner itself.
    void LoadedAll();

    // Told to every component that registered interest (and to the owner) when a component
    // is inserted or is about to be removed / freed.
    virtual void Notification(TComponent* component, TOperation operation);
    // Asks `component` to tell this one when it goes (both directions are kept).
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Runs before the object is freed, while it is still whole (forms raise OnDestroy
    // here). Frees the owned components; overrides call it after their own work.
    virtual void BeforeDestruction();

    // Expires when the component is freed (see TComponentRef).
    std::weak_ptr<const void> LifeToken() const { return life_; }

    // Called after MakeComponent has handed the object to its owner.
    virtual void AfterConstruction() {}

private:
    void NotifyRemoval();

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    bool loading_ = false;
    bool destroying_ = false;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::vector<TComponent*> freeNotifies_;
    std::shared_ptr<const char> life_ = std::make_shared<const char>('\0');
};

// Frees a component the way an owner does: BeforeDestruction while it is whole, then delete.
struct TComponentDeleter {
    void operator()(TComponent* component) const;
};
template <class T>
using TUnowned = std::unique_ptr<T, TComponentDeleter>;

// A non-owning reference that becomes empty once the component is freed.
template <class T>
class TComponentRef {
public:
    TComponentRef() = default;
    explicit TComponentRef(T* component)
        : object_(component), life_(component ? component->LifeToken() : std::weak_ptr<const void>()) {}
    T* Get() const { return life_.expired() ? nullptr : object_; }
    explicit operator bool() const { return Get() != nullptr; }

private:
    T* object_ = nullptr;
    std::weak_ptr<const void> life_;
};

template <class T, class... Args>
T* MakeComponent(TComponent* owner, Args&&... args) {
    // Without an owner nobody would free it: such objects come from MakeUnowned.
    if (!owner) throw EInvalidOperation("A component needs an owner (use MakeUnowned)");
    auto object = std::make_unique<T>(owner, std::forward<Args>(args)...);
    T* raw = object.get();
    owner->InsertComponent(std::move(object));
    raw->AfterConstruction();
    return raw;
}

template <class T, class... Args>
TUnowned<T> MakeUnowned(Args&&... args) {
    TUnowned<T> object(std::make_unique<T>(nullptr, std::forward<Args>(args)...).release());
    object->AfterConstruction();
    return object;
}
