#pragma once
// dlgPreferences: the twelve tabs of defaults, with Apply, OK and Cancel.

#include <array>

#include "gui/common/panel.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace quorix::gui {

class PreferencesPanel : public Panel {
    Q_OBJECT
public:
    explicit PreferencesPanel(AppContext& context, QWidget* parent = nullptr);

    // Validates, saves and reports; false when the order was refused.
    bool apply();

private:
    void loadControls();

    QTabWidget* tabs_ = nullptr;
    QLineEdit* txtGroupOrder_ = nullptr;
    QComboBox* cboTrace_ = nullptr;
    QCheckBox* chkIsomorphisms_ = nullptr;
    QCheckBox* chkScrolling_ = nullptr;
    QCheckBox* chkAutosave_ = nullptr;
    std::array<std::array<QCheckBox*, 7>, 8> views_{};
    // Per Panel Defaults position (0-based): the control of the first letter
    // ('O', 'G' or '1'); for positions with an option pair also the second.
    std::array<QAbstractButton*, 11> first_{};
    std::array<QAbstractButton*, 11> second_{};
};

}  // namespace quorix::gui
