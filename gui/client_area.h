// The main window's client area: the green background with the title screen,
// the parent of the match panes, and the clicks that resume a pause.
#pragma once

#include <QWidget>

namespace gui {

class MainWindow;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(MainWindow& w);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    MainWindow& w_;
};

}  // namespace gui
