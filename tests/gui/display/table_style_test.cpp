// Coloured tables by cosets in the group display, the LaTeX copy, and the
// picture saved at its full size as PNG and SVG.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollArea>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QXmlStreamReader>

#include "core/analysis/subgroups.h"
#include "gui/common/picture_box.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"
#include "support/test_progress.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class TableStyles : public quorix::testing::GuiTest {
protected:
    TableStyles() { ctx.groups.SetAutosave(false); }

    static int pieces(const ShowGroupPanel& p, PictureBox::Piece::Kind kind) {
        int n = 0;
        for (const PictureBox::Piece& piece : p.pictureBox()->pieces()) n += piece.kind == kind;
        return n;
    }
};

}  // namespace

TEST_F(TableStyles, ColouredS4ByItsNormalKleinSubgroupAndByAPickedOne) {
    add("S4", "S|@4|");
    quorix::testing::TestProgress progress;
    SubgroupLogic logic;
    const GroupPtr s4 = ctx.groups.At(1);
    logic.FindAllSubgroups(s4, progress);
    int klein = 0, twoCycle = 0;
    for (int s = 1; s <= logic.SubgroupCount(); ++s) {
        if (logic.Subgroup(s)->order() == 4 && logic.IsNormal(s)) klein = s;
        if (logic.Subgroup(s)->order() == 2 && twoCycle == 0) twoCycle = s;
    }
    ASSERT_GT(klein, 0);
    PanelInput input = on(1);
    input.organiseBy = logic.Memberships()[static_cast<std::size_t>(klein - 1)];
    ShowGroupPanel p(ctx, input);
    p.show();
    EXPECT_EQ(p.drawnFormat(), TableFormat::RowAndColumn);
    EXPECT_TRUE(p.pictureBox()->plainText().contains("the blocks form the table of the quotient group of order 6"));
    EXPECT_EQ(pieces(p, PictureBox::Piece::Rect), 0);
    p.findChild<QAction*>("mnuColours")->trigger();
    EXPECT_TRUE(p.findChild<QAction*>("mnuOrganise")->isChecked());
    EXPECT_EQ(pieces(p, PictureBox::Piece::Rect), 25 * 25 - 1);
    p.resize(1400, 1000);
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S4-cosets"));
    if (const char* dir = std::getenv("QUORIX_GRAB_DIR"))
        p.pictureBox()->savePng(QString::fromLocal8Bit(dir) + QStringLiteral("/dlgShowGroup-S4-cosets-full.png"));

    p.findChild<QAction*>("mnuCopyLatex")->trigger();
    const QString latex = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(latex.contains(QStringLiteral("\\begin{tabular}{c|cccc|cccc|cccc|cccc|cccc|cccc}")));
    EXPECT_TRUE(latex.contains(QStringLiteral("\\cellcolor")));

    // Organise by Subgroup... lists the subgroups after "None"; a
    // non-normal one gives blocks that form no table.
    script = [twoCycle](QDialog& d) {
        d.findChild<QListWidget*>("lstSubgroups")->setCurrentRow(twoCycle);
        d.accept();
    };
    p.findChild<QAction*>("mnuOrganise")->trigger();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(modal.back(), QStringLiteral("dlgOrganiseBy"));
    ASSERT_TRUE(p.tableStyle().organiseBy.has_value());
    EXPECT_EQ(p.tableStyle().organiseBy->count(), 2u);
    EXPECT_TRUE(p.pictureBox()->plainText().contains("the blocks form no table"));
    script = [](QDialog& d) { d.reject(); };
    p.findChild<QAction*>("mnuOrganise")->trigger();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.tableStyle().organiseBy->count(), 2u);  // Cancel keeps it
    EXPECT_TRUE(p.findChild<QAction*>("mnuOrganise")->isChecked());
    EXPECT_FALSE(p.setOrganiseBy(ElementSet{}.set(1).set(2).set(3)));  // no subgroup: refused with a message
    EXPECT_FALSE(host.messages.empty());
}

TEST_F(TableStyles, SavePictureWritesTheWholePictureAsPngAndSvg) {
    add("S4", "S|@4|");
    ShowGroupPanel p(ctx, on(1));
    p.setTableFormat(TableFormat::RowAndColumn);
    p.setColours(true);
    p.show();
    p.resize(500, 350);  // much of the picture out of view
    QString answer;
    ctx.dialogs.saveFile = [&answer](const QString&, const QString& filter, const QString&) {
        EXPECT_TRUE(filter.contains("*.svg"));
        return answer;
    };
    answer = dir.filePath(QStringLiteral("table"));  // no suffix: PNG
    p.findChild<QAction*>("mnuSavePicture")->trigger();
    const QImage png(dir.filePath(QStringLiteral("table.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), p.pictureBox()->pictureSize());
    // More than the window shows.
    const QWidget* view = p.findChild<QScrollArea*>(QStringLiteral("scrClient"))->viewport();
    EXPECT_GT(png.height(), view->height());
    EXPECT_GT(png.width(), view->width());

    answer = dir.filePath(QStringLiteral("table.svg"));
    p.findChild<QAction*>("mnuSavePicture")->trigger();
    QFile svg(answer);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int texts = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) ++texts;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(texts, 24 * 24);

    answer.clear();  // Cancel writes nothing
    EXPECT_FALSE(p.savePicture());
}
