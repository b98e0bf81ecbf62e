// The main window's own commands: the options boxes and the help window.
#include <QDialog>

#include "core/game.h"
#include "data/files.h"
#include "help_window.h"
#include "main_window.h"
#include "options_boxes.h"

namespace gui {

void MainWindow::DisplayOptions()
{
    ovs::OPTIONS o = g_.options;
    bool ballByBall = g_.ballByBallNextSeries || g_.Series.bBallByBall == 1;
    if (!RunDisplayOptionsBox(this, o, &ballByBall)) return;
    // For the series in play (from its next Test) and the series after it.
    g_.ballByBallNextSeries = ballByBall;
    if (g_.Series.nNumTests > 0) g_.Series.bBallByBall = ballByBall ? 1 : 0;
    const bool resized = o.nResolution != g_.options.nResolution;
    g_.options = o;
    ovs::SaveOptions(g_);
    if (resized) ResizeMainWindow(true);
    RefreshPanes(ovs::PANE_ALL | ovs::PANE_TITLE);
}

void MainWindow::AggressionOptions()
{
    ovs::OPTIONS o = g_.options;
    if (!RunAggressionOptionsBox(this, o)) return;
    g_.options = o;
    ovs::SaveOptions(g_);
}

void MainWindow::ShowHelp(const QString& page, QWidget* over)
{
    if (!help_) help_ = new HelpWindow(this);
    // A modal box blocks every window but its own: over one, the help is the
    // box's, and comes back to the main window when the box closes.
    auto* box = qobject_cast<QDialog*>(over);
    if (box && help_->parentWidget() != box) {
        help_->setParent(box, Qt::Window);
        connect(
            box, &QDialog::finished, help_,
            [this] {
                const bool shown = help_->isVisible();
                help_->setParent(this, Qt::Window);
                if (shown) help_->show();
            },
            Qt::SingleShotConnection);
    }
    help_->ShowPage(page);
}

}  // namespace gui
