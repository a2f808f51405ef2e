#include "gui/common/view_job.h"

#include "core/display/html.h"
#include "core/group/errors.h"
#include "core/storage/group_register.h"
#include "core/storage/text_file.h"
#include "gui/common/browser_panel.h"
#include "gui/common/deferred_registrar.h"
#include "gui/common/panel.h"

namespace quorix::gui {

bool RunViewJob(Panel& panel, const QString& path, const std::string& components,
                std::function<ViewResult(const ViewOptions&)> compose, std::function<void(BrowserPanel*)> shown) {
    auto deferred = DeferredRegistrations::Of(panel.groupRegister());
    return panel.runJob(
        QStringLiteral("processing . . ."),
        [deferred, components, compose = std::move(compose),
         &workbench = panel.context().workbench](Progress& progress) {
            ViewOptions options = workbench.MakeViewOptions(components, deferred->registrar(), &progress);
            options.replace = true;
            options.deferWrite = true;
            return compose(options);
        },
        [&panel, deferred, path, shown = std::move(shown)](const ViewResult& written) {
            deferred->carryOut(storage::RegistrarOf(panel.groupRegister(),
                                                    [&panel](const std::string& text) { panel.host().Message(text); }));
            try {
                WriteViewDocument(path.toStdString(), written.document, true);
            } catch (const InvalidArgument& e) {
                panel.host().Message(e.what());
                return;
            } catch (const storage::StorageError& e) {
                panel.host().Message(e.what());
                return;
            }
            if (!written.complete) panel.host().Message(kViewHaltedMessage);
            auto* browser = new BrowserPanel(panel.context(), BrowserPanel::Kind::View, path,
                                             QString::fromStdString(written.anchor));
            browser->setAttribute(Qt::WA_DeleteOnClose);
            browser->show();
            if (shown) shown(browser);
        });
}

}  // namespace quorix::gui
