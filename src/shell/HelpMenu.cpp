#include "shell/HelpMenu.h"

#include "platform/Forms.h"

namespace shell {

QMenu* AddHelpMenu(platform::Form& form, const QString& objectName, const QString& caption,
                   std::initializer_list<HelpMenuRow> rows)
{
    QMenu* menu = form.AddBarMenu(objectName, caption);
    for (const HelpMenuRow& row : rows) {
        if (row.caption.isEmpty())
            form.AddMenuSeparator(menu, row.objectName);
        else
            form.AddMenuItem(menu, row.objectName, row.caption, row.action);
    }
    return menu;
}

} // namespace shell
