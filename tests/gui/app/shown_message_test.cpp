#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gui/app/shown_language.h"
#include "gui_support/english_screen.h"

namespace zorvik::test {
namespace {

// Every kind, with ASCII arguments that each name their place.
std::vector<Message> everyKind() {
    std::vector<Message> messages;
    for (int k = 1; k <= static_cast<int>(MessageKind::Last); ++k) {
        messages.push_back({static_cast<MessageKind>(k), {"<one>", "<two>", "<three>", "<four>"}});
    }
    return messages;
}

TEST(ShownMessages, InEnglishEveryKindHasNoJapaneseAndKeepsItsArguments) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    for (const Message& message : everyKind()) {
        const QString shown = gui::shownText(message);
        const std::string japanese = messagePattern(message.kind);
        EXPECT_FALSE(hasJapanese(shown)) << shown.toStdString();
        // An argument the Japanese shows must be shown in English too.
        for (std::size_t n = 0; n < message.arguments.size(); ++n) {
            if (japanese.find("%" + std::to_string(n + 1)) != std::string::npos) {
                EXPECT_TRUE(shown.contains(QString::fromStdString(message.arguments[n])))
                    << shown.toStdString() << " lacks %" << n + 1;
            }
        }
    }
}

TEST(ShownMessages, WithoutEnglishTheWindowShowsTheJapaneseAsItWas) {
    for (const Message& message : everyKind()) {
        EXPECT_EQ(gui::shownText(message).toStdString(), japaneseText(message));
    }
    // Text of the catalogue is never translated.
    const EnglishScreen english;
    EXPECT_EQ(gui::shownText(Message::verbatim("ディスク %1")), QStringLiteral("ディスク %1"));
}

} // namespace
} // namespace zorvik::test
