// Halt pressed during each kind of job: the worker is held at its first
// yield or report until the panel's cmdHalt has been clicked; the panel is
// then idle again and shows that it was halted. Each kind is also closed
// while its worker is held: the panel goes at once, the worker ends on its
// own and nothing it found is applied.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "core/compare/comparison.h"
#include "core/display/panel_text.h"
#include "gui/common/picture_box.h"
#include "gui/compare/compare_panels.h"
#include "gui/gui_test_env.h"
#include "gui/search/main_form.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

struct JobKind {
    const char* name;
    // Opens the panel, lets `prepare` see it, and starts its job.
    std::function<Panel*(AppContext&, const std::function<void(Panel&)>& prepare)> start;
    // What the panel shows once halted.
    std::function<bool(Panel&, const quorix::testing::FakeHost&)> halted;
};

QString Shown(Panel& p) { return p.pictureBox() ? p.pictureBox()->plainText() : QString(); }

// A panel opened on register position 1 (or the two positions given).
using Prepare = std::function<void(Panel&)>;

// A panel that starts on its group (register position `position`) once shown.
std::function<Panel*(AppContext&, const Prepare&)> OpenOn(const char* name, int position = 1) {
    return [name, position](AppContext& ctx, const Prepare& prepare) {
        PanelInput in;
        in.group = ctx.groups.At(position);
        Panel* p = ctx.panels.open(QString::fromLatin1(name), ctx, nullptr, in);
        prepare(*p);
        return p;
    };
}

std::function<bool(Panel&, const quorix::testing::FakeHost&)> Says(const char* text) {
    return [text](Panel& p, const quorix::testing::FakeHost&) { return Shown(p).contains(QString::fromLatin1(text)); };
}

std::vector<JobKind> Kinds() {
    return {
        {"dlgSubgroups", OpenOn("dlgSubgroups"), Says(analysis_text::kSubgroupsHalted)},
        {"dlgShowCompositionSeries", OpenOn("dlgShowCompositionSeries"), Says(analysis_text::kCalculationHalted)},
        {"dlgShowConjugacyClasses", OpenOn("dlgShowConjugacyClasses"), Says(analysis_text::kClassesHalted)},
        {"dlgSubgroupConjugacyClasses", OpenOn("dlgSubgroupConjugacyClasses"),
         Says(analysis_text::kSubgroupClassesHalted)},
        {"dlgCharacterTable", OpenOn("dlgCharacterTable"), Says(analysis_text::kCalculationHalted)},
        {"dlgSubgroupLattice", OpenOn("dlgSubgroupLattice"),
         [](Panel& p, const quorix::testing::FakeHost&) {
             return p.findChild<QLabel*>(QStringLiteral("lblSelected"))->text() == QStringLiteral("Halted.");
         }},
        {"dlgCayleyDiagram", OpenOn("dlgCayleyDiagram"),
         [](Panel& p, const quorix::testing::FakeHost&) {
             return p.findChild<QComboBox*>(QStringLiteral("cboSubgroup"))->count() == 1;  // no cosets to colour by
         }},
        {"dlgAssociativeRings", OpenOn("dlgAssociativeRings", 3), Says("halted: the list is incomplete")},
        {"dlgCompareGroups",
         [](AppContext& ctx, const Prepare& prepare) {
             auto* p = dynamic_cast<CompareGroupsPanel*>(ctx.panels.open(QStringLiteral("dlgCompareGroups"), ctx));
             prepare(*p);
             p->setSlot(1, 1);
             p->setSlot(2, 2);
             return p;
         },
         [](Panel&, const quorix::testing::FakeHost& host) {
             return !host.messages.empty() && host.messages.back() == kCompareHaltedMessage;
         }},
        {"dlgPresentationGroups",
         [](AppContext& ctx, const Prepare& prepare) {
             Panel* p = ctx.panels.open(QStringLiteral("dlgPresentationGroups"), ctx);
             prepare(*p);
             p->findChild<QLineEdit*>(QStringLiteral("txtPresentation"))->setText(QStringLiteral("<a,b | a^2, b^3>"));
             p->findChild<QPushButton*>(QStringLiteral("cmdGenerate"))->click();
             return p;
         },
         [](Panel&, const quorix::testing::FakeHost& host) {
             return !host.messages.empty() && host.messages.back() == "Generate process halted.";
         }},
        {"dlgMainForm",
         [](AppContext& ctx, const Prepare& prepare) {
             auto* form = new MainForm(ctx);
             form->setAttribute(Qt::WA_DeleteOnClose);
             form->show();
             prepare(*form);
             // Order 16: the first solution lies past the search's first yield.
             ctx.dialogs.inputBox = [](const QString&, const QString&, const QString&) -> std::optional<QString> {
                 return QStringLiteral("16");
             };
             form->action(QStringLiteral("mnuChangeGroupOrder"))->trigger();
             form->action(QStringLiteral("mnuTraceOff"))->trigger();
             form->findChild<QPushButton*>(QStringLiteral("cmdGetNextSolution"))->click();
             return form;
         },
         [](Panel& p, const quorix::testing::FakeHost&) {
             // The halted table is shown and the search can go on.
             return p.findChild<QPushButton*>(QStringLiteral("cmdGetNextSolution"))->isEnabled();
         }},
    };
}

class HaltDuringJob : public quorix::testing::GuiTest {
protected:
    HaltDuringJob() {
        ctx.groups.SetAutosave(false);
        add("S5", "S|@5|");
        add("A5", "A|@5|");
        add("Z2xZ2xZ2xZ2", "Z|@2|xZ|@2|xZ|@2|xZ|@2|");
    }
    // Holds the first job's worker until its stop is requested.
    static void holdUntilStopped(Panel& p, std::atomic<bool>& held) {
        p.setWorkerHook([&held](const std::string&, Progress& progress) {
            if (held.exchange(true)) return;
            while (!progress.Stopped()) std::this_thread::yield();
        });
    }
};

TEST_F(HaltDuringJob, EveryKindIsIdleAgainAndShowsItWasHalted) {
    for (const JobKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        std::atomic<bool> held{false};
        QPointer<Panel> p(kind.start(ctx, [&held](Panel& panel) { holdUntilStopped(panel, held); }));
        ASSERT_FALSE(p.isNull());
        ASSERT_TRUE(QTest::qWaitFor([&] { return held.load(); }, 60000));
        auto* halt = p->findChild<QPushButton*>(QStringLiteral("cmdHalt"));
        ASSERT_TRUE(p->jobRunning() && halt->isEnabled() && !halt->isHidden());
        if (std::string(kind.name) == "dlgSubgroups")
            quorix::testing::snapshot(*p, QStringLiteral("dlgSubgroups-processing"));
        halt->click();
        ASSERT_TRUE(quorix::testing::settle(*p));
        EXPECT_FALSE(halt->isVisibleTo(p));
        EXPECT_TRUE(kind.halted(*p, host)) << Shown(*p).toStdString();
        p->close();

        // Closed while its worker is held: the panel goes at once, and what
        // the worker found is dropped.
        const int registered = ctx.groups.Count();
        std::atomic<bool> heldAgain{false};
        QPointer<Panel> q(kind.start(ctx, [&heldAgain](Panel& panel) { holdUntilStopped(panel, heldAgain); }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return heldAgain.load(); }, 60000));
        q->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return q.isNull(); }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return ctx.jobs.running() == 0; }, 60000));
        QCoreApplication::processEvents();
        EXPECT_EQ(ctx.groups.Count(), registered);
    }
}

}  // namespace
