// The desktop game's Host: message boxes, the choice dialogs, pane refreshes,
// menu greying and nested waits, all on Qt.
#include "gui_host.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include "core/flow.h"
#include "core/game.h"
#include "core/startup.h"
#include "main_window.h"
#include "net/network.h"
#include "net/session.h"

#include "dialogs.h"

namespace gui {

namespace {

QMessageBox::Icon ToQt(ovs::BoxIcon icon)
{
    switch (icon) {
    case ovs::BoxIcon::Information: return QMessageBox::Information;
    case ovs::BoxIcon::Exclamation: return QMessageBox::Warning;
    case ovs::BoxIcon::Stop: return QMessageBox::Critical;
    case ovs::BoxIcon::Question: return QMessageBox::Question;
    case ovs::BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(ovs::BoxButtons b)
{
    switch (b) {
    case ovs::BoxButtons::Ok: return QMessageBox::Ok;
    case ovs::BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case ovs::BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case ovs::BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

int FromQt(int button, ovs::BoxButtons b)
{
    switch (button) {
    case QMessageBox::Yes: return ovs::IDYES;
    case QMessageBox::No: return ovs::IDNO;
    case QMessageBox::Cancel: return ovs::IDCANCEL;
    case QMessageBox::Ok: return ovs::IDOK;
    default: break;
    }
    // Closed with Escape or the title bar: what Cancel (or No) would answer.
    if (b == ovs::BoxButtons::YesNo) return ovs::IDNO;
    return b == ovs::BoxButtons::Ok ? ovs::IDOK : ovs::IDCANCEL;
}

void ShowAbout(QWidget* parent, const QString& dataDir)
{
    QMessageBox box(parent);
    box.setObjectName("AboutBox");
    box.setWindowTitle("About Ovalspin");
    box.setIconPixmap(QPixmap(":/icons/ovalspin-64.png"));
    box.setText(QString("<b>Ovalspin</b> %1").arg(ovs::kVersion));
    box.setInformativeText(
        QString("Test cricket, ball by ball. Captain a side against the computer, a friend or a player on "
                "another machine, or watch the computer play both sides.<br><br>"
                "Your database, saved games, automatic save, options, ball-by-ball files and the log "
                "DEBUG.TXT are kept in:<br><b>%1</b><br><br>Press F1 for help. Free software under the MIT "
                "licence.")
            .arg(dataDir.toHtmlEscaped()));
    box.exec();
}

}  // namespace

int GuiHost::MessageBox(const std::string& text, const std::string& caption, ovs::BoxButtons buttons,
                        ovs::BoxIcon icon)
{
    BoxRecord rec{text, caption, buttons, icon, 0};
    int answer = boxAnswer ? boxAnswer(rec) : 0;
    if (answer == 0 && InNetworkPlay()) {
        // The program's message box becomes the network's, with its chat line.
        answer = RunNetworkMessageBox(window_, *game_, text, caption, buttons, icon);
    } else if (answer == 0) {
        QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                        ToQt(buttons), window_);
        answer = FromQt(box.exec(), buttons);
    }
    rec.answer = answer;
    boxes.push_back(rec);
    return answer;
}

bool GuiHost::RunDialog(ovs::DialogRequest& req)
{
    if (dialogAnswer) {
        int r = dialogAnswer(req);
        if (r >= 0) return r != 0;
    }
    if (!game_) return false;
    QWidget* parent = window_;
    if (req.id == ovs::Dialog::About) {
        ShowAbout(parent, QString::fromStdString(dataDir_));
        return true;
    }
    return RunPlayDialog(parent, *game_, req);
}

void GuiHost::Refresh(unsigned paneMask)
{
    if (window_) window_->RefreshPanes(paneMask);
}

void GuiHost::CommandsChanged()
{
    if (window_) window_->UpdateCommands();
}

void GuiHost::CloseLeagueBoxes()
{
    for (QWidget* w : QApplication::allWidgets()) {
        auto* d = qobject_cast<QDialog*>(w);
        if (d && d->isVisible() && (d->objectName() == "LeagueResultsBox" || d->objectName() == "LeagueSummaryBox"))
            d->done(QDialog::Accepted);
    }
}

bool GuiHost::InNetworkPlay() const
{
    return game_ && ovs::NetworkPlay(*game_) && game_->net && !game_->net->Lost();
}

bool GuiHost::WaitNested(const std::function<bool()>& done)
{
    if (done()) return true;
    // A wait for the other player's choice shows what it waits for.
    if (InNetworkPlay() && window_) {
        const std::string waiting = ovs::NetworkWaitingText(*game_);
        if (!waiting.empty()) return RunNetworkWaitingBox(window_, *game_, waiting, done);
    }
    // A local loop that looks at the condition every few milliseconds while
    // the window keeps serving its events; closing the window gives up.
    QEventLoop loop;
    QTimer poll;
    bool gaveUp = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
        else if (!window_ || !window_->isVisible()) {
            gaveUp = true;
            loop.quit();
        }
    });
    poll.start(10);
    loop.exec();
    return !gaveUp && done();
}

void GuiHost::WatchSocket(int fd, bool wantWrite, std::function<void(int)> onReady)
{
    onReady_ = std::move(onReady);
    auto call = [this](int event) {
        // The call may change the watch: keep the callback alive through it.
        std::function<void(int)> f = onReady_;
        if (f) f(event);
    };
    if (fd < 0) {
        // Not deleted here: this may run inside the notifier's own signal.
        if (readNotifier_) readNotifier_.release()->deleteLater();
        if (writeNotifier_) writeNotifier_.release()->deleteLater();
        return;
    }
    if (!readNotifier_ || readNotifier_->socket() != fd) {
        if (readNotifier_) readNotifier_.release()->deleteLater();
        readNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(readNotifier_.get(), &QSocketNotifier::activated, [call] { call(1); });
    }
    if (wantWrite && (!writeNotifier_ || writeNotifier_->socket() != fd)) {
        if (writeNotifier_) writeNotifier_.release()->deleteLater();
        writeNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
        QObject::connect(writeNotifier_.get(), &QSocketNotifier::activated, [call] { call(2); });
    }
    if (!wantWrite && writeNotifier_) writeNotifier_.release()->deleteLater();
}

}  // namespace gui
