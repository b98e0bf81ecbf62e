// The network boxes: "Setup Network Series" (serve on a port and wait for the
// other copy) and "Connect to Network Series" (connect by host name or address).
#include <QDialog>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/flow.h"
#include "core/game.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "net/network.h"
#include "net/socket.h"

namespace gui {

namespace {

// What the boxes remember between uses: the name given and the port.
struct NetEntries {
    QString name;
    int port = ovs::net::kDefaultPort;
};
NetEntries& Remembered()
{
    static NetEntries e;
    return e;
}

// The fields and buttons both boxes share.
class NetworkBox : public QDialog {
public:
    NetworkBox(QWidget* parent, ovs::Game& g, bool server) : QDialog(parent), g_(g), server_(server)
    {
        setObjectName(server ? "NetworkServerBox" : "NetworkClientBox");
        setWindowTitle(server ? "Setup Network Series" : "Connect to Network Series");
        auto* grid = new QGridLayout;
        name_ = new QLineEdit;
        name_->setObjectName("ctl200");
        name_->setMaxLength(19);
        port_ = new QLineEdit;
        port_->setObjectName("ctl201");
        port_->setMaxLength(6);
        grid->addWidget(new QLabel("&Player name:"), 0, 0);
        grid->addWidget(name_, 0, 1);
        int row = 1;
        if (!server) {
            host_ = new QLineEdit;
            host_->setObjectName("ctl202");
            host_->setMaxLength(19);
            auto* l = new QLabel("&Server name or address:");
            l->setBuddy(host_);
            grid->addWidget(l, row, 0);
            grid->addWidget(host_, row++, 1);
        }
        auto* pl = new QLabel("P&ort:");
        pl->setBuddy(port_);
        grid->addWidget(pl, row, 0);
        grid->addWidget(port_, row, 1);
        status_ = new QLabel;
        status_->setObjectName("ctl250");
        status_->hide();
        ok_ = new QPushButton("OK");
        ok_->setObjectName("ctl150");
        ok_->setDefault(true);
        cancel_ = new QPushButton("Cancel");
        cancel_->setObjectName("ctl151");
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok_);
        buttons->addWidget(cancel_);
        auto* v = new QVBoxLayout(this);
        v->addLayout(grid);
        v->addWidget(status_);
        v->addLayout(buttons);

        NetEntries& e = Remembered();
        if (e.name.isEmpty()) e.name = Q(ovs::NetworkLocalName());
        name_->setText(e.name);
        port_->setText(QString::number(e.port));
        (host_ ? host_ : name_)->setFocus();
        connect(ok_, &QPushButton::clicked, this, [this] { Ok(); });
        connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
        connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    }

    void reject() override
    {
        if (waiting_) {
            // Closing the box gives up the wait; the next attempt proposes the next port.
            poll_.stop();
            waiting_ = false;
            ovs::NetworkClose(g_);
            DialogMessage(g_,
                          "You terminated thr Server whilst it was waiting for a connection.  You will be unable to "
                          "Serve or Connect on Port " + std::to_string(Remembered().port) +
                              " until you exit and restart Ovalspin.",
                          "Ovalspin - Warning", true);
            Remembered().port += 1;
        }
        QDialog::reject();
    }

private:
    void Status(const char* text)
    {
        status_->setText(text);
        status_->show();
    }

    void Ok()
    {
        const std::string name = name_->text().trimmed().toStdString();
        const std::string host = host_ ? host_->text().trimmed().toStdString() : std::string();
        int port = 0;
        const std::string refusal =
            ovs::CheckNetworkEntries(name, port_->text().trimmed().toStdString(), host_ ? &host : nullptr, port);
        if (!refusal.empty()) {
            DialogMessage(g_, refusal, "Ovalspin - Warning", true);
            return;
        }
        Remembered().name = Q(name);
        Remembered().port = port;
        ok_->hide();
        name_->setEnabled(false);
        port_->setEnabled(false);
        if (host_) host_->setEnabled(false);
        if (server_) {
            Status("Starting Server ...");
            if (!ovs::NetworkServe(g_, name, port)) {
                QDialog::reject();
                return;
            }
            Status("Listening for a connection ...");
            waiting_ = true;
            poll_.start(50);
            return;
        }
        cancel_->hide();
        Status("Connecting to Server ...");
        repaint();
        if (ovs::NetworkConnect(g_, name, host, port))
            accept();
        else
            QDialog::reject();
    }

    // The server's wait: the box stays live while the listener is looked at.
    void Poll()
    {
        if (!ovs::NetworkAccept(g_)) {
            if (g_.net) return;
            // The wait failed (reported): nothing more to wait for.
            poll_.stop();
            waiting_ = false;
            QDialog::reject();
            return;
        }
        poll_.stop();
        waiting_ = false;
        accept();
    }

    ovs::Game& g_;
    bool server_;
    bool waiting_ = false;
    QLineEdit* name_;
    QLineEdit* port_;
    QLineEdit* host_ = nullptr;
    QLabel* status_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QTimer poll_;
};

}  // namespace

bool RunNetworkServerBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    NetworkBox box(parent, g, true);
    return box.exec() == QDialog::Accepted;
}

bool RunNetworkClientBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest&)
{
    NetworkBox box(parent, g, false);
    return box.exec() == QDialog::Accepted;
}

}  // namespace gui
