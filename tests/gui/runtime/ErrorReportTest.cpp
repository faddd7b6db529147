#include "runtime/ErrorReport.h"
#include "runtime/MessageBoxes.h"
#include "runtime/QuipError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

TEST(ErrorReport, AFullStopFollowsALastCharacterThatSortsAfterTheFullStop) {
    // {text, whether a full stop is added}; "!", "-" and the blank sort before ".".
    const std::pair<const char*, bool> rows[] = {
        {"'' ist kein gültiger Integerwert", true},
        {"Größe: ä", true},
        {"Fertig/", true},
        {"Zielfenster x nicht vorhanden!", false},
        {"Strich-", false},
        {"Schon ein Punkt.", false},
        {"Leer ", false},
        {"", false},
    };
    for (const auto& [text, addsStop] : rows) {
        const QString input = QString::fromUtf8(text);
        EXPECT_EQ(errorReportText(input), addsStop ? input + u'.' : input) << text;
    }
}

TEST(ErrorReport, GuardShowsAThrownErrorOnceAndGoesOn) {
    std::vector<MessageBoxRequest> shown;
    const ScopedMessageBoxPresenter presenter([&](const MessageBoxRequest& request) {
        shown.push_back(request);
        return MessageBoxAnswer::Ok;
    });
    int ranAfter = 0;
    EXPECT_FALSE(runGuarded([&] {
        throw QuipError::format(QStringLiteral("nach %s kann nicht geschrieben werden"),
                                QStringLiteral("/tmp/quipsender.INI"));
        ++ranAfter;
    }));
    EXPECT_EQ(ranAfter, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageBoxRequest::Error);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Quipsender"));
    EXPECT_EQ(shown[0].text,
              QStringLiteral("nach /tmp/quipsender.INI kann nicht geschrieben werden."));

    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("kaputt"); }));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, QStringLiteral("kaputt."));

    EXPECT_TRUE(runGuarded([&] { ++ranAfter; }));
    EXPECT_EQ(ranAfter, 1);
    EXPECT_EQ(shown.size(), 2u);
}
