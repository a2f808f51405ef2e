#pragma once
// Long texts in pages: a text panel whose text runs to more than
// kTextPageItems items prints one page of them at a time, with a pager
// above and below it (Previous Page, Next Page and a line saying which lines
// it shows of how many), so that it opens and scrolls at once however long
// the whole text is.

#include <QFrame>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "gui/common/text_panel.h"

class QLabel;
class QPushButton;

namespace quorix::gui {

inline constexpr std::size_t kTextPageItems = 500;

// Pages of a text of `items` items (1 when it fits on one).
std::size_t TextPageCount(std::size_t items);

// The items of page `page` (0-based): a page that starts inside a flow of
// columns opens it again (with the heading of the class it continues), and
// one that ends inside it closes it.
std::vector<TextItem> TextPageItems(const std::vector<TextItem>& items, std::size_t page);

// "Lines 501 to 1,000 of 20,000"
QString TextPageCaption(std::size_t items, std::size_t page);

// One row of page controls (cmdPreviousPage, lblPage, cmdNextPage) in a
// frame; a narrow pager (for a column beside other things) has the line on
// top and the two buttons under it.
class TextPager : public QFrame {
    Q_OBJECT
public:
    TextPager(QWidget* parent, const QString& name, std::function<void(int)> turn, bool narrow = false);
    // Shows the row for page `page` of a text of `items` items.
    void showPage(std::size_t items, std::size_t page);
    static constexpr long kHeightTw = 420;

private:
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* label_ = nullptr;
};

}  // namespace quorix::gui
