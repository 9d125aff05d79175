#include "platform/toolbarmenu.h"

namespace talvo {

ToolbarMenu::ToolbarMenu(QWidget* owner) : QObject(owner), owner_(owner) {}

QAction* ToolbarMenu::Create(const QString& id, const QString& caption) {
    if (QAction* existing = Tool(id)) return existing;
    auto* action = new QAction(caption, owner_);
    action->setObjectName(id);
    // A tool without a picture shows its caption on the toolbar as well.
    action->setIconVisibleInMenu(true);
    connect(action, &QAction::triggered, this, [this, id] { emit ToolClick(id); });
    tools_.insert(id, action);
    return action;
}

QAction* ToolbarMenu::AddTool(const QString& id, const QString& caption) {
    return Create(id, caption);
}

QMenu* ToolbarMenu::AddMenu(QMenuBar* bar, const QString& id, const QString& caption) {
    auto* menu = new QMenu(caption, owner_);
    menu->setObjectName(id);
    menu->menuAction()->setObjectName(id);
    tools_.insert(id, menu->menuAction());
    if (bar) bar->addMenu(menu);
    return menu;
}

QMenu* ToolbarMenu::AddSubMenu(QMenu* parent, const QString& id, const QString& caption) {
    QMenu* menu = AddMenu(nullptr, id, caption);
    if (parent) parent->addMenu(menu);
    return menu;
}

QMenu* ToolbarMenu::AddPopup(const QString& id, const QString& caption) {
    return AddMenu(nullptr, id, caption);
}

QAction* ToolbarMenu::AddItem(QMenu* menu, const QString& id, const QString& caption) {
    QAction* action = Create(id, caption);
    if (menu) menu->addAction(action);
    return action;
}

QAction* ToolbarMenu::AddButton(QToolBar* bar, const QString& id, const QString& caption) {
    QAction* action = Create(id, caption);
    if (bar) bar->addAction(action);
    return action;
}

QAction* ToolbarMenu::Tool(const QString& id) const {
    return tools_.value(id, nullptr);
}

void ToolbarMenu::SetEnabled(const QString& id, bool enabled) {
    if (QAction* a = Tool(id)) a->setEnabled(enabled);
}

bool ToolbarMenu::Enabled(const QString& id) const {
    QAction* a = Tool(id);
    return a && a->isEnabled();
}

void ToolbarMenu::SetVisible(const QString& id, bool visible) {
    if (QAction* a = Tool(id)) a->setVisible(visible);
}

bool ToolbarMenu::Visible(const QString& id) const {
    QAction* a = Tool(id);
    return a && a->isVisible();
}

void ToolbarMenu::SetCaption(const QString& id, const QString& caption) {
    if (QAction* a = Tool(id)) a->setText(caption);
}

QString ToolbarMenu::Caption(const QString& id) const {
    QAction* a = Tool(id);
    return a ? a->text() : QString();
}

void ToolbarMenu::SetPicture(const QString& id, const QIcon& picture) {
    if (QAction* a = Tool(id)) a->setIcon(picture);
}

QIcon ToolbarMenu::Picture(const QString& id) const {
    QAction* a = Tool(id);
    return a ? a->icon() : QIcon();
}

void ToolbarMenu::Click(const QString& id) {
    QAction* a = Tool(id);
    if (a && a->isEnabled() && a->isVisible()) a->trigger();
}

}  // namespace talvo
