// A command's button on a tool bar: the action shared with its menu item.
#pragma once

#include <QAction>
#include <QString>
#include <QToolBar>
#include <QWidget>

namespace quilm::ui {

// Puts `action` on `bar` as the button `name` with the caption `caption` and
// `hint` as its tool tip and status hint.
inline void add_button(QToolBar& bar, QAction* action, const char* name, const QString& caption,
                       const QString& hint) {
  action->setIconText(caption);
  action->setToolTip(hint);
  action->setStatusTip(hint);
  bar.addAction(action);
  bar.widgetForAction(action)->setObjectName(name);
}

}  // namespace quilm::ui
