#pragma once
// The Help menu the main window and the tool windows offer: the help page, the maker's site, the update
// page and the about box. The windows differ in their menu's names, captions and access keys, and some in
// what an entry does while the window is busy, so each window gives its rows and this builds the menu.
#include <QString>

#include <functional>
#include <initializer_list>

class QMenu;

namespace platform {
class Form;
}

namespace shell {

// One entry of a Help menu, in the order shown. A row without a caption is a separator line.
struct HelpMenuRow {
    QString objectName;
    QString caption;
    std::function<void()> action;
};

// Adds the Help menu to the window's menu bar, its entries made from the rows.
QMenu* AddHelpMenu(platform::Form& form, const QString& objectName, const QString& caption,
                   std::initializer_list<HelpMenuRow> rows);

} // namespace shell
