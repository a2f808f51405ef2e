// The structure panels driven through their controls: the subgroup list and
// the panels its buttons open, the series, the classes, Choose Group, Halt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <set>

#include "gui/analysis/analysis_panels.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"
#include "gui/storage/group_list_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class AnalysisPanels : public quorix::testing::GuiTest {
protected:
    AnalysisPanels() { ctx.groups.SetAutosave(false); }

    // The panel of that name a button opened, once its work is done.
    template <class P>
    static P* openedPanel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) {
                auto* p = dynamic_cast<P*>(w);
                if (p) {
                    EXPECT_TRUE(quorix::testing::settle(*p));
                }
                return p;
            }
        return nullptr;
    }
    // A panel opened on the group at `position`, shown, its work done.
    template <class P>
    std::unique_ptr<P> opened(int position) {
        auto p = std::make_unique<P>(ctx, on(position));
        p->show();
        EXPECT_TRUE(quorix::testing::settle(*p));
        return p;
    }
    static int visibleButtons(const Panel& p, const QString& prefix) {
        int n = 0;
        for (QPushButton* b : p.findChildren<QPushButton*>())
            if (b->objectName().startsWith(prefix) && !b->isHidden()) ++n;
        return n;
    }
    static QString text(const Panel& p) { return p.pictureBox()->plainText(); }
    // The catalogue notes printed, without their numbers: "#8 D4".
    static QStringList notes(const Panel& p) {
        QStringList out;
        const QRegularExpression note(QStringLiteral(R"(\[#(\d+)-\d+ ([^\]]+)\])"));
        for (auto it = note.globalMatch(p.pictureBox()->plainText(QString())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out << QStringLiteral("#%1 %2").arg(m.captured(1), m.captured(2));
        }
        return out;
    }
};

}  // namespace

TEST_F(AnalysisPanels, S4SubgroupsAndThePanelsTheirButtonsOpen) {
    add("S4", "S|@4|");
    auto opened4 = opened<SubgroupsPanel>(1);
    SubgroupsPanel& p = *opened4;
    ASSERT_EQ(p.subgroups().size(), 30u);
    EXPECT_FALSE(p.partial());
    // Normal: trivial, Klein four, A4, S4; centre trivial (1), commutator A4 (2).
    EXPECT_EQ(visibleButtons(p, "cmdShowQuotientGroup_"), 4);
    // Every subgroup line but that of S4 itself (order 24) names its group.
    const QStringList names = notes(p);
    EXPECT_EQ(names.size(), 29);
    EXPECT_EQ(names.count("#12 A4"), 1);
    EXPECT_EQ(names.count("#8 D4"), 3);
    EXPECT_EQ(names.count("#4 Z2 x Z2"), 4);
    EXPECT_TRUE(text(p).contains("This subgroup is the center of"));
    EXPECT_TRUE(text(p).contains("This subgroup is the commutator subgroup of"));
    EXPECT_EQ(text(p).count("elements, as listed above)"), 2);  // both calculators answer
    EXPECT_FALSE(p.findChild<QWidget*>("lstElements")->isHidden());
    EXPECT_EQ(ctx.groups.RegisterIndex("Subgroup4-1(S|@4|)") > 0, true);
    p.resize(1250, 1250);
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroups-S4"));

    // The normal subgroup of order 4 is the second button (after the trivial one).
    int orderFour = -1;
    for (std::size_t i = 0; i < p.subgroups().size(); ++i)
        if (p.subgroups()[i]->order() == 4 &&
            !p.findChild<QPushButton*>(QStringLiteral("cmdShowQuotientGroup_%1").arg(i))->isHidden())
            orderFour = static_cast<int>(i);
    ASSERT_GE(orderFour, 0);
    p.findChild<QPushButton*>(QStringLiteral("cmdShowQuotientGroup_%1").arg(orderFour))->click();
    auto* q = openedPanel<QuotientPanel>("dlgShowQuotientGroup");
    ASSERT_NE(q, nullptr);
    ASSERT_EQ(q->listing().cosets.size(), 6u);
    EXPECT_EQ(q->listing().table.size(), 6u);
    EXPECT_EQ(q->listing().table[5].size(), 6u);
    EXPECT_TRUE(text(*q).contains("has order 6"));
    EXPECT_EQ(notes(*q), QStringList{"#6 D3"});
    quorix::testing::snapshot(*q, QStringLiteral("dlgShowQuotientGroup-S4"));
    q->close();

    // The same subgroup, selected in the normalizer calculator, organises the group's table.
    p.findChild<QListWidget*>("lstSubgroups")->setCurrentRow(orderFour);
    p.findChild<QPushButton*>("cmdOrganiseTable")->click();
    auto* table = openedPanel<ShowGroupPanel>("dlgShowGroup");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->tableStyle().organiseBy.has_value());
    EXPECT_EQ(table->tableStyle().organiseBy->count(), 4u);
    EXPECT_TRUE(text(*table).contains("the blocks form the table of the quotient group of order 6"));
    table->close();

    p.findChild<QPushButton*>("cmdShowSGConjugacyClasses")->click();
    auto* sc = openedPanel<SubgroupClassesPanel>("dlgSubgroupConjugacyClasses");
    ASSERT_NE(sc, nullptr);
    EXPECT_EQ(sc->classes().classes.size(), 11u);
    EXPECT_TRUE(text(*sc).contains("Number of subgroups for G ="));
    // The count of 30 subgroups stands right before its "=", far right of
    // where "Number of subgroups" starts.
    const PictureBox::Piece *count = nullptr, *words = nullptr;
    for (const PictureBox::Piece& piece : sc->pictureBox()->pieces()) {
        if (piece.text == "30") count = &piece;
        if (piece.text == "Number of subgroups ") words = &piece;
    }
    ASSERT_TRUE(count && words);
    for (const PictureBox::Piece& piece : sc->pictureBox()->pieces())
        if (piece.text == "= " && piece.y == count->y) {
            EXPECT_NEAR(piece.x - count->x, 250, 150);
        }
    EXPECT_GT(count->x, words->x + 1000);
    EXPECT_EQ(notes(*sc).size(), 10);  // one per class heading, none for S4's own class
    quorix::testing::snapshot(*sc, QStringLiteral("dlgSubgroupConjugacyClasses-S4"));
    sc->setOriginalNames(!sc->originalNames());
    EXPECT_EQ(sc->classes().classes.size(), 11u);
    sc->close();
}

TEST_F(AnalysisPanels, S5HitsTheLimitAndHaltKeepsAUsablePanel) {
    add("S5", "S|@5|");
    add("S3", "S|@3|");
    {
        auto opened5 = opened<SubgroupsPanel>(1);
        SubgroupsPanel& p = *opened5;
        EXPECT_TRUE(p.partial());
        EXPECT_EQ(host.messages, std::vector<std::string>{"Limit of 60 reached."});
        EXPECT_TRUE(text(p).contains("(partial list)"));
        EXPECT_TRUE(p.findChild<QWidget*>("cmdShowSGConjugacyClasses")->isHidden());
        EXPECT_TRUE(p.findChild<QWidget*>("lstElements")->isHidden());
    }
    // Halt during the enumeration of the largest group: No, then Yes.
    SubgroupsPanel p(ctx, {});
    p.show();
    EXPECT_TRUE(text(p).contains("(limit of 60 subgroups)"));
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroups-empty"));
    // Halt is pressed once a few subgroups have been found.
    auto halt = [&p] {
        p.setWorkerHook([](const std::string& text, quorix::Progress& progress) {
            if (text.rfind("5 ", 0) == 0) progress.RequestStop();
        });
    };
    script = [](QDialog& d) {
        auto& list = dynamic_cast<GroupListPanel&>(d);
        list.list()->setCurrentRow(0);
        list.findChild<QPushButton*>("cmdChooseGroup")->click();
    };
    halt();
    p.chooseAndAnalyse();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(p.halted());
    EXPECT_TRUE(text(p).contains("Subgroup computation halted."));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].rfind("Halting...", 0), 0u);
    host.answers.push_back(true);
    halt();
    p.chooseAndAnalyse();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_FALSE(p.halted());
    EXPECT_TRUE(p.partial());
    EXPECT_GE(p.subgroups().size(), 4u);
    EXPECT_TRUE(text(p).contains("(partial list)"));
    p.setWorkerHook({});
    // Still usable: another group is listed in full.
    script = [](QDialog& d) {
        auto& list = dynamic_cast<GroupListPanel&>(d);
        list.list()->setCurrentRow(1);
        list.findChild<QPushButton*>("cmdChooseGroup")->click();
    };
    p.chooseAndAnalyse();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.subgroups().size(), 6u);
    EXPECT_FALSE(p.partial());
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroups-S3"));
}

TEST_F(AnalysisPanels, CancelledChoiceLeavesNothingAndSeriesAndClassesAreRight) {
    add("S4", "S|@4|");
    add("A5", "A|@5|");
    add("S5", "S|@5|");
    {
        SeriesPanel p(ctx, {});
        p.show();
        EXPECT_TRUE(text(p).contains("Composition Series for group..."));
        quorix::testing::snapshot(p, QStringLiteral("dlgShowCompositionSeries-empty"));
        script = [](QDialog& d) { d.findChild<QPushButton*>("cmdOK")->click(); };
        p.findChild<QPushButton*>("cmdChooseGroup")->click();
        EXPECT_EQ(p.group(), nullptr);
        EXPECT_FALSE(p.isVisible());
    }
    auto opened4 = opened<SeriesPanel>(1);
    SeriesPanel& s4 = *opened4;
    EXPECT_EQ(s4.series().factors, (std::vector<int>{0, 2, 3, 2, 2}));
    EXPECT_TRUE(text(s4).contains(" is solvable."));
    EXPECT_EQ(notes(s4), (QStringList{"#2 Z2", "#3 Z3", "#2 Z2", "#2 Z2"}));
    EXPECT_GT(ctx.groups.RegisterIndex("N|@1|(S|@4|)"), 0);
    quorix::testing::snapshot(s4, QStringLiteral("dlgShowCompositionSeries-S4"));
    auto opened5 = opened<SeriesPanel>(2);
    SeriesPanel& a5 = *opened5;
    EXPECT_EQ(a5.series().factors, (std::vector<int>{0, 60}));
    EXPECT_TRUE(text(a5).contains(" is not solvable."));
    // The simple factor A5 (order 60) has no catalogue name; S5/A5 has.
    auto openedS5 = opened<SeriesPanel>(3);
    SeriesPanel& s5 = *openedS5;
    EXPECT_EQ(s5.series().factors, (std::vector<int>{0, 2, 60}));
    EXPECT_EQ(notes(s5), QStringList{"#2 Z2"});

    auto openedClasses = opened<ClassesPanel>(1);
    ClassesPanel& c = *openedClasses;
    for (bool original : {false, true}) {
        c.setOriginalNames(original);
        std::vector<int> sizes;
        for (const ConjugacyClass& cl : c.classes().classes) sizes.push_back(cl.Size());
        std::sort(sizes.begin(), sizes.end());
        EXPECT_EQ(sizes, (std::vector<int>{1, 3, 6, 6, 8}));
    }
    EXPECT_TRUE(text(c).contains("Class equation of G"));
    EXPECT_TRUE(text(c).contains("abbreviated as 9999."));
    quorix::testing::snapshot(c, QStringLiteral("dlgShowConjugacyClasses-S4"));
}

TEST_F(AnalysisPanels, MenusOpenEmptyAndAPanelKeepsItsGroupThroughDeletions) {
    add("Z2xZ4", "Z|@2|xZ|@4|");
    add("Z2xZ2", "Z|@2|xZ|@2|");
    auto opened2 = opened<SubgroupsPanel>(2);
    SubgroupsPanel& p = *opened2;
    // From the menu: no group, whatever another panel shows.
    for (const char* name : {"dlgSubgroups", "dlgShowConjugacyClasses", "dlgShowCompositionSeries"}) {
        auto* fresh = dynamic_cast<StructurePanel*>(ctx.panels.open(QString::fromLatin1(name), ctx));
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(fresh->group(), nullptr) << name;
        fresh->close();
    }
    // An earlier group deleted: the quotient is still of Z2 x Z2.
    ASSERT_FALSE(ctx.groups.DeleteGroups({1}));
    p.findChild<QPushButton*>("cmdShowQuotientGroup_1")->click();
    auto* q = openedPanel<QuotientPanel>("dlgShowQuotientGroup");
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->group(), p.group());
    EXPECT_TRUE(QString::fromStdString(q->listing().quotient->GroupID()).startsWith("Z|@2|xZ|@2|/"));
    q->close();
    // The group itself deleted: refused with a message, nothing opened.
    ctx.groups.DeleteGroups({ctx.groups.RegisterIndex(*p.group())});
    host.messages.clear();
    p.findChild<QPushButton*>("cmdShowLattice")->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("no longer in the register"), std::string::npos);
    EXPECT_EQ(openedPanel<Panel>("dlgSubgroupLattice"), nullptr);
}

TEST_F(AnalysisPanels, ClassEquationPictureMarksANormalSubgroup) {
    add("A5", "A|@5|");
    add("S4", "S|@4|");
    auto squares = [](const Panel& p, const QColor& colour) {
        int n = 0;
        for (const auto& piece : p.pictureBox()->pieces())
            n += piece.kind == PictureBox::Piece::Rect && piece.color == colour;
        return n;
    };
    const QColor marked(235, 145, 40);
    auto openedA5 = opened<ClassesPanel>(1);
    ClassesPanel& a5 = *openedA5;
    // Simple: only the trivial subgroup and the whole group are unions of classes.
    ASSERT_EQ(a5.normalSubgroups().size(), 2u);
    EXPECT_TRUE(text(a5).contains("60 = 1 + "));
    EXPECT_TRUE(text(a5).contains("(centre: 1)"));
    int rects = 0;
    for (const auto& piece : a5.pictureBox()->pieces()) rects += piece.kind == PictureBox::Piece::Rect;
    EXPECT_EQ(rects, 60);
    quorix::testing::snapshot(a5, QStringLiteral("dlgShowConjugacyClasses-A5-picture"));

    auto openedS4 = opened<ClassesPanel>(2);
    ClassesPanel& s4 = *openedS4;
    ASSERT_EQ(s4.normalSubgroups().size(), 4u);
    s4.markNormalSubgroup(2);  // V4 = 1 + 3
    EXPECT_EQ(squares(s4, marked), 4);
    EXPECT_TRUE(text(s4).contains("Normal subgroup of order 4 = 1 + 3"));
    // The other naming (another index order) keeps the mark.
    s4.setOriginalNames(!s4.originalNames());
    EXPECT_EQ(squares(s4, marked), 4);
    quorix::testing::snapshot(s4, QStringLiteral("dlgShowConjugacyClasses-S4-V4"));
}

namespace {

using Piece = PictureBox::Piece;

std::vector<const Piece*> TextPieces(const Panel& p, const QString& prefix) {
    std::vector<const Piece*> out;
    for (const Piece& piece : p.pictureBox()->pieces())
        if (piece.kind == Piece::Text && piece.text.startsWith(prefix)) out.push_back(&piece);
    return out;
}

// The whole picture, beyond the window, beside the snapshots.
void SavePicture(const Panel& p, const char* name) {
    const QString dir = qEnvironmentVariable("QUORIX_GRAB_DIR");
    if (!dir.isEmpty()) p.pictureBox()->savePng(QDir(dir).filePath(QString::fromLatin1(name) + ".png"));
}

}  // namespace

TEST_F(AnalysisPanels, SeriesAndQuotientLayOutTitlesColumnsAndLongLists) {
    add("S5", "S|@5|");
    add("A5", "A|@5|");
    auto opened5 = opened<SeriesPanel>(1);
    const SeriesPanel& s5 = *opened5;
    const Piece& title = s5.pictureBox()->pieces().front();
    EXPECT_NEAR(title.font.pointSizeF(), 1.5 * kPictureFontSize, 0.01);
    // Every "Order:" in one column, each factor on its line further right.
    const auto orders = TextPieces(s5, "Order:"), factors = TextPieces(s5, "Composition Factor:");
    ASSERT_EQ(orders.size(), 3u);
    ASSERT_EQ(factors.size(), 2u);
    for (const Piece* o : orders) EXPECT_EQ(o->x, orders[0]->x);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(factors[i]->y, orders[i + 1]->y);
        EXPECT_GT(factors[i]->x, orders[0]->x + 1000);
    }
    // A5's sixty elements wrap after a comma instead of running on.
    double right = 0;
    for (const Piece& piece : s5.pictureBox()->pieces()) right = std::max(right, PxToTwips(piece.bounds.right()));
    EXPECT_LT(right, 30500);
    EXPECT_GT(orders[1]->y - orders[0]->y, 900);
    quorix::testing::snapshot(*opened5, QStringLiteral("dlgShowCompositionSeries-S5"));
    // The widest line is drawn whole once the panel has settled.
    QCoreApplication::processEvents();
    EXPECT_GE(s5.pictureBox()->width(), s5.pictureBox()->pictureSize().width());

    // A5 by its trivial subgroup: sixty cosets, their "=" in one column.
    auto list = opened<SubgroupsPanel>(2);
    list->findChild<QPushButton*>("cmdShowQuotientGroup_0")->click();
    auto* q = openedPanel<QuotientPanel>("dlgShowQuotientGroup");
    ASSERT_NE(q, nullptr);
    const auto equals = TextPieces(*q, "= ");
    ASSERT_EQ(equals.size(), 60u);
    for (const Piece* e : equals) EXPECT_EQ(e->x, equals[0]->x);
    quorix::testing::snapshot(*q, QStringLiteral("dlgShowQuotientGroup-A5-trivial"));
    // The table reaches far right and down; all of it is drawn, within reach.
    const PictureBox& box = *q->pictureBox();
    EXPECT_GT(box.pictureSize().width(), 3000);
    EXPECT_GE(box.width(), box.pictureSize().width());
    EXPECT_GE(box.height(), box.pictureSize().height());
    EXPECT_GE(box.parentWidget()->width(), box.pictureSize().width());
    SavePicture(*q, "dlgShowQuotientGroup-A5-trivial-picture");
    q->close();
}

TEST_F(AnalysisPanels, S5ClassesFlowInColumnsWithRulesTheNoteAndOneEqualsColumn) {
    add("S5", "S|@5|");
    auto opened5 = opened<ClassesPanel>(1);
    ClassesPanel& c = *opened5;
    c.setOriginalNames(true);
    // The note writes a permutation as points over values.
    EXPECT_FALSE(text(c).contains(" over "));
    const auto points = TextPieces(c, "12345"), values = TextPieces(c, "99999");
    ASSERT_FALSE(points.empty());
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(points[0]->x, values[0]->x);
    EXPECT_GT(values[0]->y, points[0]->y);
    // 120 members take several columns; a class cut by a column goes on under
    // its heading again.
    std::set<double> columns;
    for (const Piece* h : TextPieces(c, "Conjugacy Class Cl(")) columns.insert(h->x);
    EXPECT_GE(columns.size(), 3u);
    EXPECT_TRUE(text(c).contains(")--continued"));
    int rules = 0;
    for (const Piece& piece : c.pictureBox()->pieces())
        rules += piece.kind == Piece::Line && piece.y == piece.y2 && piece.x2 - piece.x == 5000;
    EXPECT_GE(rules, 7);  // one under each class
    const auto equals = TextPieces(c, "= ");
    ASSERT_EQ(equals.size(), 3u);
    EXPECT_TRUE(equals[0]->x == equals[1]->x && equals[1]->x == equals[2]->x);
    quorix::testing::snapshot(c, QStringLiteral("dlgShowConjugacyClasses-S5"));
    SavePicture(c, "dlgShowConjugacyClasses-S5-picture");
}

TEST_F(AnalysisPanels, APartialListSaysWhatItHoldsAndOffersTheWholeList) {
    add("S5", "S5");
    auto opened5 = opened<SubgroupsPanel>(1);
    SubgroupsPanel& p = *opened5;
    ASSERT_TRUE(p.partial());
    auto* note = p.findChild<QFrame*>("framePartial");
    ASSERT_NE(note, nullptr);
    ASSERT_FALSE(note->isHidden());
    const QString said = p.findChild<QLabel*>("lblPartial")->text();
    EXPECT_TRUE(said.contains("Limit of 60 reached")) << said.toStdString();
    EXPECT_TRUE(said.contains("(even {1})")) << said.toStdString();
    EXPECT_TRUE(said.contains("120 (1), 60 (1)")) << said.toStdString();
    // The note stands between the title and the column headings.
    for (const PictureBox::Piece& piece : p.pictureBox()->pieces())
        if (piece.text == "Subgroup ID") {
            EXPECT_GT(TwipsToPx(piece.y), note->geometry().bottom());
        }
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroups-S5-partial"));

    p.findChild<QPushButton*>("cmdShowAllSubgroups")->click();
    ASSERT_TRUE(QTest::qWaitFor([&p] { return !p.partial() && !p.jobRunning(); }, 60000));
    EXPECT_EQ(p.subgroups().size(), 156u);
    EXPECT_TRUE(note->isHidden());
    EXPECT_FALSE(p.findChild<QWidget*>("lstElements")->isHidden());
    EXPECT_FALSE(p.findChild<QWidget*>("cmdShowSGConjugacyClasses")->isHidden());
    EXPECT_FALSE(text(p).contains("(partial list)"));
}

TEST_F(AnalysisPanels, S7ClassesComeInPagesUnderTheirHeadings) {
    add("S7", "S|@7|");
    auto opened7 = opened<ClassesPanel>(1);
    ClassesPanel& c = *opened7;
    auto* pager = c.findChild<QFrame*>(QStringLiteral("framePagerAbove"));
    ASSERT_NE(pager, nullptr);
    EXPECT_TRUE(pager->isVisible());
    EXPECT_TRUE(pager->findChild<QLabel*>()->text().startsWith(QStringLiteral("Lines 1 to 500 of ")));
    EXPECT_TRUE(text(c).contains(QStringLiteral("Conjugacy Class Cl(")));
    quorix::testing::snapshot(c, QStringLiteral("dlgShowConjugacyClasses-S7"));
}
