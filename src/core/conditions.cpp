// The conditions draws at the start of a Test and the conditions texts.
#include "core/conditions.h"

#include <algorithm>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/setup.h"
#include "core/weather.h"

namespace ovs {

namespace {

const char* const kBall[5] = {
    "The ball is nice and new.  Typical of a ball less than 15 overs old.",
    "The ball is starting to lose its shine.  Typical of a ball 15-29 overs old.",
    "The ball is starting to go soft.  Typical of a ball 30-44 overs old.",
    "The ball is getting old.  Typical of a ball 45-59 overs old.",
    "The ball is old and soft.  Typical of a ball 60+ overs old.",
};
const char* const kPitch[5] = {
    "A perfect batting pitch with no visible cracks.",
    "A fairly good batting pitch with a few cracks.",
    "A pitch with quite a few cracks.",
    "A pitch that is getting worn with cracks.",
    "A pitch with lots of cracks and worn parts.  Perfect for spinners.",
};
const char* const kBounce[5] = {
    "High bounce.  Just what the fast bowlers want.",
    "Good bounce with the occasional one lifting off a good length.",
    "Nice consistent bounce off a good length.",
    "Okay bounce with the odd one keeping low.",
    "Unpredictable bounce with quite a few keeping low.",
};
const char* const kOutfield[5] = {
    "Very fast outfield.  Lots of boundaries likely to be scored.",
    "Fast outfield.",
    "Normal speed outfield.",
    "Slow outfield.",
    "Very slow outfield.  Boundaries will be hard to score.",
};

int Level(int value, int step) { return std::clamp(value / step, 0, 4); }
const char* Pick(const char* const (&texts)[5], int level) { return texts[std::clamp(level, 0, 4)]; }

}  // namespace

int BallLevel(int nBallWear) { return Level(nBallWear, 25); }
int PitchLevel(int nPitch) { return Level(nPitch, 150); }
int BounceLevel(int nBounce) { return Level(nBounce, 100); }
int OutfieldLevel(int nOutfield) { return Level(nOutfield, 100); }

const char* BallText(int level) { return Pick(kBall, level); }
const char* PitchText(int level) { return Pick(kPitch, level); }
const char* BounceText(int level) { return Pick(kBounce, level); }
const char* OutfieldText(int level) { return Pick(kOutfield, level); }

void DrawConditions(Game& g)
{
    CURRENT& c = g.Current;
    const GROUND* ground = TestGround(g);
    const int groundPitch = ground ? ground->nPitch : 0;
    const int groundBounce = ground ? ground->nBounce : 0;
    int pitch = groundPitch * 150 - 75 + g.rng.Below(151);
    c.nPitch = std::max(pitch, 0);
    // nWeather * 10 is 0 on a very sunny first level: then that draw is not made.
    int outfield = g.rng.Below(c.nWeather * 10);
    outfield += g.rng.Below(151);
    c.nOutfield = std::clamp(outfield, 0, 499);
    int bounce = groundBounce * 100 - 50 + g.rng.Below(101);
    c.nBounce = std::max(bounce, 0);
}

std::string ConditionsText(const CURRENT& c)
{
    std::string ball = BallText(BallLevel(c.nBallWear));
    ball = ball.substr(0, ball.find('.'));
    std::string s = "\nCurrent Conditions\n\n";
    s += "Ball     : " + ball + ".\n";
    s += std::string("Pitch    : ") + PitchText(PitchLevel(c.nPitch)) + "\n";
    s += std::string("Bounce   : ") + BounceText(BounceLevel(c.nBounce)) + "\n";
    s += std::string("Outfield : ") + OutfieldText(OutfieldLevel(c.nOutfield)) + "\n";
    s += std::string("Weather  : ") + WeatherText(c.nWeather / 5) + "\n";
    return s;
}

void WriteConditions(Game& g)
{
    if (BbbIsOpen(g)) BbbWrite(g, ConditionsText(g.Current));
}

}  // namespace ovs
