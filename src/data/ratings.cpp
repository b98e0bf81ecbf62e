// Performance points, morale and the three ratings after a finished Test.
#include "data/statistics.h"

#include <algorithm>
#include <cstdint>

#include "core/arith.h"
#include "core/game.h"

namespace ovs {

namespace {

// The stored points are unsigned words that may have gone below zero.
int Signed(const u16& v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); }

int ShownBat(int bat) { return static_cast<int>(bat * 1.1); }
int ShownBowl(int bowl) { return static_cast<int>(bowl * 1.1); }
int ShownField(int field) { return static_cast<int>(field * 0.7); }

void AddPoints(AVERAGE_POINTS& a, int points)
{
    a.nPoints += points;
    if (points > a.nBest) a.nBest = points;
    if (a.nMatches > 0) a.fAverage = static_cast<float>(a.nPoints) / static_cast<float>(a.nMatches);
}

// The histories are not touched here: they move once a series, when its
// first Test starts, so that entry 0 is the rating the series began with.
void UpdateRating(i16& rating, i16& best, int matches, int points)
{
    rating = NextRating(rating, matches, points);
    if (rating > best) best = rating;
}

}  // namespace

int TestPoints(int bat, int bowl, int field)
{
    return static_cast<int>(ShownBat(bat) + bowl * 1.1 + field * 0.7);
}

int TestPoints(const TEST& test, int side, int slot)
{
    return TestPoints(Signed(test.nBatPoints[slot][side]), Signed(test.nBowlPoints[slot][side]),
                      Signed(test.nFieldPoints[slot][side]));
}

int MoraleAfterTest(int morale, int result, int points)
{
    morale += result;
    if (points < 1)
        morale -= 3;
    else if (points < 200)
        morale -= 2;
    else if (points < 400)
        morale -= 1;
    else if (points >= 2000)
        morale += 3;
    else if (points >= 1000)
        morale += 2;
    else if (points >= 600)
        morale += 1;
    // Sky High (7) is never earned in play, only set in the database.
    return std::clamp(morale, 0, 6);
}

int NextRating(int rating, int matches, int points)
{
    int r = rating * 200 / 197;
    int n = std::clamp(matches, 1, 20);
    int base = n == 20 ? r : r * 100 / ((n - 1) * 3 + 40);
    r = ((n - 1) * base + points) / n * (n * 3 + 40) / 100;
    return Trunc16(r);
}

void UpdatePointsMoraleAndRatings(Game& g, const TEST& test)
{
    const int winner = test.nWinner;
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
            PlayerFigures f = FiguresOf(g, test, side, slot);
            if (!f.player) continue;
            const int bat = Signed(test.nBatPoints[slot][side]);
            const int bowl = Signed(test.nBowlPoints[slot][side]);
            const int field = Signed(test.nFieldPoints[slot][side]);
            const int points = TestPoints(test, side, slot);

            AddPoints(f.series->Points, points);
            AddPoints(f.career->Points, points);

            int result = winner < 0 || winner > 1 ? 0 : (winner == side ? 1 : -1);
            PLAYER& p = *f.player;
            p.nMorale = static_cast<u8>(MoraleAfterTest(p.nMorale, result, points));

            const AVERAGE& c = p.Career;
            UpdateRating(p.nBatRating, p.nBestBatRating, c.Bat.nTests, ShownBat(bat));
            UpdateRating(p.nBowlRating, p.nBestBowlRating, c.Bowl.nMatches, ShownBowl(bowl));
            UpdateRating(p.nFieldRating, p.nBestFieldRating, c.Field.nMatches, ShownField(field));
        }
}

}  // namespace ovs
