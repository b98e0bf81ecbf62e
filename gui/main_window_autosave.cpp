// The main window's care for what has been played: the automatic save after
// every Test and at exit, Read Data offering the newer of the automatic save
// and CURRENT.DAT, and the ball-by-ball file named in the menu bar's corner.
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <filesystem>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/menu.h"
#include "data/autosave.h"
#include "data/files.h"
#include "main_window.h"

namespace gui {

void MainWindow::AfterStep()
{
    played_ = true;
    // A Test has just ended: keep it, whatever happens next.
    const int finished = ovs::FinishedTests(g_);
    if (finished > finishedTests_) ovs::WriteAutoSave(g_);
    finishedTests_ = finished;
    UpdateBallByBallStatus();
}

void MainWindow::SaveOnExit()
{
    if (!played_ || exitSaved_) return;
    exitSaved_ = true;
    ovs::WriteAutoSave(g_);
}

void MainWindow::ReadData()
{
    const std::string autoSave = ovs::AutoSavePath(g_);
    if (ovs::AutoSaveIsNewer(g_)) {
        const bool haveSaved = std::filesystem::exists(ovs::SavedPositionPath(g_));
        const QString when =
            QFileInfo(QString::fromStdString(autoSave)).lastModified().toString("d MMM yyyy, hh:mm");
        const std::string text =
            haveSaved ? "The automatic save of " + when.toStdString() +
                            " is newer than CURRENT.DAT.\nLoad the automatic save? (No loads CURRENT.DAT.)"
                      : "There is no CURRENT.DAT, but there is the automatic save of " + when.toStdString() +
                            ".\nLoad the automatic save?";
        const int answer = g_.host->MessageBox(text, "Ovalspin - Message",
                                               haveSaved ? ovs::BoxButtons::YesNoCancel : ovs::BoxButtons::YesNo,
                                               ovs::BoxIcon::Question);
        if (answer == ovs::IDYES) {
            ovs::LoadSavedDataFrom(g_, autoSave);
            finishedTests_ = ovs::FinishedTests(g_);
            return;
        }
        if (answer != ovs::IDNO || !haveSaved) return;
    }
    ovs::RunCommand(g_, ovs::CMD_READDATA);
    finishedTests_ = ovs::FinishedTests(g_);
}

void MainWindow::UpdateBallByBallStatus()
{
    const bool open = ovs::BbbIsOpen(g_);
    if (!open && !bbbStatus_) return;
    if (!bbbStatus_) {
        bbbStatus_ = new QLabel(this);
        bbbStatus_->setObjectName("BallByBallStatus");
        bbbStatus_->setContentsMargins(0, 0, 6, 0);
        menuBar()->setCornerWidget(bbbStatus_, Qt::TopRightCorner);
    }
    const QString path = QString::fromStdString(ovs::BbbFilePath(g_, g_.Current.nTest));
    const QString text = open ? "Ball by ball: " + QFileInfo(path).fileName() : QString();
    if (bbbStatus_->text() != text) {
        bbbStatus_->setText(text);
        bbbStatus_->setToolTip(open ? "The ball-by-ball scorecard of this Test is written to " + path : QString());
    }
    bbbStatus_->setVisible(open);
}

}  // namespace gui
