// The toolbar-menu: every menu, menu item, toolbar button and popup is a tool
// with an ID string ("ID_新規作成"). One QAction per tool, placed in as many
// menus and toolbars as needed, so enabling, hiding, captioning or giving a
// picture to a tool changes it everywhere it is shown. Every click of a tool
// is reported once, by ToolClick with the tool's ID.
#pragma once

#include <QAction>
#include <QHash>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QString>
#include <QToolBar>
#include <string>

namespace talvo {

class ToolbarMenu : public QObject {
    Q_OBJECT
public:
    explicit ToolbarMenu(QWidget* owner);

    // ---- Building (the main window, once) ----

    // A menu of the menu bar; its tool is the menu's own action.
    QMenu* AddMenu(QMenuBar* bar, const QString& id, const QString& caption);
    // A submenu inside `menu`.
    QMenu* AddSubMenu(QMenu* menu, const QString& id, const QString& caption);
    // A popup menu of its own; not placed anywhere.
    QMenu* AddPopup(const QString& id, const QString& caption);
    // Places the tool `id` in `menu` (created with `caption` when it does not
    // exist yet; an existing tool keeps its caption).
    QAction* AddItem(QMenu* menu, const QString& id, const QString& caption = QString());
    // Places the tool `id` on `bar`, created with `caption` when new.
    QAction* AddButton(QToolBar* bar, const QString& id, const QString& caption = QString());
    // A tool that exists with its caption but is placed nowhere yet.
    QAction* AddTool(const QString& id, const QString& caption);

    // ---- The tools, by ID (an unknown ID is ignored / reads as absent) ----

    QAction* Tool(const QString& id) const;
    bool Exists(const QString& id) const { return Tool(id) != nullptr; }

    void SetEnabled(const QString& id, bool enabled);
    bool Enabled(const QString& id) const;
    void SetVisible(const QString& id, bool visible);
    bool Visible(const QString& id) const;
    void SetCaption(const QString& id, const QString& caption);
    QString Caption(const QString& id) const;
    // The tool's picture; a null icon removes it.
    void SetPicture(const QString& id, const QIcon& picture);
    QIcon Picture(const QString& id) const;

    // Clicks the tool as the engineer would (nothing for a disabled,
    // hidden or unknown tool): the same ToolClick signal follows.
    void Click(const QString& id);

    // std::string forms for the callers that keep UTF-8 text.
    void SetEnabled(const std::string& id, bool e) { SetEnabled(QString::fromStdString(id), e); }
    void SetVisible(const std::string& id, bool v) { SetVisible(QString::fromStdString(id), v); }
    void SetCaption(const std::string& id, const std::string& c) {
        SetCaption(QString::fromStdString(id), QString::fromStdString(c));
    }

signals:
    // A tool was clicked (menu item, toolbar button or popup item).
    void ToolClick(const QString& id);

private:
    QAction* Create(const QString& id, const QString& caption);

    QWidget* owner_;
    QHash<QString, QAction*> tools_;
};

}  // namespace talvo
