// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/LanguageLoad.h"
#include "base/LanguageFile.h"

#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace kav {
class Workspace;
}

namespace kav::gui {

// A component of a window as the language load meets it: a widget, or a menu entry.
struct WalkedComponent {
    QPointer<QObject> object;
    QString window; // the design name of the window that owns it
    ComponentKind kind = ComponentKind::Label;
};

// The components of `windows`, window by window in the order given (the order the program
// created them at start-up): the window itself, its menu entries in menu order (a submenu's
// own entry before its items), then its widgets depth first in the order they were added,
// the pages of a page control in tab order. Dialogs a window owns are windows of their own
// and not part of it. Widgets of no listed kind, Qt's own parts of composite widgets and
// widgets whose text the program writes (see markProgramText) are left out. Take the walk
// once the windows are built: Qt reorders a parent's widgets when one is raised (as a page
// control does with the page it shows).
std::vector<WalkedComponent> walkComponents(const std::vector<QWidget*>& windows);

// Marks a widget whose caption and hint are the program's data, not design texts (a draw
// caption, a hits label, a weight in the number list, an item of the option group that the
// option file fills, a web address): no language file touches it.
void markProgramText(QWidget* widget);

// The component's texts as they are now: the caption (a tab sheet's is its tab's text, a
// window's its title, an edit field has none), the hint and the font character set (a
// recorded property; DEFAULT_CHARSET until a base file sets another).
QString captionOf(const WalkedComponent& component);
QString hintOf(const WalkedComponent& component);
int charsetOf(const WalkedComponent& component);

// One line of the listing the base file is made from.
struct ComponentListing {
    BaseFileEntry entry;
    ComponentKind kind = ComponentKind::Label;
};

// The walked components that have a caption or a hint, with their texts as they are now.
// Taken at the German design texts, it is the base file "land/Kavanto.txt".
std::vector<ComponentListing> listComponents(const std::vector<WalkedComponent>& components);

// The walked components as the language load sets them. The start button's caption goes to
// the Workspace, which shows it; every other text goes straight to its widget.
std::vector<LanguageComponent> languageComponents(const std::vector<WalkedComponent>& components,
                                                  Workspace& ws);

} // namespace kav::gui
