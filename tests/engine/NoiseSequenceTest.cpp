// Runs in a process of its own: the hiss sequence is process-wide and must be untouched here.
#include "dsp/NoiseRandomState.h"

#include <gtest/gtest.h>

#include <vector>

TEST (NoiseSequence, TheFirstDrawsOfAFreshProcess)
{
    NoiseRandomSource source;
    source.beginBlock (2);
    const auto first = source.next();
    const auto second = source.next();

    EXPECT_EQ (first, 3701687786u);
    EXPECT_EQ (second, 458299110u);
    EXPECT_EQ (first & 0xffffffu, 10700266u);
    EXPECT_EQ (second & 0xffffffu, 5314278u);
    EXPECT_NEAR (whiteNoiseFrom (first), 0.275571f, 1.0e-6f);
    EXPECT_NEAR (whiteNoiseFrom (second), -0.366489f, 1.0e-6f);
}

TEST (NoiseSequence, WhiteSamplesSpanMinusOneToOne)
{
    EXPECT_EQ (whiteNoiseFrom (0u), -1.0f);
    EXPECT_EQ (whiteNoiseFrom (0xff000000u), -1.0f);
    EXPECT_EQ (whiteNoiseFrom (0x00ffffffu), 1.0f);
}

TEST (NoiseSequence, AJumpLandsWhereSteppingDoes)
{
    XorShift128 stepped;
    std::vector<uint32_t> draws;
    for (int i = 0; i < 70000; ++i)
        draws.push_back (stepped.next());

    for (const uint64_t index : { 0ull, 1ull, 2ull, 3ull, 4ull, 5ull, 1000ull, 4096ull, 65535ull, 69999ull })
        EXPECT_EQ (NoiseRandomState::generatorAt (index).next(), draws[(size_t) index]) << index;

    // From the middle of the sequence, by short and long ways.
    for (const uint64_t skip : { 0ull, 1ull, 63ull, 64ull, 1024ull, 50001ull })
        EXPECT_EQ (NoiseRandomState::advance (NoiseRandomState::generatorAt (100), skip).next(), draws[(size_t) (100 + skip)]) << skip;
}

TEST (NoiseSequence, InstancesShareOneSequenceWithoutRepeats)
{
    // Whatever has been drawn so far, two sources that reserve in turn get consecutive stretches.
    NoiseRandomSource a, b;
    a.beginBlock (3);
    const auto startOfA = NoiseRandomState::generatorAt (NoiseRandomState::claimDraws (0) - 3).next();
    b.beginBlock (2);

    EXPECT_EQ (a.next(), startOfA);
    a.next();
    const auto lastOfA = a.next();

    auto afterA = NoiseRandomState::generatorAt (NoiseRandomState::claimDraws (0) - 2);
    EXPECT_EQ (b.next(), afterA.next());
    EXPECT_NE (b.next(), lastOfA);

    // A's next block skips what B took.
    a.beginBlock (100);
    EXPECT_EQ (a.next(), NoiseRandomState::generatorAt (NoiseRandomState::claimDraws (0) - 100).next());
}
