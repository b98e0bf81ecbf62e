// "Playing Conditions": a picture and a line for the ball, the pitch, the
// bounce, the outfield and the weather.
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/conditions.h"
#include "core/game.h"
#include "core/weather.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "icons.h"

namespace gui {

bool RunConditionsBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& /*req*/)
{
    const ovs::CURRENT& c = g.Current;
    const int ball = ovs::BallLevel(c.nBallWear), pitch = ovs::PitchLevel(c.nPitch);
    const int bounce = ovs::BounceLevel(c.nBounce), outfield = ovs::OutfieldLevel(c.nOutfield);
    const int weather = std::clamp<int>(c.nWeather / 5, 0, 8);
    struct Row {
        QString icon;
        const char* text;
    } rows[5] = {
        {QString("Ball_%1").arg(ball + 1), ovs::BallText(ball)},
        {QString("Pitch_%1").arg(pitch + 1), ovs::PitchText(pitch)},
        {QString("Bounce_%1").arg(bounce + 1), ovs::BounceText(bounce)},
        {QString("Outfield_%1").arg(outfield + 1), ovs::OutfieldText(outfield)},
        {QString("Weather_%1").arg(weather + 1), ovs::WeatherText(weather)},
    };

    QDialog d(parent);
    d.setObjectName("ConditionsBox");
    StyleDialog(d, "Playing Conditions");
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    top->addLayout(grid);
    for (int k = 0; k < 5; ++k) {
        auto* pic = new QLabel(&d);
        pic->setPixmap(IconPixmap(rows[k].icon, 32));
        pic->setFixedSize(34, 34);
        pic->setObjectName(rows[k].icon);
        auto* text = new QLabel(Q(rows[k].text), &d);
        text->setObjectName(QString("text%1").arg(k));
        text->setWordWrap(true);
        text->setMinimumWidth(380);
        grid->addWidget(pic, k, 0);
        grid->addWidget(text, k, 1);
    }
    AddOkButton(d, top)->setCenterButtons(true);
    d.exec();
    return true;
}

}  // namespace gui
