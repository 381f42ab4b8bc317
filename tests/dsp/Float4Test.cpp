#include <gtest/gtest.h>

#include "dsp/Float4.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
    // Distance in representable floats between a result and the correctly rounded exact value.
    std::int64_t ulpDistance (float result, double exact)
    {
        const auto rounded = static_cast<float> (exact);

        if (std::isinf (rounded) && result == rounded)
            return 0;

        const auto ordered = [] (float x)
        {
            std::int32_t bits;
            std::memcpy (&bits, &x, sizeof (bits));
            return bits < 0 ? static_cast<std::int64_t> (INT32_MIN) - bits : static_cast<std::int64_t> (bits);
        };

        const auto distance = ordered (result) - ordered (rounded);
        return distance < 0 ? -distance : distance;
    }

    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
}

//==============================================================================
TEST (Float4Arithmetic, OperatorsWorkLaneByLaneAndBroadcastScalars)
{
    const float4 a (1.0f, 2.0f, 3.0f, 4.0f), b (8.0f, 6.0f, 4.0f, 2.0f);

    const auto sum = a + b, difference = a - b, product = a * 2.0f, quotient = 12.0f / a;

    for (int lane = 0; lane < 4; ++lane)
    {
        EXPECT_EQ (sum[lane], a[lane] + b[lane]);
        EXPECT_EQ (difference[lane], a[lane] - b[lane]);
        EXPECT_EQ (product[lane], a[lane] * 2.0f);
        EXPECT_EQ (quotient[lane], 12.0f / a[lane]);
        EXPECT_EQ ((-a)[lane], -a[lane]);
    }

    auto accumulated = a;
    accumulated += b;
    accumulated *= float4 (0.5f);
    accumulated -= 1.0f;
    accumulated /= 2.0f;
    EXPECT_EQ (accumulated[0], ((1.0f + 8.0f) * 0.5f - 1.0f) / 2.0f);
    EXPECT_EQ (accumulated[3], ((4.0f + 2.0f) * 0.5f - 1.0f) / 2.0f);

    EXPECT_EQ (float4()[2], 0.0f);
    EXPECT_EQ (float4 (7.5f)[3], 7.5f);
}

TEST (Float4Arithmetic, LanesLoadStoreAndMoveWithoutAlignment)
{
    float memory[9] { 0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f };

    auto x = float4::load (memory + 1);         // deliberately misaligned
    EXPECT_EQ (x[0], 1.0f);
    EXPECT_EQ (x[3], 4.0f);

    x.set (2, -3.0f);
    x.store (memory + 5);
    EXPECT_EQ (memory[7], -3.0f);
    EXPECT_EQ (memory[8], 4.0f);
    EXPECT_EQ (memory[4], 4.0f);

    const auto replaced = x.withLane (0, 9.0f);
    EXPECT_EQ (replaced[0], 9.0f);
    EXPECT_EQ (x[0], 1.0f);

    const auto reversed = shuffle<3, 2, 1, 0> (float4 (1.0f, 2.0f, 3.0f, 4.0f));
    EXPECT_EQ (reversed[0], 4.0f);
    EXPECT_EQ (reversed[3], 1.0f);

    const auto shifted = shiftDownAndInsert (float4 (1.0f, 2.0f, 3.0f, 4.0f), 5.0f);
    EXPECT_EQ (shifted[0], 2.0f);
    EXPECT_EQ (shifted[2], 4.0f);
    EXPECT_EQ (shifted[3], 5.0f);

    EXPECT_EQ (sumLanes (float4 (1.0f, 10.0f, 100.0f, 1000.0f)), 1111.0f);
}

TEST (Float4Arithmetic, ComparisonsSelectAndLimits)
{
    const float4 a (1.0f, -2.0f, notANumber, 4.0f), b (2.0f, -3.0f, 0.0f, 4.0f);

    const auto less = a < b;
    EXPECT_TRUE (less[0]);
    EXPECT_FALSE (less[1]);
    EXPECT_FALSE (less[2]);
    EXPECT_FALSE (less[3]);
    EXPECT_TRUE ((a == b)[3]);
    EXPECT_TRUE ((a != b)[2]);
    EXPECT_TRUE ((a <= b)[3]);
    EXPECT_TRUE ((a >= b)[1]);
    EXPECT_TRUE (less.any());
    EXPECT_FALSE (less.all());
    EXPECT_TRUE ((float4 (1.0f) < float4 (2.0f)).all());
    EXPECT_TRUE ((~less)[1]);
    EXPECT_FALSE ((less & (a > b))[0]);
    EXPECT_TRUE ((less | (a > b))[1]);

    const auto picked = select (less, float4 (10.0f), float4 (20.0f));
    EXPECT_EQ (picked[0], 10.0f);
    EXPECT_EQ (picked[1], 20.0f);

    const auto lower = min (a, b), upper = max (a, b);
    EXPECT_EQ (lower[0], 1.0f);
    EXPECT_EQ (lower[1], -3.0f);
    EXPECT_EQ (upper[0], 2.0f);
    EXPECT_EQ (upper[1], -2.0f);

    const auto limited = clamp (float4 (-5.0f, 0.5f, 5.0f, notANumber), float4 (0.0f), float4 (1.0f));
    EXPECT_EQ (limited[0], 0.0f);
    EXPECT_EQ (limited[1], 0.5f);
    EXPECT_EQ (limited[2], 1.0f);
    EXPECT_TRUE (std::isnan (limited[3]));

    const auto magnitudes = abs (float4 (-1.5f, 1.5f, -0.0f, -infinity));
    EXPECT_EQ (magnitudes[0], 1.5f);
    EXPECT_EQ (magnitudes[1], 1.5f);
    EXPECT_FALSE (std::signbit (magnitudes[2]));
    EXPECT_EQ (magnitudes[3], infinity);

    const auto signs = copySign (float4 (2.0f), float4 (-1.0f, 1.0f, -0.0f, 0.0f));
    EXPECT_EQ (signs[0], -2.0f);
    EXPECT_EQ (signs[1], 2.0f);
    EXPECT_EQ (signs[2], -2.0f);

    const auto roots = sqrt (float4 (4.0f, 2.0f, 0.0f, 1.0e-30f));
    EXPECT_EQ (roots[0], 2.0f);
    EXPECT_EQ (roots[1], std::sqrt (2.0f));
    EXPECT_EQ (roots[2], 0.0f);
    EXPECT_EQ (roots[3], std::sqrt (1.0e-30f));
}

//==============================================================================
TEST (Float4Maths, ExpIsWithinTwoUlpOverItsWholeRange)
{
    std::int64_t worst = 0;
    float worstAt = 0.0f;

    for (double x = -88.37; x <= 88.37; x += 0.000713)
    {
        const auto argument = static_cast<float> (x);
        const float4 lanes (argument, argument * 0.5f, argument * 0.25f, -argument);

        for (int lane = 0; lane < 4; ++lane)
        {
            const auto distance = ulpDistance (exp (lanes)[lane], std::exp (static_cast<double> (lanes[lane])));

            if (distance > worst)
            {
                worst = distance;
                worstAt = lanes[lane];
            }
        }
    }

    EXPECT_LE (worst, 2) << "at " << worstAt;
}

TEST (Float4Maths, ExpClampsItsArgumentAndKeepsNaN)
{
    const auto top = exp (float4 (88.37626f, 1000.0f, infinity, notANumber));
    const auto largest = static_cast<float> (std::exp (static_cast<double> (88.37626f)));

    EXPECT_NEAR (top[0], largest, largest * 3.0e-7f);
    EXPECT_EQ (top[1], top[0]);
    EXPECT_EQ (top[2], top[0]);
    EXPECT_TRUE (std::isfinite (top[0]));
    EXPECT_TRUE (std::isnan (top[3]));

    const auto bottom = exp (float4 (-88.37626f, -1000.0f, -infinity, 0.0f));
    EXPECT_GT (bottom[0], 0.0f);
    EXPECT_NEAR (bottom[0], 4.15602e-39f, 1.0e-43f);
    EXPECT_EQ (bottom[1], bottom[0]);
    EXPECT_EQ (bottom[2], bottom[0]);
    EXPECT_EQ (bottom[3], 1.0f);
}

TEST (Float4Maths, DecibelsBecomeLinearGains)
{
    const auto gains = decibelsToGain (float4 (0.0f, 12.0f, -12.0f, -48.0f));

    EXPECT_EQ (gains[0], 1.0f);
    EXPECT_NEAR (gains[1], 3.98107f, 2.0e-5f);
    EXPECT_NEAR (gains[2], 0.251189f, 2.0e-6f);
    EXPECT_NEAR (gains[3], 0.00398107f, 2.0e-8f);
}

TEST (Float4Maths, LogIsWithinTwoUlpFromSubnormalsToTheLargestFloat)
{
    std::int64_t worst = 0;
    float worstAt = 0.0f;

    for (float x = std::numeric_limits<float>::denorm_min(); x < FLT_MAX * 0.999f;
         x = std::max (x * 1.000137f, std::nextafter (x, infinity)))
    {
        const auto distance = ulpDistance (log (float4 (x))[1], std::log (static_cast<double> (x)));

        if (distance > worst)
        {
            worst = distance;
            worstAt = x;
        }
    }

    EXPECT_LE (worst, 2) << "at " << worstAt;
}

TEST (Float4Maths, LogHandlesTheEdgesOfItsDomain)
{
    const auto edges = log (float4 (0.0f, -0.0f, infinity, 1.0f));
    EXPECT_EQ (edges[0], -infinity);
    EXPECT_EQ (edges[1], -infinity);
    EXPECT_EQ (edges[2], infinity);
    EXPECT_EQ (edges[3], 0.0f);

    const auto invalid = log (float4 (-1.0f, notANumber, -infinity, -1.0e-40f));
    for (int lane = 0; lane < 4; ++lane)
        EXPECT_TRUE (std::isnan (invalid[lane])) << lane;

    // The round trip the compressor relies on: exp (log x) gives x back.
    for (float x = 1.0e-6f; x < 1.0e6f; x *= 1.37f)
        EXPECT_NEAR (exp (log (float4 (x)))[0], x, x * 4.0e-7f);
}

TEST (Float4Maths, SineCosineAndTangentAreAccurateWhereTheDesignsUseThem)
{
    std::int64_t worstSine = 0, worstCosine = 0, worstTangent = 0;

    // Angles of filter designs: 0 to π (sine and cosine) and 0 to π/2 (tangent of half the angle).
    for (double x = 1.0e-4; x < 3.14159; x += 1.0e-4)
    {
        float4 s, c;
        const auto angle = static_cast<float> (x);
        sinCos (float4 (angle), s, c);

        worstSine = std::max (worstSine, ulpDistance (s[0], std::sin (static_cast<double> (angle))));

        // Near π/2 the cosine passes through 0, where ulps lose meaning: compare absolutely there.
        if (std::abs (std::cos (static_cast<double> (angle))) > 0.01)
            worstCosine = std::max (worstCosine, ulpDistance (c[0], std::cos (static_cast<double> (angle))));
        else
            EXPECT_NEAR (c[0], std::cos (static_cast<double> (angle)), 1.0e-7);

        if (angle < 1.5707f)
            worstTangent = std::max (worstTangent, ulpDistance (tan (float4 (angle * 0.5f))[3],
                                                                std::tan (static_cast<double> (angle * 0.5f))));
    }

    EXPECT_LE (worstSine, 2);
    EXPECT_LE (worstCosine, 2);
    EXPECT_LE (worstTangent, 4);
}

TEST (Float4Maths, SineAndCosineKeepTheirQuadrantsAndSignsOverManyTurns)
{
    double worst = 0.0;

    for (double x = -8192.0; x < 8192.0; x += 0.00731)
    {
        const auto angle = static_cast<float> (x);
        const float4 lanes (angle, -angle, angle * 0.001f, angle + 0.5f);
        float4 s, c;
        sinCos (lanes, s, c);

        for (int lane = 0; lane < 4; ++lane)
        {
            worst = std::max (worst, std::abs (s[lane] - std::sin (static_cast<double> (lanes[lane]))));
            worst = std::max (worst, std::abs (c[lane] - std::cos (static_cast<double> (lanes[lane]))));
        }
    }

    EXPECT_LT (worst, 2.0e-7);

    EXPECT_TRUE (std::isnan (sin (float4 (notANumber))[0]));
    EXPECT_EQ (sin (float4 (0.0f))[0], 0.0f);
    EXPECT_EQ (cos (float4 (0.0f))[0], 1.0f);
    EXPECT_NEAR (tan (float4 (3.14159265f * 21800.0f / 44100.0f))[0], 56.14, 0.01);
}
