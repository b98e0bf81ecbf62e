// The game's one random generator: a 64-bit linear congruential generator.
//
// Every draw of the game goes through one Random. It is seeded once per run
// (from the calendar time, or from --seed), so a seed fixes a whole series.
// A source can be plugged in ahead of the generator: where no message carries
// the outcome of a draw, the network client takes the server's drawn values
// from its delivery queue that way instead of drawing.
#pragma once

#include <cstdint>
#include <functional>

namespace ovs {

class Random {
public:
    static constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ull;

    explicit Random(std::uint32_t seed = 1) { Seed(seed); }

    // The seed goes into the low 32 bits; the high 32 bits start at 0.
    void Seed(std::uint32_t seconds) { state_ = seconds; }
    std::uint64_t State() const { return state_; }
    void SetState(std::uint64_t s) { state_ = s; }

    // One step: state = state * multiplier + 1; returns bits 32..62 (0..2^31-1).
    std::int32_t Next()
    {
        if (source_) return source_();
        return Draw();
    }

    // One step of the generator itself, whatever source is plugged in.
    std::int32_t Draw()
    {
        state_ = state_ * kMultiplier + 1;
        return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFF);
    }

    // A draw below n; where n is 0 (or less) the draw is 0 and nothing is drawn.
    int Below(int n)
    {
        if (n <= 0) return 0;
        return static_cast<int>(Next() % n);
    }

    // Replace drawing by another source (network client); empty restores drawing.
    void SetSource(std::function<std::int32_t()> source) { source_ = std::move(source); }

private:
    std::uint64_t state_ = 0;
    std::function<std::int32_t()> source_;
};

}  // namespace ovs
