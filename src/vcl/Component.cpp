#include "vcl/Component.h"
#include "vcl/SysUtils.h"
#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner)
{
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    destroying_ = true;
    // Owned components leave this list as they go; the last one created goes first.
    while (!components_.empty())
        Free(components_.back());
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::Free(TComponent* component)
{
    if (!component)
        return;
    component->MarkDestroying();
    delete component;
}

void TComponent::MarkDestroying()
{
    destroying_ = true;
    for (TComponent* owned : components_)
        owned->MarkDestroying();
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
}

void TComponent::SetName(const String& value)
{
    if (value.compare(name_, Qt::CaseInsensitive) == 0) {
        name_ = value;
        return;
    }
    if (owner_ && !value.isEmpty() && owner_->FindComponent(value))
        throw Exception(QStringLiteral("A component named %1 already exists").arg(value));
    name_ = value;
}

TComponent* TComponent::FindComponent(const String& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : components_)
        if (component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}
