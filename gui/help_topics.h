// Where the help describes each box and each menu command: F1 in a box opens
// the help at that box, F1 on a highlighted menu command at its menu.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QMenuBar;

namespace gui {

// The page and anchor ("boxes.html#newseries") of the box with this object
// name and window title; the boxes page when the help has no section for it.
QString HelpTopicForBox(const QString& objectName, const QString& title);
// Every box name the help has a section for, with its topic (for the tests).
const std::vector<std::pair<QString, QString>>& BoxHelpTopics();
// Give every command of the bar's menus, submenus included, the topic of its
// menu ("menus.html#records") as the property "helpTopic".
void SetMenuHelpTopics(QMenuBar* bar);

// F1 on a highlighted menu command or in a box shows that command's or box's
// help through `show` (topic, the box or nullptr); elsewhere F1 is left to the
// window's own shortcut (the contents).
class HelpKey : public QObject {
public:
    HelpKey(QObject* parent, std::function<void(const QString&, QWidget*)> show)
        : QObject(parent), show_(std::move(show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::function<void(const QString&, QWidget*)> show_;
};

}  // namespace gui
