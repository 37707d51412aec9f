#include "framework/Component.h"

#include "framework/Properties.h"

#include <algorithm>
#include <cctype>

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info("TComponent", &TObject::StaticClass(),
                                 {props::String<TComponent>("Name", &TComponent::GetName, &TComponent::SetName),
                                  props::Ordinal<TComponent, int>("Tag", &TComponent::Tag, &TComponent::SetTag)});
    return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    // Components made while their owner builds its layout are loading too.
    if (owner && owner->Loading()) loading_ = true;
}

TComponent::~TComponent() {
    // Freed without BeforeDestruction (a plain delete): the owned components go now, when
    // only this base part is left.
    if (!destroying_) TComponent::BeforeDestruction();
    DestroyComponents();  // any added while it was being freed
    life_.reset();
    // Anyone still interested learns that this component is gone.
    NotifyRemoval();
}

void TComponentDeleter::operator()(TComponent* component) const {
    if (!component) return;
    if (!component->Destroying()) component->BeforeDestruction();
    delete component;
}

void TComponent::SetName(const std::string& name) { name_ = name; }

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EStringListError(index);
    return components_[static_cast<size_t>(index)].get();
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    for (size_t i = 0; i < owner_->components_.size(); ++i) {
        if (owner_->components_[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    auto same = [&](const std::string& other) {
        return other.size() == name.size() &&
               std::equal(other.begin(), other.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (const auto& c : components_) {
        if (same(c->name_)) return c.get();
    }
    return nullptr;
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
    TComponent* raw = component.get();
    raw->owner_ = this;
    components_.push_back(std::move(component));
    Notification(raw, TOperation::opInsert);
    return raw;
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find_if(components_.begin(), components_.end(),
                           [&](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
    if (it == components_.end()) return nullptr;
    Notification(component, TOperation::opRemove);
    std::unique_ptr<TComponent> released = std::move(*it);
    components_.erase(it);
    released->owner_ = nullptr;
    return released;
}

void TComponent::DestroyComponent(TComponent* component) {
    auto it = std::find_if(components_.begin(), components_.end(),
                           [&](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
    if (it == components_.end()) return;
    if (!component->destroying_) component->BeforeDestruction();
    Notification(component, TOperation::opRemove);
    // Off the list first, but it keeps its Owner while its destructors run.
    it = std::find_if(components_.begin(), components_.end(),
                      [&](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
    if (it == components_.end()) return;
    std::unique_ptr<TComponent> doomed = std::move(*it);
    components_.erase(it);
    doomed.reset();
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back().get();
        DestroyComponent(last);
    }
}

bool TComponent::Free(TComponent* component) {
    if (!component || !component->owner_) return false;
    component->owner_->DestroyComponent(component);
    return true;
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::LoadedAll() {
    // Components may add components in Loaded; index so the list can grow.
    for (size_t i = 0; i < components_.size(); ++i) {
        TComponent* c = components_[i].get();
        if (c->Loading()) c->Loaded();
    }
    Loaded();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Owned components hear about their siblings (a menu reference, a popup component...).
    for (size_t i = components_.size(); i-- > 0;) {
        if (i < components_.size() && components_[i].get() != component)
            components_[i]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    component->freeNotifies_.erase(
        std::remove(component->freeNotifies_.begin(), component->freeNotifies_.end(), this),
        component->freeNotifies_.end());
}

void TComponent::BeforeDestruction() {
    destroying_ = true;
    DestroyComponents();
}

void TComponent::NotifyRemoval() {
    std::vector<TComponent*> interested;
    interested.swap(freeNotifies_);
    for (TComponent* c : interested) {
        c->freeNotifies_.erase(std::remove(c->freeNotifies_.begin(), c->freeNotifies_.end(), this),
                               c->freeNotifies_.end());
        c->Notification(this, TOperation::opRemove);
    }
}
