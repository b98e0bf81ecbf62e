// The follow-on question and the Test's result box, for hosts that route
// them as dialogs rather than message boxes.
#include "core/game.h"
#include "core/innings.h"
#include "dialog_util.h"
#include "dialogs.h"

namespace gui {

bool RunFollowOnBox(QWidget* /*parent*/, ovs::Game& g, ovs::DialogRequest& req)
{
    req.result = g.host->MessageBox("Do you wish to enforce the follow on?", "Follow On", ovs::BoxButtons::YesNo,
                                    ovs::BoxIcon::Question);
    return true;
}

bool RunTestResultBox(QWidget* /*parent*/, ovs::Game& g, ovs::DialogRequest& req)
{
    const std::string text = req.text.empty() && g.pTest ? std::string(g.pTest->szResult) : req.text;
    g.host->MessageBox(text, Ordinal(g.Current.nTest + 1) + " Test", ovs::BoxButtons::Ok, ovs::BoxIcon::Information);
    return true;
}

}  // namespace gui
