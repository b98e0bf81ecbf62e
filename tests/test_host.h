// A scripted Host for the tests: answers from lists, records what it was shown.
//
// Every message box is recorded (text, caption, buttons, icon, the answer
// given) and answered from `answers` in order; when the list is used up the
// box gets the natural yes: IDYES for a Yes/No box and IDOK otherwise. A
// choice dialog takes its answer from the one-shot script queued for its
// Dialog, else RunDialog returns false and the engine makes the computer's
// choice. The data directory is a fresh temporary directory, removed when the
// host goes, unless one is given.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/host.h"
#include "test_util.h"

namespace ovs::test {

class TestHost : public Host {
public:
    struct Box {
        std::string text;
        std::string caption;
        BoxButtons buttons = BoxButtons::Ok;
        BoxIcon icon = BoxIcon::None;
        int answer = 0;
    };
    using DialogScript = std::function<bool(DialogRequest&)>;

    TestHost() : temp_(std::make_unique<TempDir>("ovs-test")), dataDir_(temp_->Path()) {}
    explicit TestHost(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    // --- scripting -------------------------------------------------------

    // Queue the answers of the next message boxes (IDYES, IDNO, IDOK, IDCANCEL).
    void Answer(int a) { answers.push_back(a); }
    void Answer(std::initializer_list<int> as) { answers.insert(answers.end(), as); }

    // Queue one answer for the next run of dialog `d`.
    void AnswerDialog(Dialog d, int result, int result2 = -1)
    {
        dialogScripts[d].push_back([result, result2](DialogRequest& r) {
            r.result = result;
            r.result2 = result2;
            return true;
        });
    }
    // Queue a handler for the next run of dialog `d` (it may return false).
    void ScriptDialog(Dialog d, DialogScript s) { dialogScripts[d].push_back(std::move(s)); }

    // --- what was shown --------------------------------------------------

    // Was a box shown whose text contains `part`?
    bool Saw(const std::string& part) const { return Count(part) > 0; }
    int Count(const std::string& part) const
    {
        int n = 0;
        for (const Box& b : boxes)
            if (b.text.find(part) != std::string::npos) ++n;
        return n;
    }
    bool SawCaption(const std::string& caption) const
    {
        for (const Box& b : boxes)
            if (b.caption == caption) return true;
        return false;
    }
    int DialogRuns(Dialog d) const
    {
        int n = 0;
        for (const DialogRequest& r : dialogsRun)
            if (r.id == d) ++n;
        return n;
    }
    void ClearRecord()
    {
        boxes.clear();
        dialogsRun.clear();
        refreshMask = 0;
        commandsChanged = 0;
    }

    // --- Host ------------------------------------------------------------

    int MessageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                   BoxIcon icon) override
    {
        int a = 0;
        if (!answers.empty()) {
            a = answers.front();
            answers.pop_front();
        }
        if (a == 0) a = (buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel) ? IDYES : IDOK;
        boxes.push_back({text, caption, buttons, icon, a});
        return a;
    }

    bool RunDialog(DialogRequest& req) override
    {
        bool answered = false;
        auto q = dialogScripts.find(req.id);
        if (q != dialogScripts.end() && !q->second.empty()) {
            DialogScript s = std::move(q->second.front());
            q->second.pop_front();
            answered = s(req);
        }
        dialogsRun.push_back(req);
        return answered;
    }

    void Refresh(unsigned paneMask) override { refreshMask |= paneMask; }
    void CommandsChanged() override { ++commandsChanged; }
    void CloseLeagueBoxes() override { ++leagueBoxesClosed; }
    bool WaitNested(const std::function<bool()>& done) override { return done(); }
    std::int64_t Now() override { return now; }
    std::string DataDir() override { return dataDir_; }
    std::string DataDir() const { return dataDir_; }   // for tests holding a const host

    // --- state, open to the test -----------------------------------------

    std::deque<int> answers;
    std::map<Dialog, std::deque<DialogScript>> dialogScripts;

    std::vector<Box> boxes;
    std::vector<DialogRequest> dialogsRun;
    unsigned refreshMask = 0;
    int commandsChanged = 0;
    int leagueBoxesClosed = 0;

    std::int64_t now = 1000000000;  // the clock the generator is seeded from

private:
    std::unique_ptr<TempDir> temp_;
    std::string dataDir_;
};

}  // namespace ovs::test
