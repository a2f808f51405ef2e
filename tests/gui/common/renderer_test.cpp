// The markup renderer draws into a real picture box; the drawn pieces are
// checked in twips.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/gui_test_env.h"

using namespace quorix::gui;

namespace {

class Renderer : public ::testing::Test {
protected:
    void SetUp() override {
        box.printState() = PrintState{};
        box.printState().x = 100;
        box.printState().y = 1000;
    }
    long width(const QString& s, bool bold = false, bool italic = false) {
        box.setFontBold(bold);
        box.setFontItalic(italic);
        long w = std::lround(box.textWidth(s));
        box.setFontBold(false);
        box.setFontItalic(false);
        return w;
    }
    PictureBox box;  // the test binary's main made the application first
};

}  // namespace

TEST_F(Renderer, BoldGroupNameThenPlainTextOnBaseline) {
    // "|%b|" + ID + "|/b| has order 6." with the ID "S|@3|".
    PrintMarkup(box, "|%b|S|@3||/b| has order 6.");
    const auto& p = box.pieces();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].text, "S");
    EXPECT_TRUE(p[0].font.bold());
    EXPECT_EQ(p[0].y, 1000);
    EXPECT_EQ(p[1].text, "3");
    EXPECT_EQ(p[1].y, 1080);  // subscript lowered by 80
    EXPECT_TRUE(p[1].font.bold());
    EXPECT_EQ(p[2].text, " has order 6.");
    EXPECT_FALSE(p[2].font.bold());
    EXPECT_EQ(p[2].y, 1000);
    EXPECT_FALSE(box.printState().bold);
    EXPECT_EQ(box.printState().x, 100 + width("S", true) + width("3", true) + width(" has order 6."));
}

TEST_F(Renderer, BoldSetByCallerSurvivesCallsButItalicDoesNot) {
    box.printState().bold = true;
    PrintMarkup(box, "A");
    PrintMarkup(box, "|%i|x");
    PrintMarkup(box, "B");
    const auto& p = box.pieces();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_TRUE(p[0].font.bold());
    EXPECT_TRUE(p[1].font.italic());
    EXPECT_TRUE(p[2].font.bold());
    EXPECT_FALSE(p[2].font.italic());
    EXPECT_TRUE(box.printState().bold);
}

TEST_F(Renderer, ExponentIsRaisedAndAdvances) {
    PrintMarkup(box, "A|-1| |.| B");
    const auto& p = box.pieces();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[1].text, "-1");
    EXPECT_EQ(p[1].y, 920);
    EXPECT_EQ(p[1].x, 100 + width("A"));
    EXPECT_EQ(p[2].text, " ");
    EXPECT_EQ(p[2].y, 1000);
    EXPECT_EQ(p[3].text, ".");
    EXPECT_EQ(p[3].y, 920);  // raised dot between two blanks
    EXPECT_EQ(box.printState().x, 100 + width("A") + width("-1") + width(" ") + width(".") + width(" B"));
}

TEST_F(Renderer, StackedStarStandsOverSubscript) {
    PrintMarkup(box, "Z|@7|^*|");
    const auto& p = box.pieces();
    ASSERT_EQ(p.size(), 3u);
    const long zw = width("Z");
    EXPECT_EQ(p[1].text, "7");
    EXPECT_EQ(p[1].x, 100 + zw);
    EXPECT_EQ(p[1].y, 1080);
    EXPECT_EQ(p[2].text, "*");
    EXPECT_EQ(p[2].x, 100 + zw);
    EXPECT_EQ(p[2].y, 920);
    EXPECT_EQ(box.printState().x, 100 + zw + width("7"));
}

TEST_F(Renderer, StackedPieceFirstInCallGoesToZero) {
    PrintMarkup(box, "|^*|");
    ASSERT_EQ(box.pieces().size(), 1u);
    EXPECT_EQ(box.pieces()[0].x, 0);
    EXPECT_EQ(box.printState().x, 100);
}

TEST_F(Renderer, ItalicEndAddsGapOnlyWhenFontNeedsIt) {
    PrintMarkup(box, "|%i|x|/i| = y");
    const bool corr = box.printState().italicCorrection;
    const long expected = 100 + width("x", false, true) + (corr ? 0 : 65) + width(" = y");
    EXPECT_EQ(box.printState().x, expected);
    EXPECT_TRUE(box.pieces()[0].font.italic());
    EXPECT_FALSE(box.pieces()[1].font.italic());
}

TEST_F(Renderer, BreakTextStartsNewLineAfterCommaOnlyFromColumn29000) {
    PrintMarkup(box, "{1, A, B}", ",");
    for (const auto& piece : box.pieces()) EXPECT_EQ(piece.y, 1000);
    box.clear();  // y stays 1000 when nothing broke
    box.printState().x = 29500;
    PrintMarkup(box, "{1, A, B}", ",");
    const auto& p = box.pieces();
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(p[0].text, "{1,");
    EXPECT_EQ(p[0].x, 29500);
    EXPECT_EQ(p[1].text, " A,");
    EXPECT_EQ(p[1].x, 29500);  // the start x of the call
    EXPECT_EQ(p[1].y, 1300);
    EXPECT_EQ(box.printState().y, 1600);
}

TEST_F(Renderer, TextWithoutBarsIsOnePieceAndUnknownCodesAreText) {
    PrintMarkup(box, "plain text");
    ASSERT_EQ(box.pieces().size(), 1u);
    box.clear();
    PrintMarkup(box, "a|%q|b");
    ASSERT_EQ(box.pieces().size(), 3u);
    EXPECT_EQ(box.pieces()[1].text, "%q");
    EXPECT_EQ(box.pieces()[1].y, 920);
}

TEST_F(Renderer, MarkupTextWidthMeasuresCodesToo) {
    const long w = MarkupTextWidth(box, "A|%b|B");
    EXPECT_EQ(w, std::lround(box.textWidth("A") + box.textWidth("%b") + box.textWidth("B")));
    EXPECT_EQ(MarkupTextWidth(box, ""), 0);
}
