// Windows on a small screen (the offscreen test screen is 800 x 600): every
// panel that grows stays inside the screen's available area with its title
// bar, and what does not fit scrolls with scroll bars and the wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QFile>
#include <QWheelEvent>

#include "gui/common/browser_panel.h"
#include "gui/common/panel.h"
#include "gui/common/picture_box.h"
#include "gui/compare/compare_panels.h"
#include "gui/generators/presentation_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix::gui;

namespace {

class OnScreen : public quorix::testing::GuiTest {
protected:
    OnScreen() { ctx.groups.SetAutosave(false); }
    ~OnScreen() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Panel*>(w) && w->isVisible()) w->close();
    }
    // The registered panel of that name opened on the group at `position`,
    // as a button of another panel opens it, its work done.
    Panel* open(const char* name, int position) {
        Panel* p = ctx.panels.open(QString::fromLatin1(name), ctx, nullptr, on(position));
        EXPECT_NE(p, nullptr) << name;
        if (p) {
            EXPECT_TRUE(quorix::testing::settle(*p));
        }
        QCoreApplication::processEvents();
        return p;
    }
    // The window with its frame inside the available area; content larger
    // than the window has its scroll bar.
    static void expectOnScreen(Panel& p) {
        const QRect avail = p.screen()->availableGeometry();
        EXPECT_TRUE(avail.contains(p.frameGeometry()))
            << p.objectName().toStdString() << ": frame " << p.frameGeometry().x() << "," << p.frameGeometry().y()
            << " " << p.frameGeometry().width() << "x" << p.frameGeometry().height() << " in " << avail.width() << "x"
            << avail.height();
        EXPECT_GE(p.geometry().top(), avail.top());  // the title bar is above the client, on the screen
        auto* scroll = p.findChild<QScrollArea*>(QStringLiteral("scrClient"));
        ASSERT_NE(scroll, nullptr);
        const QSize view = scroll->viewport()->size(), content = p.client()->size();
        if (content.height() > view.height()) {
            EXPECT_TRUE(scroll->verticalScrollBar()->isVisible()) << p.objectName().toStdString();
        }
        if (content.width() > view.width()) {
            EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible()) << p.objectName().toStdString();
        }
    }
};

}  // namespace

TEST_F(OnScreen, PanelsThatGrowStayOnTheScreenAndScroll) {
    add("S4", "S4");
    add("Q8", "Q8");
    add("A5", "A5");
    add("SL(2,3)", "SL(2,3)");
    add("D4", "D4");
    for (const auto& [name, position] : std::vector<std::pair<const char*, int>>{{"dlgSubgroups", 1},
                                                                                 {"dlgShowConjugacyClasses", 3},
                                                                                 {"dlgCharacterTable", 4},
                                                                                 {"dlgSubgroupLattice", 1},
                                                                                 {"dlgAnalyzeSolution", 5}}) {
        Panel* p = open(name, position);
        ASSERT_NE(p, nullptr);
        expectOnScreen(*p);
        quorix::testing::snapshot(*p, QString::fromLatin1(name) + QStringLiteral("-on-screen"));
        p->close();
    }

    // Windows placed low on the screen that then grow move up.
    auto* autos = dynamic_cast<AutomorphismGroupsPanel*>(ctx.panels.open(QStringLiteral("dlgAutomorphismGroups"), ctx));
    ASSERT_NE(autos, nullptr);
    autos->move(autos->x(), 171);
    ASSERT_TRUE(autos->setGroup(2));
    QCoreApplication::processEvents();
    expectOnScreen(*autos);
    quorix::testing::snapshot(*autos, QStringLiteral("dlgAutomorphismGroups-Q8-on-screen"));

    auto* pres = dynamic_cast<PresentationPanel*>(ctx.panels.open(QStringLiteral("dlgPresentationGroups"), ctx));
    ASSERT_NE(pres, nullptr);
    pres->createViewBox()->setChecked(false);
    pres->move(pres->x(), 124);
    pres->presentationBox()->setText(QStringLiteral("<a,b | a^2, b^3, (ab)^5>"));
    pres->generateGroup();
    ASSERT_TRUE(quorix::testing::settle(*pres));
    QCoreApplication::processEvents();
    expectOnScreen(*pres);
    quorix::testing::snapshot(*pres, QStringLiteral("dlgPresentationGroups-A5-on-screen"));

    // What the window does not show the wheel brings into view.
    auto* scroll = pres->findChild<QScrollArea*>(QStringLiteral("scrClient"));
    pres->resize(pres->width(), 250);
    QCoreApplication::processEvents();
    ASSERT_GT(scroll->verticalScrollBar()->maximum(), 0);
    // The picture box leaves the wheel to the scroll area around it.
    QWheelEvent wheel(QPointF(50, 50), pres->pictureBox()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pres->pictureBox(), &wheel);
    EXPECT_FALSE(wheel.isAccepted());
    QApplication::sendEvent(scroll->viewport(), &wheel);
    EXPECT_GT(scroll->verticalScrollBar()->value(), 0);
}

TEST_F(OnScreen, PictureAreasFollowTheirWindow) {
    add("S4", "S4");
    Panel* lattice = open("dlgSubgroupLattice", 1);
    ASSERT_NE(lattice, nullptr);
    auto* area = lattice->findChild<QScrollArea*>(QStringLiteral("scrLattice"));
    auto* scroll = lattice->findChild<QScrollArea*>(QStringLiteral("scrClient"));
    // At the size it opens with, every control is in the window: nothing of
    // the panel itself needs scrolling.
    const auto inView = [&](const char* name) {
        auto* w = lattice->findChild<QWidget*>(QString::fromLatin1(name));
        return scroll->viewport()->rect().contains(QRect(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size()));
    };
    for (const char* name : {"scrLattice", "cmdShowGroup", "cmdOrganiseByIt", "lstElements"})
        EXPECT_TRUE(inView(name)) << name;
    // A large window gives the drawing its room; the side column stays at the right edge.
    lattice->resize(1900, 1000);
    QCoreApplication::processEvents();
    EXPECT_GT(area->width(), 1500);
    EXPECT_GT(area->height(), 850);
    for (const char* name : {"cmdShowGroup", "cmdOrganiseByIt", "lstElements"}) {
        EXPECT_TRUE(inView(name)) << name;
        EXPECT_GT(lattice->findChild<QWidget*>(QString::fromLatin1(name))->x(), area->geometry().right()) << name;
    }
    EXPECT_GT(lattice->findChild<QWidget*>(QStringLiteral("cmdOrganiseByIt"))->y(), 850);
}

TEST_F(OnScreen, ASecondWindowOfAPanelStandsClearOfTheFirst) {
    Panel* first = ctx.panels.open(QStringLiteral("dlgAutomorphismGroups"), ctx);
    Panel* second = ctx.panels.open(QStringLiteral("dlgAutomorphismGroups"), ctx);
    ASSERT_TRUE(first && second);
    QCoreApplication::processEvents();
    EXPECT_NE(first->pos(), second->pos());
    EXPECT_TRUE(second->screen()->availableGeometry().contains(second->frameGeometry()));
}

TEST_F(OnScreen, HelpStartsAtTheSectionHeadingAndHasTheSectionsAskedFor) {
    const QString source = QStringLiteral(QUORIX_SOURCE_DIR "/src/app/quorix/help/QuorixHelp.html");
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    // Each section once, and reachable from the contents.
    for (const char* name : {"permutations", "limits", "names", "derived"}) {
        EXPECT_EQ(html.count(QStringLiteral("name=\"%1\"").arg(QString::fromLatin1(name))), 1) << name;
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(QString::fromLatin1(name)))) << name;
    }
    for (const char* name : {"dlgSubgroups", "dlgDeleteList"}) {
        auto* help = new BrowserPanel(ctx, BrowserPanel::Kind::Help, source, QString::fromLatin1(name));
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->show();
        QCoreApplication::processEvents();
        // The first line the window shows is the section's heading.
        QTextBrowser* b = help->browser();
        const QString top = b->cursorForPosition(QPoint(8, 8)).block().text();
        EXPECT_TRUE(top == QLatin1String("Subgroups") || top == QLatin1String("Deleting groups"))
            << name << ": " << top.toStdString();
        help->close();
    }
}

TEST_F(OnScreen, LongLinesWrapAtTheScreensEdge) {
    add("S5", "S5");
    Panel* series = open("dlgShowCompositionSeries", 1);
    ASSERT_NE(series, nullptr);
    double right = 0;
    for (const PictureBox::Piece& piece : series->pictureBox()->pieces()) right = std::max(right, piece.bounds.right());
    // S5's 120 elements break after a comma before the window's edge: the
    // window shows every line whole, without scrolling sideways.
    const int inside =
        series->screen()->availableGeometry().width() - (series->frameGeometry().width() - series->width());
    EXPECT_LT(right, inside);
    EXPECT_GT(right, inside / 2);  // and the lines use the width there is
    EXPECT_LE(series->client()->width(),
              series->findChild<QScrollArea*>(QStringLiteral("scrClient"))->viewport()->width());
    quorix::testing::snapshot(*series, QStringLiteral("dlgShowCompositionSeries-S5-on-screen"));
}
