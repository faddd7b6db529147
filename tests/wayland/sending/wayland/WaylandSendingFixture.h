#pragma once

#include "sending/SendingPlatform.h"
#include "sending/wayland/WaylandPlatform.h"
#include "support/sending/TypedTexts.h"
#include "support/wayland/WaylandSession.h"
#include "support/wayland/WaylandTargets.h"
#include "support/wayland/WaylandWindowList.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// One compositor for the whole test program (QUIP_TEST_KWIN picks KWin, else sway), with
// the four targets every case sends to: the Qt text box natively and under XWayland, and
// the chat page in Chromium natively and under XWayland. One platform for the program, as
// the program keeps one, made by the first case.
class WaylandSendingTest : public ::testing::Test {
protected:
    static constexpr Compositor kCompositor = QUIP_TEST_KWIN ? Compositor::KWin : Compositor::Sway;

    static void SetUpTestSuite() {
        session_ = std::make_unique<WaylandSession>(kCompositor);
        targets_.push_back(
            std::make_unique<WaylandChatTarget>(*session_, "Chat Nativ", TargetPlatform::Native));
        targets_.push_back(std::make_unique<WaylandChatTarget>(*session_, "Chat XWayland",
                                                               TargetPlatform::XWayland));
        targets_.push_back(std::make_unique<WaylandChromiumChat>(*session_, "Seite Wayland",
                                                                 TargetPlatform::Native));
        targets_.push_back(std::make_unique<WaylandChromiumChat>(*session_, "Seite X11",
                                                                 TargetPlatform::XWayland));
    }

    // Made by the first case that needs it: the first case sends at once after it is made.
    static void makePlatform() {
        if (!platform_) {
            platform_ = createWaylandPlatform(
                kCompositor == Compositor::KWin ? WaylandDesktop::KWin : WaylandDesktop::Wlroots,
                session_->socket());
        }
    }

    static void TearDownTestSuite() {
        platform_.reset();
        targets_.clear();
        session_.reset();
    }

    static SendingPlatform& platform() {
        makePlatform();
        if (!platform_) {
            throw std::runtime_error("the compositor turned us away");
        }
        return *platform_;
    }

    static WaylandTarget& target(std::size_t index) { return *targets_.at(index); }

    static std::unique_ptr<WaylandSession> session_;
    static std::vector<std::unique_ptr<WaylandTarget>> targets_;
    static std::unique_ptr<SendingPlatform> platform_;
};
