// What only KWin has: minimised windows, and Caps Lock, which applies to fake input.
#include "WaylandSendingFixture.h"

#include "sending/SendPreviewText.h"
#include "sending/VirtualKeys.h"

TEST_F(WaylandSendingTest, AMinimisedTargetIsRestoredAndTypedInto) {
    for (const TargetPlatform kind : {TargetPlatform::Native, TargetPlatform::XWayland}) {
        const std::string caption =
            kind == TargetPlatform::Native ? "Klein Nativ" : "Klein XWayland";
        SCOPED_TRACE(caption);
        WaylandChatTarget small(*session_, caption, kind, true);
        WaylandWindowList windows(*session_);
        const auto before = windows.find(caption);
        ASSERT_TRUE(before);
        EXPECT_TRUE(before->minimized);
        ASSERT_EQ(SendPreviewText(platform(), caption, "wieder da", false), SendResult::Sent);
        EXPECT_EQ(small.waitForText("wieder da"), "wieder da");
        const auto after = windows.find(caption);
        ASSERT_TRUE(after);
        EXPECT_FALSE(after->minimized);
        EXPECT_TRUE(after->active);
    }
}

TEST_F(WaylandSendingTest, LettersComeOutAsWrittenWithCapsLockOnAndItStaysOn) {
    const auto toggleCapsLock = [] {
        platform().injectKeyEvent(kVkCapsLock, KeyDirection::Down, KeySource::VirtualKey);
        platform().injectKeyEvent(kVkCapsLock, KeyDirection::Up, KeySource::VirtualKey);
    };
    ASSERT_FALSE(platform().capsLockOn());
    toggleCapsLock();
    ASSERT_TRUE(platform().capsLockOn());
    for (const std::size_t i : {std::size_t{0}, std::size_t{2}}) {
        SCOPED_TRACE(target(i).caption());
        const std::string before = target(i).text();
        ASSERT_EQ(SendPreviewText(platform(), target(i).caption(), "Ab cD", false),
                  SendResult::Sent);
        EXPECT_EQ(target(i).waitForText(before + "Ab cD"), before + "Ab cD");
        EXPECT_TRUE(platform().capsLockOn());
    }
    toggleCapsLock();
    EXPECT_FALSE(platform().capsLockOn());
}
