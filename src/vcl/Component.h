#pragma once
// Owned, named components: an owner destroys what it owns.

#include "vcl/Object.h"
#include <vector>

class TComponent : public TObject
{
    VCL_CLASS(TComponent, TObject)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Marks component and everything it owns as being destroyed, then deletes it. Handlers
    // check Destroying() so that nothing reacts to the teardown of its neighbours.
    static void Free(TComponent* component);

    TComponent* Owner() const { return owner_; }
    String Name() const { return name_; }
    // Names are unique among an owner's components (letters without case); a clash raises.
    void SetName(const String& value);
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(const String& name) const;
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t value) { tag_ = value; }
    bool Destroying() const { return destroying_; }

private:
    void MarkDestroying();
    void RemoveComponent(TComponent* component);

    TComponent* owner_;
    std::vector<TComponent*> components_;
    String name_;
    std::intptr_t tag_ = 0;
    bool destroying_ = false;
};
