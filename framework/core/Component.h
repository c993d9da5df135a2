// TComponent: named, tagged objects with an owner that frees what it owns and tells
// interested components when one goes.
#pragma once

#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"

namespace tw {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1,     // stored values are being set; Loaded follows
    csDestroying = 2,  // the destructor is running
    csDesigning = 4,   // never set at run time; kept for the rules that mention design time
};

class TComponent : public TObject {
    TW_CLASS_INFO()
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    bool IsDesigning() const { return (state_ & csDesigning) != 0; }

    // Stored-value reading brackets: BeginLoading marks this component and everything it owns
    // as loading; EndLoading clears the mark and calls Loaded on each, owned ones first.
    void BeginLoading();
    void EndLoading();
    // Marks only this component, so that components made with it as owner are read as loading
    // while its existing ones are left alone (an application making one more form).
    void MarkLoading(bool loading) {
        if (loading) state_ |= csLoading;
        else
            state_ &= ~static_cast<unsigned>(csLoading);
    }
    virtual void Loaded() {}

    // Asks for a Notification(this-component, opRemove) when other goes, whoever owns it.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // Frees every owned component, the last created first.
    void DestroyComponents();

protected:
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    int tag_ = 0;
    unsigned state_ = 0;
};

}  // namespace tw
