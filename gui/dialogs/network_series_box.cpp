// "Network Series": the two players agree the squads, the number of Tests,
// the weather and who is at home. Each copy's clicks are sent to the other,
// whose box takes them as its own; the server's OK (enabled while the client
// is ready) starts the series on both copies.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

#include "core/flow.h"
#include "core/game.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "net/session.h"

namespace gui {

namespace {

using ovs::net::BoxCommand;
using ovs::net::SeriesChoice;
using ovs::net::Session;

QString SquadLabel(const ovs::Game& g, int squad)
{
    if (squad < 0 || squad >= g.db.NumSquads()) return {};
    const auto& s = g.db.squads[squad];
    return QString::fromLatin1(s.szName, static_cast<int>(strnlen(s.szName, sizeof s.szName)));
}

class NetworkSeriesBox : public QDialog {
public:
    NetworkSeriesBox(QWidget* parent, ovs::Game& g, Session& s) : QDialog(parent), g_(g), s_(s)
    {
        server_ = ovs::NetworkServer(g);
        setObjectName("NetworkSeriesBox");
        setWindowTitle("Network Series");
        const QString serverName = Q(server_ ? s.name : s.opponent);
        const QString clientName = Q(server_ ? s.opponent : s.name);

        auto* grid = new QGridLayout;
        for (int k = 0; k < 2; ++k) {
            squad_[k] = Named<QLabel>(100 + 4 * k);
            owner_[k] = Named<QLabel>(102 + 4 * k);
            owner_[k]->setText(k == 0 ? serverName : clientName);
            get_[k] = Named<QPushButton>(103 + 4 * k, "Get Squad");
            get_[k]->setAutoDefault(false);
            grid->addWidget(squad_[k], k * 2, 0);
            grid->addWidget(owner_[k], k * 2, 1);
            grid->addWidget(get_[k], k * 2, 2);
            connect(get_[k], &QPushButton::clicked, this, [this, k] { GetSquad(k); });
        }
        grid->addWidget(new QLabel("vs", this), 1, 0);

        auto* tests = new QHBoxLayout;
        tests->addWidget(new QLabel("in a series of", this));
        for (int k = 0; k < ovs::MAX_TESTS; ++k) {
            tests_[k] = Named<QRadioButton>(130 + k, QString::number(k + 1));
            tests->addWidget(tests_[k]);
            connect(tests_[k], &QRadioButton::clicked, this, [this, k] { Act(130 + k, ovs::net::NM_NETSERIESTEST1 + k); });
        }
        tests->addWidget(new QLabel("Tests", this));

        weather_ = Named<QCheckBox>(110, "Do not allow rain or bad light");
        connect(weather_, &QCheckBox::clicked, this, [this] { Act(110, ovs::net::NM_NETSERIESWEATHER); });

        auto* home = new QHBoxLayout;
        home->addWidget(new QLabel("Home Squad", this));
        home_[0] = Named<QRadioButton>(140, serverName);
        home_[1] = Named<QRadioButton>(141, clientName);
        for (int k = 0; k < 2; ++k) {
            home->addWidget(home_[k]);
            connect(home_[k], &QRadioButton::clicked, this,
                    [this, k] { Act(140 + k, k ? ovs::net::NM_NETSERIESHOMECLIENT : ovs::net::NM_NETSERIESHOMESERVER); });
        }

        list_ = Named<QListWidget>(204);
        edit_ = Named<QLineEdit>(205);
        edit_->setMaxLength(50);
        auto* send = Named<QPushButton>(206, "&Send");
        send->setAutoDefault(false);
        connect(send, &QPushButton::clicked, this, [this] { Chat(); });
        connect(edit_, &QLineEdit::returnPressed, this, [this] { Chat(); });
        auto* chat = new QHBoxLayout;
        chat->addWidget(edit_, 1);
        chat->addWidget(send);

        status_ = Named<QLabel>(250);
        status_->hide();
        ready_ = Named<QCheckBox>(203, "Ready");
        connect(ready_, &QCheckBox::clicked, this, [this] { Act(203, ovs::net::NM_NETREADY); });
        ok_ = Named<QPushButton>(150, "OK");
        connect(ok_, &QPushButton::clicked, this, [this] {
            if (!Start()) return;
            s_.Send(ovs::net::NM_NETOK);
            accept();
        });
        auto* cancel = Named<QPushButton>(151, "Cancel");
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(ready_);
        buttons->addStretch();
        buttons->addWidget(ok_);
        buttons->addWidget(cancel);

        auto* v = new QVBoxLayout(this);
        v->addLayout(grid);
        v->addLayout(tests);
        v->addWidget(weather_);
        v->addLayout(home);
        v->addWidget(list_);
        v->addLayout(chat);
        v->addWidget(status_);
        v->addLayout(buttons);

        // The server chooses the first squad, the client the second.
        (server_ ? get_[1] : get_[0])->hide();
        (server_ ? static_cast<QWidget*>(ready_) : ok_)->hide();
        sc_.squad[0] = FirstNamed(-1);
        sc_.squad[1] = FirstNamed(sc_.squad[0]);
        // The server's box sets the start: its squad and its weather tick go
        // across, and the client's box takes them as clicks.
        if (server_) {
            sc_.noWeather = g.Series.bAllowWeather == 0;
            SendSquad(sc_.squad[0]);
            if (sc_.noWeather) s_.Send(ovs::net::NM_NETSERIESWEATHER);
        }
        edit_->setFocus();

        // The other copy's clicks and chat arrive through the session.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] { Poll(); });
        poll->start(20);
        Show();
    }

private:
    template <class W, class... A>
    W* Named(int id, A... args)
    {
        auto* w = new W(args..., this);
        w->setObjectName(QString("ctl%1").arg(id));
        return w;
    }

    int FirstNamed(int skip) const
    {
        for (int k = 0; k < g_.db.NumSquads(); ++k)
            if (k != skip && g_.db.squads[k].szName[0]) return k;
        return -1;
    }

    // This copy's click: taken here, then sent (a mirrored click is not).
    void Act(int id, int message)
    {
        sc_.Apply({id, 0});
        if (id == 110) sc_.noWeather = weather_->isChecked();
        if (id == 203) sc_.ready = ready_->isChecked();
        // The server learns the client's squad, chosen or not, before Ready.
        if (id == 203 && sc_.ready) SendSquad(sc_.squad[1]);
        s_.Send(message);
        Show();
    }

    void GetSquad(int k)
    {
        const int chosen = RunGetSquadBox(this, g_, sc_.squad[k]);
        if (chosen < 0) return;
        sc_.squad[k] = chosen;
        SendSquad(chosen);
        Show();
    }

    void SendSquad(int squad)
    {
        s_.Send(ovs::net::NM_NETSERIESSQUAD, [squad](ovs::net::MessageWriter& w) { w.PushShort(squad); });
    }

    void Chat()
    {
        if (edit_->text().isEmpty()) return;
        ovs::net::SendChatLine(s_, edit_->text().left(128).toStdString());
        edit_->clear();
        Show();
    }

    void Poll()
    {
        if (s_.Lost()) return reject();
        BoxCommand cmd;
        while (s_.TakeCommand(cmd)) {
            if (cmd.id == 150 && !server_) {
                if (Start()) return accept();
                continue;
            }
            sc_.Apply(cmd);
        }
        Show();
    }

    // The controls as the agreed state stands.
    void Show()
    {
        for (int k = 0; k < 2; ++k) {
            squad_[k]->setText(SquadLabel(g_, sc_.squad[k]));
            home_[k]->setChecked(sc_.homeClient == (k == 1));
        }
        for (int k = 0; k < ovs::MAX_TESTS; ++k) tests_[k]->setChecked(sc_.tests == k + 1);
        weather_->setChecked(sc_.noWeather);
        ready_->setChecked(sc_.ready);
        ok_->setEnabled(sc_.ready);
        const auto& lines = s_.Chat();
        if (list_->count() != static_cast<int>(lines.size())) {
            for (std::size_t k = list_->count(); k < lines.size(); ++k) list_->addItem(Q(lines[k]));
            list_->setCurrentRow(list_->count() - 1);
        }
    }

    // The checks, then the series on this copy; false leaves the box open.
    bool Start()
    {
        const std::string refusal = ovs::net::CheckSeries(g_, sc_);
        if (!refusal.empty()) {
            const bool both = sc_.squad[0] == sc_.squad[1] || refusal.find(" is in both Squads!") != std::string::npos;
            g_.host->MessageBox(refusal, "Ovalspin - Error", ovs::BoxButtons::Ok,
                                both ? ovs::BoxIcon::Exclamation : ovs::BoxIcon::None);
            return false;
        }
        ovs::net::ApplySeries(g_, s_, sc_);
        return true;
    }

    ovs::Game& g_;
    Session& s_;
    bool server_ = true;
    SeriesChoice sc_;
    QLabel* squad_[2] = {};
    QLabel* owner_[2] = {};
    QPushButton* get_[2] = {};
    QRadioButton* tests_[ovs::MAX_TESTS] = {};
    QRadioButton* home_[2] = {};
    QCheckBox* weather_ = nullptr;
    QCheckBox* ready_ = nullptr;
    QPushButton* ok_ = nullptr;
    QListWidget* list_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace

bool RunNetworkSeriesBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    if (!g.net) return false;
    NetworkSeriesBox box(parent, g, *g.net);
    req.result = box.exec() == QDialog::Accepted ? 1 : 0;
    return true;
}

}  // namespace gui
