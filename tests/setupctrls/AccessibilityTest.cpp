#include "MarkerWorld.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "vcl/ControlAccessible.h"
#include <QAccessible>
#include <vector>

namespace {
// The accessible children of a surface, by name.
QAccessibleInterface* ChildNamed(TWinControl* surface, const QString& name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(surface->ClientView());
    for (int i = 0; accessible && i < accessible->childCount(); ++i)
        if (QAccessibleInterface* child = accessible->child(i);
            child && child->text(QAccessible::Name) == name)
            return child;
    return nullptr;
}

// Collects the events assistive technology would hear while it lives.
struct AccessibilityListener
{
    AccessibilityListener()
    {
        events().clear();
        SetAccessibilityListener([](QAccessibleEvent& event) {
            events().push_back({event.type(), event.accessibleInterface()});
        });
    }
    ~AccessibilityListener() { SetAccessibilityListener(nullptr); }
    struct Event
    {
        QAccessible::Event type;
        QAccessibleInterface* about;
    };
    static std::vector<Event>& events()
    {
        static std::vector<Event> heard;
        return heard;
    }
    bool Heard(QAccessible::Event type, QAccessibleInterface* about) const
    {
        for (const auto& event : events())
            if (event.type == type && event.about == about)
                return true;
        return false;
    }
};
} // namespace

using Accessibility = MarkerWorld;

TEST_F(Accessibility, AMarkerIsAButtonNamedByItsTitleThatShowsItsPopupState)
{
    auto* marker = AddMarker(
        "Relay &Enabling", Bounds(106, 249, 51, 21), AddPanel(Bounds(277, 406, 260, 59)));
    Start();
    QAccessibleInterface* accessible = ChildNamed(board, QStringLiteral("Relay Enabling"));
    ASSERT_NE(accessible, nullptr) << "the board's surface lists its windowless markers";
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_TRUE(accessible->state().hasPopup);
    EXPECT_FALSE(accessible->state().expanded);
    EXPECT_EQ(accessible->parent()->object(), board->ClientView());
    const TPoint origin = marker->ClientToScreen({0, 0});
    EXPECT_EQ(accessible->rect(), QRect(origin.X, origin.Y, 51, 21));

    AccessibilityListener listener;
    Enter(marker);
    EXPECT_TRUE(accessible->state().expanded);
    EXPECT_TRUE(accessible->state().hotTracked);
    EXPECT_TRUE(listener.Heard(QAccessible::StateChanged, accessible));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(accessible->state().checked) << "pressed through accessibility: pinned";
}

TEST_F(Accessibility, AJumperSaysWhereItsCapSitsAndAnnouncesChanges)
{
    TRadioPanel* panel = AddPanel(Bounds(10, 10, 200, 60));
    auto* three = new TThreeJumper(host.get());
    three->SetParent(panel);
    three->SetJumperState(jsRight);
    auto* two = new TTwoJumper(host.get());
    two->SetParent(panel);
    two->SetLeft(100);
    panel->SetVisible(true);
    QAccessibleInterface* accessible
        = ChildNamed(panel, QStringLiteral("jumper, cap on middle and right pins"));
    ASSERT_NE(accessible, nullptr);
    QAccessibleInterface* pair = ChildNamed(panel, QStringLiteral("jumper, no cap"));
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->role(), QAccessible::CheckBox);

    AccessibilityListener listener;
    three->Click();
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("jumper, no cap"));
    three->Click();
    EXPECT_EQ(
        accessible->text(QAccessible::Name), QStringLiteral("jumper, cap on left and middle pins"));
    EXPECT_TRUE(listener.Heard(QAccessible::NameChanged, accessible));
    two->SetClosed(true);
    EXPECT_TRUE(pair->state().checked);
    EXPECT_TRUE(listener.Heard(QAccessible::NameChanged, pair));
    two->SetEnabled(false);
    EXPECT_TRUE(pair->state().disabled);
    EXPECT_TRUE(pair->actionInterface()->actionNames().isEmpty())
        << "a disabled jumper cannot be pressed";
}

TEST_F(Accessibility, AGoneControlLeavesNoInterfaceBehind)
{
    TRadioPanel* panel = AddPanel(Bounds(10, 10, 200, 60));
    panel->SetVisible(true);
    auto* jumper = new TThreeJumper(host.get());
    jumper->SetParent(panel);
    QAccessibleInterface* accessible = ChildNamed(panel, QStringLiteral("jumper, no cap"));
    ASSERT_NE(accessible, nullptr);
    const QAccessible::Id id = QAccessible::uniqueId(accessible);
    TComponent::Free(jumper);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_EQ(ChildNamed(panel, QStringLiteral("jumper, no cap")), nullptr);
}
