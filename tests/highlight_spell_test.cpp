// Texts and figures worked out once an over or once an event: the highlight
// line's cleaning of its text (plain runs, unprintable bytes and line breaks
// wherever they fall, the cut at the pane's width) and the computer captain's
// cut of a bowler's spell for his tiredness and for the runs of the over.
#include <gtest/gtest.h>

#include <string>

#include "core/highlights.h"
#include "fixtures.h"
#include "sim/bowling.h"

namespace ovs::test {
namespace {

class HighlightText : public ElevensFixture {
protected:
    void SetUp() override
    {
        SetUpElevens(10);
        SetUpOneTest(g, CONTROL_COMPUTER);
        g.Current.nTime = 0;  // no time of play: the line is the text alone
        g.Current.nBall = 0;
    }
    std::string Last() const { return g.Current.szHighlights[23]; }
};

TEST_F(HighlightText, UnprintableBytesAreDroppedWhereverTheyFall)
{
    // Bad bytes at the end of one eight-byte word, in the middle of the next,
    // at the start of a third and in the short tail.
    AddHighlight(g, std::string("abcdefg\x01hijk\x7Flmnopq\x1Frstuvwx\xC3\xA9yz\x02", 31));
    EXPECT_EQ(Last(), "abcdefghijklmnopqrstuvwxyz");
    // The ends of the printable range stay.
    AddHighlight(g, "0123456789 ~!AZaz");
    EXPECT_EQ(Last(), "0123456789 ~!AZaz");
}

TEST_F(HighlightText, LineBreaksAfterAPlainRunBecomeTwoBlanks)
{
    AddHighlight(g, "\n\nPartnership between A [50] & B [12]\nis now worth 62 runs.");
    EXPECT_EQ(Last(), "Partnership between A [50] & B [12]  is now worth 62 runs.");
}

TEST_F(HighlightText, TheLineIsCutAtTheWidth)
{
    // 7 of time, then 92 of text: 99 characters and the terminator.
    g.Current.nTime = 1100;
    AddHighlight(g, std::string(150, 'q'));
    EXPECT_EQ(Last(), "11:00  " + std::string(92, 'q'));

    // A break with room for one blank only keeps that one.
    g.Current.nTime = 0;
    AddHighlight(g, std::string(98, 'a') + "\nb");
    EXPECT_EQ(Last(), std::string(98, 'a') + " ");
    // Nothing of an older, longer line is left behind the text.
    AddHighlight(g, std::string(150, 'z'));
    AddHighlight(g, "short");
    const char* line = g.Current.szHighlights[23];
    for (int i = 5; i < 100; ++i) EXPECT_EQ(line[i], '\0') << "byte " << i;
}

// The fast bowler keeps a spell of 100 overs in hand, so that only the cut
// changes: his budget afterwards is 100 less the cut.
class SpellCut : public InningsFixture {
protected:
    int CutFor(int tiredness, int runsInOver)
    {
        SPELL& sp = Spell(kFast);
        sp.nTiredness = static_cast<std::uint16_t>(tiredness);
        sp.nBudget = 100;
        sp.nSpellOvers = 0;
        g.pInnings->Bowl[kFast].nRuns = static_cast<std::int16_t>(40 + runsInOver);
        g.Current.nBowler = kFast;
        g.Current.nOtherBowler = kFastMedium;
        ComputerBowlingChange(g, 40);
        return 100 - Spell(kFast).nBudget;
    }
};

// One more for each three runs of the over from six to thirty-six; for
// tiredness one each at 32, 40, 48 and 54, five more from 56.
TEST_F(SpellCut, ForRunsInTheOverAndForTiredness)
{
    struct Row {
        int tiredness, runs, cut;
    };
    const Row rows[] = {
        {0, 0, 0},   {0, 5, 0},   {0, 6, 1},   {0, 8, 1},   {0, 9, 2},
        {0, 20, 5},  // 6, 9, 12, 15, 18
        {0, 35, 10}, {0, 36, 11}, {0, 60, 11},  // no step beyond 36
        {31, 0, 0},  {32, 0, 1},  {40, 0, 2},  {48, 0, 3},  {55, 0, 4},  {56, 0, 9},
        {56, 12, 12},  // both: 9 for tiredness, 3 for 6, 9 and 12 runs
    };
    for (const Row& r : rows)
        EXPECT_EQ(CutFor(r.tiredness, r.runs), r.cut) << "tiredness " << r.tiredness << ", runs " << r.runs;
}

}  // namespace
}  // namespace ovs::test
