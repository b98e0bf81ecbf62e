// The toss: the away side's call ("Heads" or "Tails") and the winner's
// choice ("Bat" or "Bowl").
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/innings.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

namespace {

// A box of two buttons; the answer is 0 for the first, 1 for the second.
bool TwoButtonBox(QWidget* parent, const char* objectName, const QString& title, const QString& text,
                  const char* first, const char* second, ovs::DialogRequest& req)
{
    ChoiceDialog d(parent);
    d.setObjectName(objectName);
    StyleDialog(d, title);
    auto* top = new QVBoxLayout(&d);
    auto* label = new QLabel(text, &d);
    label->setAlignment(Qt::AlignCenter);
    top->addWidget(label);
    auto* row = new QHBoxLayout;
    auto* a = new QPushButton(first, &d);
    auto* b = new QPushButton(second, &d);
    a->setObjectName("ctl100");
    b->setObjectName("ctl101");
    row->addWidget(a);
    row->addWidget(b);
    top->addLayout(row);
    int answer = -1;
    QObject::connect(a, &QPushButton::clicked, &d, [&] { answer = 0; d.accept(); });
    QObject::connect(b, &QPushButton::clicked, &d, [&] { answer = 1; d.accept(); });
    d.setMinimumWidth(260);
    d.exec();
    req.result = answer;
    return answer >= 0;
}

}  // namespace

bool RunTossCallBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const std::string name = req.text.empty() ? ovs::SquadName(g, 1) : req.text;
    return TwoButtonBox(parent, "TossCallBox", Q(name), "Call the toss:", "Heads", "Tails", req);
}

bool RunTossChoiceBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const int side = req.side >= 0 ? req.side : 0;
    const std::string name = ovs::SquadName(g, side);
    return TwoButtonBox(parent, "TossChoiceBox", Q(name), Q(name + " won the toss."), "Bat", "Bowl", req);
}

}  // namespace gui
