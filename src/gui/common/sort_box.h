#pragma once
// The "Sort" frame of the group lists (fraSortSequence): the option pair
// "Alphabetical sequence" / "Sequence generated", started from a Panel
// Defaults letter.

#include <QGroupBox>

class QRadioButton;

namespace quorix::gui {

class SortBox : public QGroupBox {
    Q_OBJECT
public:
    SortBox(bool sequenceGenerated, QWidget* parent);

    bool sequenceGenerated() const;

signals:
    // The user clicked one of the options.
    void changed();

private:
    QRadioButton* alphabetical_ = nullptr;
    QRadioButton* generated_ = nullptr;
};

}  // namespace quorix::gui
