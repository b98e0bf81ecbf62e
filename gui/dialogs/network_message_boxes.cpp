// The boxes of network play that carry a chat line: the information and
// yes/no boxes the program's message box becomes while a connection is up,
// and the box that waits for the other player. A line typed there and sent
// pops up on the other copy (NM_NETPROD).
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "core/game.h"
#include "dialogs.h"
#include "icons.h"
#include "net/network.h"

namespace gui {

namespace {

QPixmap BoxIconPixmap(QWidget* w, ovs::BoxIcon icon)
{
    QStyle::StandardPixmap sp;
    switch (icon) {
    case ovs::BoxIcon::Stop: sp = QStyle::SP_MessageBoxCritical; break;
    case ovs::BoxIcon::Question: sp = QStyle::SP_MessageBoxQuestion; break;
    case ovs::BoxIcon::Exclamation: sp = QStyle::SP_MessageBoxWarning; break;
    case ovs::BoxIcon::Information: sp = QStyle::SP_MessageBoxInformation; break;
    case ovs::BoxIcon::None: default: return ProgramIcon().pixmap(32, 32);
    }
    return w->style()->standardIcon(sp).pixmap(32, 32);
}

// The text under its icon, then the chat line; the caller adds its buttons.
class ChatBox : public QDialog {
public:
    ChatBox(QWidget* parent, ovs::Game& g, const QString& name, const QString& caption, const QString& text,
            ovs::BoxIcon icon)
        : QDialog(parent), g_(g)
    {
        setObjectName(name);
        setWindowTitle(caption);
        auto* top = new QHBoxLayout;
        auto* pic = new QLabel(this);
        pic->setObjectName("ctl210");
        pic->setPixmap(BoxIconPixmap(this, icon));
        top->addWidget(pic, 0, Qt::AlignTop);
        auto* label = new QLabel(text, this);
        label->setObjectName("ctl251");
        label->setWordWrap(true);
        top->addWidget(label, 1);
        auto* chat = new QHBoxLayout;
        edit_ = new QLineEdit(this);
        edit_->setObjectName("ctl205");
        edit_->setMaxLength(80);
        auto* send = new QPushButton("&Send", this);
        send->setObjectName("ctl206");
        send->setAutoDefault(false);
        connect(send, &QPushButton::clicked, this, [this] {
            ovs::NetworkSendProd(g_, edit_->text().left(128).toStdString());
            edit_->clear();
        });
        chat->addWidget(edit_, 1);
        chat->addWidget(send);
        buttons_ = new QHBoxLayout;
        buttons_->addStretch();
        auto* v = new QVBoxLayout(this);
        v->addLayout(top);
        v->addLayout(chat);
        v->addLayout(buttons_);
    }

    QPushButton* AddButton(const QString& text, int id, int result)
    {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString("ctl%1").arg(id));
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        buttons_->addWidget(b);
        return b;
    }

private:
    ovs::Game& g_;
    QLineEdit* edit_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

}  // namespace

int RunNetworkMessageBox(QWidget* parent, ovs::Game& g, const std::string& text, const std::string& caption,
                         ovs::BoxButtons buttons, ovs::BoxIcon icon)
{
    const bool yesNo = buttons == ovs::BoxButtons::YesNo || buttons == ovs::BoxButtons::YesNoCancel;
    ChatBox box(parent, g, yesNo ? "NetworkYesNoBox" : "NetworkInfoBox", QString::fromStdString(caption),
                QString::fromStdString(text), icon);
    if (yesNo) {
        box.AddButton("&Yes", 150, ovs::IDYES)->setDefault(true);
        box.AddButton("&No", 151, ovs::IDNO);
    } else {
        box.AddButton("OK", 150, ovs::IDOK)->setDefault(true);
    }
    const int r = box.exec();
    // Closed with Escape or the title bar: what No (or OK) would answer.
    if (r == QDialog::Rejected) return yesNo ? ovs::IDNO : ovs::IDOK;
    return r;
}

bool RunNetworkWaitingBox(QWidget* parent, ovs::Game& g, const std::string& text, const std::function<bool()>& done)
{
    if (done()) return true;
    ChatBox box(parent, g, "NetworkWaitingBox", "Network Waiting", QString::fromStdString(text),
                ovs::BoxIcon::None);
    box.AddButton("Cancel", 151, 0);
    // The box closes itself once what it waits for has come.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&] {
        if (done()) box.done(1);
    });
    poll.start(10);
    return box.exec() == 1 || done();
}

}  // namespace gui
