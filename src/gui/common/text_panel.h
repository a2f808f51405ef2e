#pragma once
// The base of the result panels that print the engine's markup lines into
// their picture box: File, Format, Preferences, Scrolling and Help menus;
// Format holds the pair "Original Element Names" / "Reductive-Mapping Names"
// (mnuOriginal, mnuReductive), which starts from the panel's Panel Defaults
// letter (looked up in the panel registry under the panel's name) and prints
// the text again when changed.
//
// A panel gives its text either as plain lines (printed top down at one x)
// or as laid-out items (TextItem): lines at their own x and distance below
// the previous one, titles, rules, a run of "left = right" rows whose "="
// stand in one column, a two-row symbol, and a flow of classes that starts a
// new column when it grows too tall. A text of more than kTextPageItems items
// is printed a page at a time (gui/common/text_pages.h).

#include <string>
#include <vector>

#include "gui/common/panel.h"

class QAction;

namespace quorix::gui {

class TextPager;

struct TextItem {
    enum class Kind {
        Line,       // `text` at x
        Title,      // `text` in bold at 1.5 times the size
        Rule,       // a horizontal line `width` long at x
        Equals,     // `text`, then "= " and `right` in the run's "=" column
        TwoRow,     // `text`, "(" `upper` over `lower` ")", then `right`
        Columns,    // the items up to ColumnsEnd flow in columns
        ColumnsEnd  // back below the lowest line of all columns (ruled off when more than one)
    };
    Kind kind = Kind::Line;
    std::string text;  // markup
    long x = 0;        // from the left edge of the text (or of the column)
    // From the previous line's top (0: on the same line); the first item
    // stands at the top of the text.
    long below = 300;
    // On the same line: at least this far right of where the previous item
    // ended (-1: at x whatever came before).
    long after = -1;
    std::string breakText;  // a piece is broken after it once past the break column
    std::string right, upper, lower;
    long width = 5000;  // Rule
    // Equals: the left part ends a blank before the "=" column instead of
    // starting at x.
    bool alignRight = false;
    // In columns: a heading starts a new column when it would come too low;
    // a line with `continued` does so a little lower and repeats that heading
    // at the top of the new column.
    bool heading = false;
    std::string continued;
};

// Where an item was printed: its line's top, its left and where it ended.
struct TextPlacement {
    long x = 0, y = 0, endX = 0;
};

class TextPanel : public Panel {
    Q_OBJECT
public:
    TextPanel(AppContext& context, const QString& name, const QString& caption, QWidget* parent = nullptr);

    bool originalNames() const;
    // As the Format menu would: sets the naming and prints again.
    void setOriginalNames(bool original);

    // Clears the picture box and prints the items in order: all of them, or
    // the page shown of a long text (the first page of a text of another
    // length).
    void printItems(const std::vector<TextItem>& items);
    // Where each item printed by the last printItems went, in the items'
    // order (on a page: the page's items).
    const std::vector<TextPlacement>& placements() const { return placements_; }
    // Pages of the text printed last and the one shown (0-based).
    std::size_t pageCount() const;
    std::size_t page() const { return page_; }
    // Shows another page (clamped to the pages there are).
    void showPage(std::size_t page);
    // Prints the panel's text again in the names chosen, then afterPrint().
    void refresh();

    // Columns of a class flow: a heading past this depth below the top of
    // the flow, or a line with `continued` past kColumnDepth + 1000, starts
    // the next column.
    static constexpr long kColumnDepth = 18000;

protected:
    // The panel's whole text, in markup, in the names asked for (empty
    // while there is nothing to show).
    virtual std::vector<std::string> lines(bool /*originalNames*/) { return {}; }
    // The same laid out; by default the lines, one step apart at one x.
    virtual std::vector<TextItem> layout(bool originalNames);
    // What the lines alone do not draw (buttons, lists, tables).
    virtual void afterPrint() {}
    // False for a text that afterPrint() needs whole.
    virtual bool paged() const { return true; }

    long textLeft_ = 300;
    long textTop_ = 350;
    long lineStep_ = 300;

private:
    QAction* mnuOriginal_ = nullptr;
    QAction* mnuReductive_ = nullptr;
    std::vector<TextPlacement> placements_;
    // The text printed last, kept for turning its pages.
    std::vector<TextItem> items_;
    std::size_t page_ = 0;
    TextPager* pagerAbove_ = nullptr;
    TextPager* pagerBelow_ = nullptr;
};

}  // namespace quorix::gui
