#include "ErrorReport.h"
#include "MessageBoxes.h"
#include "QuipError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Records every box and answers it like the user pressing its default button.
struct RecordedBoxes {
    std::vector<MessageBoxRequest> shown;
    ScopedMessageBoxPresenter presenter{[this](const MessageBoxRequest& request) {
        shown.push_back(request);
        return request.kind == MessageBoxRequest::Confirmation ? MessageBoxAnswer::Yes
                                                               : MessageBoxAnswer::Ok;
    }};
};

} // namespace

TEST(ErrorReport, FullStopFollowsALastCharacterAboveTheFullStop) {
    EXPECT_EQ(errorReportText(QStringLiteral("'' ist kein gültiger Integerwert")),
              QStringLiteral("'' ist kein gültiger Integerwert."));
    EXPECT_EQ(errorReportText(QStringLiteral("Datei Gitter_1.txt kann nicht geöffnet werden")),
              QStringLiteral("Datei Gitter_1.txt kann nicht geöffnet werden."));
    EXPECT_EQ(errorReportText(QStringLiteral("Version 2")), QStringLiteral("Version 2."));
    EXPECT_EQ(errorReportText(QStringLiteral("Größe: ä")), QStringLiteral("Größe: ä."));
    EXPECT_EQ(errorReportText(QStringLiteral("Fertig/")), QStringLiteral("Fertig/."));
    // "!", ")", "-", "." and the blank all come before "." or are it.
    for (const char* unchanged : {"Zielfenster x nicht vorhanden!", "(Klammer)", "Strich-",
                                  "Schon ein Punkt.", "Leer ", ""}) {
        EXPECT_EQ(errorReportText(QString::fromUtf8(unchanged)), QString::fromUtf8(unchanged));
    }
}

TEST(ErrorReport, GuardShowsAThrownErrorOnceAndGoesOn) {
    RecordedBoxes boxes;
    int ranAfter = 0;
    EXPECT_FALSE(runGuarded([&] {
        throw QuipError::format(QStringLiteral("nach %s kann nicht geschrieben werden"),
                                QStringLiteral("/tmp/quipsender.INI"));
        ++ranAfter;
    }));
    EXPECT_EQ(ranAfter, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxRequest::Error);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Quipsender"));
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("nach /tmp/quipsender.INI kann nicht geschrieben werden."));

    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("kaputt"); }));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("kaputt."));

    EXPECT_TRUE(runGuarded([&] { ++ranAfter; }));
    EXPECT_EQ(ranAfter, 1);
    EXPECT_EQ(boxes.shown.size(), 2u);
}
