#include "vcl/Component.h"
#include "support/VclTesting.h"
#include "vcl/SysUtils.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// Records its own destruction, so a test can see who freed what and in which order.
class Tracked : public TComponent
{
    VCL_CLASS(Tracked, TComponent)
public:
    Tracked(TComponent* owner, std::vector<String>& log, const char* name)
        : TComponent(owner), log_(log)
    {
        SetName(QString::fromLatin1(name));
    }
    ~Tracked() override { log_.push_back(Name()); }

private:
    std::vector<String>& log_;
};

class Derived : public Tracked
{
    VCL_CLASS(Derived, Tracked)
public:
    using Tracked::Tracked;
};
} // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirstEachWithWhatItOwns)
{
    std::vector<String> log;
    auto* owner = new Tracked(nullptr, log, "Owner");
    new Tracked(owner, log, "A");
    auto* b = new Tracked(owner, log, "B");
    new Tracked(b, log, "C");
    TComponent::Free(owner);
    // Each destructor's own work runs before the components it owns go.
    EXPECT_EQ(log, (std::vector<String> {"Owner", "B", "C", "A"}));
}

TEST(Component, FreedComponentLeavesItsOwner)
{
    std::vector<String> log;
    Tracked owner(nullptr, log, "Owner");
    auto* a = new Tracked(&owner, log, "A");
    TComponent::Free(a);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Component, NamesAreUniquePerOwnerWithoutRegardToCase)
{
    std::vector<String> log;
    Tracked owner(nullptr, log, "Owner");
    auto* a = new Tracked(&owner, log, "Settings1");
    EXPECT_EQ(owner.FindComponent(QStringLiteral("SETTINGS1")), a);
    EXPECT_EQ(owner.FindComponent(QStringLiteral("Settings2")), nullptr);
    EXPECT_THROW(new Tracked(&owner, log, "settings1"), Exception);
    a->SetName(QStringLiteral("SETTINGS1")); // its own name in other letters is no clash
    EXPECT_EQ(a->Name(), QStringLiteral("SETTINGS1"));
}

TEST(Component, ClassNamesAreTheClassesOwnComparedWithoutCase)
{
    std::vector<String> log;
    Derived derived(nullptr, log, "D");
    EXPECT_EQ(derived.ClassName(), QStringLiteral("Derived"));
    EXPECT_TRUE(derived.ClassNameIs(QStringLiteral("DERIVED")));
    EXPECT_FALSE(derived.ClassNameIs(QStringLiteral("Tracked")));
    EXPECT_TRUE(derived.InheritsFrom(QStringLiteral("tracked")));
    EXPECT_TRUE(derived.InheritsFrom(QStringLiteral("TComponent")));
    EXPECT_FALSE(derived.InheritsFrom(QStringLiteral("TControl")));
}
