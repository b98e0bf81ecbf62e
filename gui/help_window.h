// The help window: the program's help pages in a browser with contents and back.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace gui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Show page `page` ("index.html", "keys.html", ...) of the help.
    void ShowPage(const QString& page);
    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QTextBrowser* browser_;
};

}  // namespace gui
