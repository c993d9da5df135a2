#include "framework/core/Component.h"

#include <algorithm>

#include "framework/core/StringList.h"

namespace tw {

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info{"TComponent",
                                 &TObject::StaticClassInfo(),
                                 {
                                     StrProp<TComponent>(
                                         "Name", [](const TComponent& c) { return c.Name(); },
                                         [](TComponent& c, const std::string& v) { c.SetName(v); }),
                                     IntProp<TComponent>(
                                         "Tag", [](const TComponent& c) { return c.Tag(); },
                                         [](TComponent& c, int64_t v) { c.SetTag(static_cast<int>(v)); }),
                                 }};
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) {
        // A component made while its owner's stored values are read is read with them.
        if (owner->IsLoading()) state_ |= csLoading;
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Everyone who asked is told first, while this object is still whole as a TComponent.
    std::vector<TComponent*> notifies;
    notifies.swap(freeNotifies_);
    for (TComponent* c : notifies) {
        auto& back = c->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        c->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (SameText(c->Name(), name)) return c;
    return nullptr;
}

void TComponent::BeginLoading() {
    state_ |= csLoading;
    for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
    for (TComponent* c : std::vector<TComponent*>(components_)) c->EndLoading();
    if (state_ & csLoading) {
        state_ &= ~static_cast<unsigned>(csLoading);
        Loaded();
    }
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    other->freeNotifies_.erase(std::remove(other->freeNotifies_.begin(), other->freeNotifies_.end(), this),
                               other->freeNotifies_.end());
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), other), freeNotifies_.end());
}

void TComponent::DestroyComponents() {
    // Each owned component removes itself from the list as it goes.
    while (!components_.empty()) delete components_.back();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) RemoveFreeNotification(component);
    for (TComponent* c : std::vector<TComponent*>(components_))
        if (c != component) c->Notification(component, operation);
}

void TComponent::InsertComponent(TComponent* c) {
    components_.push_back(c);
    c->owner_ = this;
    Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
    Notification(c, TOperation::opRemove);
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
    c->owner_ = nullptr;
}

}  // namespace tw
