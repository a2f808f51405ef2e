#pragma once
// What the six panels that build named groups share: the "Create View" box
// (ticked from the Create Views panel default), the run of a Generate method
// with its refusal reported, the Halt check after generation, registration,
// and then either the group's HTML view (save dialog, written while the
// processing indicator shows, opened in the browser panel at its anchor) or
// the group-generated notice.

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/display/views.h"
#include "gui/common/browser_panel.h"
#include "gui/common/panel.h"
#include "gui/storage/notice_panel.h"

class QCheckBox;

namespace quorix::gui {

class PanelRegistry;

class GeneratorPanel : public Panel {
    Q_OBJECT
public:
    GeneratorPanel(AppContext& context, const QString& name, const QString& caption, ViewKind view,
                   QWidget* parent = nullptr);

    QCheckBox* createViewBox() const { return chkCreateView_; }
    // What the last generation opened: the browser on the view, or the notice.
    BrowserPanel* viewBrowser() const { return browser_; }
    NoticePanel* generatedNotice() const { return notice_; }

    // "Degree must be numeric." / "... in range ..." checks of a typed
    // number: nullopt (after the message) when the text is refused.
    std::optional<int> checkedNumber(const QString& text, int low, int high, const char* notNumeric,
                                     const char* outOfRange) const;

protected:
    QCheckBox* addCreateViewBox(long left, long top);
    // Runs `build` (a Generate call on a fresh group); an engine refusal is
    // shown and gives false.
    bool generate(const std::function<void()>& build);
    // Runs `build` (on a worker, with inputs it owns) as the panel's job:
    // the processing indicator with Halt, `disable` off meanwhile. `done`
    // gets the group on the GUI thread; not when the engine refused (its
    // text is shown), when `build` gave none, when Halt was pressed
    // ("Generate process halted." shown) or when the panel was closed.
    // False when a job already runs.
    bool generateAsJob(std::function<GroupPtr(Progress&)> build, std::function<void(const GroupPtr&)> done,
                       const std::vector<QWidget*>& disable = {},
                       const QString& text = QStringLiteral("processing . . ."));
    // Registers the group (under `id`, or its own ID when empty), then
    // writes its view when "Create View" is ticked, else (or when no file
    // was chosen) shows the group-generated notice.
    void registerAndPresent(const GroupPtr& group, const std::string& id = {});
    GroupRegistrar registrar();
    // The proposed view file name, when not the view kind's own.
    void setViewFileName(const std::string& name) { viewFileName_ = name; }

private:
    // False when the user cancelled the save dialog.
    bool writeView(const GroupPtr& group);

    ViewKind view_;
    std::string viewFileName_;
    QCheckBox* chkCreateView_ = nullptr;
    QPointer<BrowserPanel> browser_;
    QPointer<NoticePanel> notice_;
};

// A number typed into a text box: nullopt when it is not numeric; a
// numeric text that is not a whole number gives a value outside every range.
std::optional<long> TypedNumber(const QString& text);

// Registers the generator panels with the program's catalogue.
void RegisterGeneratorPanels(PanelRegistry& registry);

}  // namespace quorix::gui
