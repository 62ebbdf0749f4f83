#include "core/settings/ini_document.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(IniDocument, ReplacementKeepsOrderCommentsAndOtherSections) {
    IniDocument document = IniDocument::parse("; my settings\n"
                                              "[General]\n"
                                              "MainDir = /old\n"
                                              "; keep me\n"
                                              "Width=10\n"
                                              "\n"
                                              "[Other]\n"
                                              "MainDir=/other\n");
    document.setValue("GENERAL", "maindir", "/new");
    document.setValue("General", "Height", "20");
    document.setValue("Third", "a", "b");
    EXPECT_EQ(document.text(), "; my settings\n"
                               "[General]\n"
                               "MainDir=/new\n"
                               "; keep me\n"
                               "Width=10\n"
                               "Height=20\n"
                               "\n"
                               "[Other]\n"
                               "MainDir=/other\n"
                               "[Third]\n"
                               "a=b\n");
    EXPECT_EQ(document.value("other", "MAINDIR"), "/other");
}

TEST(IniDocument, FirstOfDuplicateSectionsAndKeysWins) {
    const IniDocument document = IniDocument::parse("[S]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(document.value("S", "k"), "1");
    EXPECT_FALSE(document.value("S", "j").has_value()); // only the first section is looked at
    EXPECT_FALSE(document.value("T", "k").has_value());
}

TEST(IniDocument, ValuesMayHoldEqualsSignsAndKeysOutsideSectionsAreIgnored) {
    const IniDocument document = IniDocument::parse("stray=1\n[Files]\nsprite=a=b.sff\n");
    EXPECT_EQ(document.value("Files", "sprite"), "a=b.sff");
    EXPECT_FALSE(document.value("", "stray").has_value());
}

TEST(IniDocument, LastLineWithoutLineEndStaysSo) {
    IniDocument document = IniDocument::parse("[S]\nk=1");
    document.setValue("S", "k", "2");
    EXPECT_EQ(document.text(), "[S]\nk=2");
}

} // namespace
} // namespace zorvik
