#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace EngineTest;

namespace
{
    // Engines are large (their delay buffers); tests keep them on the heap.
    std::unique_ptr<TapeEngine> makeEngine (const Settings& settings = {}, float sampleRate = 48000.0f)
    {
        auto engine = std::make_unique<TapeEngine>();
        prepareWith (*engine, settings, sampleRate);
        return engine;
    }

    Signal processed (Signal signal, const Settings& settings, float sampleRate = 48000.0f, int blockSize = 512)
    {
        auto engine = makeEngine (settings, sampleRate);
        run (*engine, signal, settings, blockSize);
        return signal;
    }

    void expectNoRampRunning (const TapeEngine& engine)
    {
        const auto& r = engine.getRamps();
        for (const auto* ramp : { &r.dryWet, &r.inputGain, &r.outputGain, &r.crossbleed, &r.noiseType, &r.noiseLevel,
                                  &r.tiltDelay[0], &r.tiltDelay[1], &r.eqGain[0], &r.eqGain[1], &r.eqGain[2], &r.eqGain[3] })
        {
            EXPECT_FALSE (ramp->isRamping());
            EXPECT_EQ (ramp->current, ramp->target);
            EXPECT_TRUE (std::isfinite (ramp->current));
        }
    }

    void expectSameCoefficients (const BiquadCoeffs4& a, const BiquadCoeffs4& b, float tolerance)
    {
        for (int lane = 0; lane < 4; ++lane)
        {
            EXPECT_NEAR (a.b0[lane], b.b0[lane], tolerance) << lane;
            EXPECT_NEAR (a.b1[lane], b.b1[lane], tolerance) << lane;
            EXPECT_NEAR (a.b2[lane], b.b2[lane], tolerance) << lane;
            EXPECT_NEAR (a.a1[lane], b.a1[lane], tolerance) << lane;
            EXPECT_NEAR (a.a2[lane], b.a2[lane], tolerance) << lane;
        }
    }
}

//==============================================================================
TEST (Ramps, ReachTheirTargetOnTheLastSampleOfTheBlock)
{
    RampedValue ramp;
    ramp.snap (0.0f);
    ramp.setTarget (24.0f, 64);

    for (int i = 1; i <= 64; ++i)
        EXPECT_NEAR (ramp.next(), 24.0f * (float) i / 64.0f, 1.0e-4f) << i;

    EXPECT_FALSE (ramp.isRamping());
    EXPECT_EQ (ramp.next(), 24.0f);
}

TEST (Ramps, AnEmptyBlockTakesTheTargetAtOnceAndStaysFinite)
{
    RampedValue ramp;
    ramp.setTarget (5.0f, 0);
    EXPECT_FALSE (ramp.isRamping());
    EXPECT_EQ (ramp.current, 5.0f);
    EXPECT_EQ (ramp.step, 0.0f);
    EXPECT_EQ (ramp.next(), 5.0f);
}

//==============================================================================
TEST (EngineParameters, ANewEngineStartsAtTheDefaultsWithoutARamp)
{
    TapeEngine engine;
    expectNoRampRunning (engine);
    EXPECT_EQ (engine.getRamps().inputGain.current, 0.0f);   // 72 × 48/72 − 48 in single precision
    EXPECT_EQ (engine.getRamps().outputGain.current, 0.0f);
    EXPECT_EQ (engine.getRamps().dryWet.current, 1.0f);
    EXPECT_EQ (engine.getTapeType(), TapeConstants::chromeTape);
    EXPECT_EQ (engine.getNoiseSetting(), TapeConstants::noNoise);

    // With the table defaults handed over, the first block has nothing to ramp.
    Signal signal (64);
    run (engine, signal, Settings(), 64);
    expectNoRampRunning (engine);
}

TEST (EngineParameters, AChangeRampsOverExactlyOneBlock)
{
    auto engine = makeEngine();
    const auto louder = Settings().with (ParameterIndex::inputGain, 1.0f);

    Signal signal (64);
    engine->setParameters (louder.values.data());
    engine->setRampTargets (64);
    EXPECT_EQ (engine->getRamps().inputGain.remaining, 64);
    EXPECT_NEAR (engine->getRamps().inputGain.step, 24.0f / 64.0f, 1.0e-6f);

    auto fresh = makeEngine();
    run (*fresh, signal, louder, 64);
    EXPECT_FALSE (fresh->getRamps().inputGain.isRamping());
    EXPECT_NEAR (fresh->getRamps().inputGain.current, 24.0f, 1.0e-4f);
}

TEST (EngineParameters, SelectorsMapToThreePositions)
{
    const auto nan = std::numeric_limits<float>::quiet_NaN();

    for (const auto& [value, expected] : { std::pair { 0.0f, 0 }, { 0.1f, 1 }, { 0.15f, 1 }, { 0.2f, 2 }, { 0.35f, 2 },
                                           { 1.0f, 2 }, { -3.0f, 0 }, { 7.0f, 2 }, { nan, 1 } })
        EXPECT_EQ (TapeEngine::tapeTypeFor (value), expected) << value;

    for (const auto& [value, expected] : { std::pair { 0.0f, 0 }, { 0.1f, 1 }, { 0.2f, 2 }, { 0.3f, 0 }, { 0.35f, 0 },
                                           { 1.0f, 0 }, { -1.0f, 0 }, { 5.0f, 0 }, { nan, 2 } })
        EXPECT_EQ (TapeEngine::noiseSettingFor (value), expected) << value;
}

TEST (EngineParameters, NonFiniteValuesCountAsDefaults)
{
    auto engine = makeEngine();
    Settings settings;
    for (auto& value : settings.values)
        value = std::numeric_limits<float>::quiet_NaN();
    settings.values[ParameterIndex::noise] = std::numeric_limits<float>::infinity();
    settings.values[ParameterIndex::tape] = -std::numeric_limits<float>::infinity();

    auto signal = sine (2048, 440.0f, 48000.0f, 0.5f);
    run (*engine, signal, settings, 256);

    EXPECT_TRUE (allFinite (signal));
    EXPECT_GT (peak (signal[0]), 0.01f);
    expectNoRampRunning (*engine);
    EXPECT_EQ (engine->getRamps().inputGain.current, 0.0f);
    EXPECT_EQ (engine->getNoiseSetting(), TapeConstants::noNoise);
    EXPECT_EQ (engine->getTapeType(), TapeConstants::chromeTape);
}

//==============================================================================
TEST (EngineSnap, ARestoredStateIsInForceFromTheFirstSample)
{
    const auto restored = Settings().with (ParameterIndex::inputGain, 0.9f).with (ParameterIndex::outputGain, 0.5f)
                                    .with (ParameterIndex::dryWetMix, 0.7f).with (ParameterIndex::eqB2Gain, 1.0f)
                                    .with (ParameterIndex::eqB4Gain, 0.1f).with (ParameterIndex::headTilt, 0.25f);

    // A running engine that has been playing the defaults gets the new values and a snap.
    auto engine = makeEngine();
    Signal warmUp (512);
    run (*engine, warmUp, Settings(), 512);
    engine->reset();
    engine->snapToTargets();

    auto signal = sine (512, 1000.0f, 48000.0f, 0.25f);
    auto reference = signal;
    run (*engine, signal, restored, 512);

    // No ramp ran during the block: every ramp stood at its target from the start, the tone
    // bands included.
    expectNoRampRunning (*engine);
    EXPECT_NEAR (engine->getRamps().inputGain.current, 72.0f * 0.9f - 48.0f, 1.0e-4f);
    EXPECT_NEAR (engine->getRamps().tiltDelay[0].current, 48000.0f * 0.012f * 0.5f, 1.0e-3f);
    expectSameCoefficients (engine->getEqBand (1).coeffs,
                            designPeakingBank4 (400.0f, std::pow (10.0f, 12.0f / 20.0f), 48000.0f), 1.0e-5f);

    // The same block from an engine that settled on the new values before: the same sound.
    auto settled = makeEngine (restored);
    run (*settled, reference, restored, 512);

    for (int i = 0; i < signal.size(); ++i)
        ASSERT_NEAR (signal[0][i], reference[0][i], 1.0e-4f) << i;
}

TEST (EngineSnap, WithoutASnapTheNextBlockRamps)
{
    auto engine = makeEngine();
    Signal signal (256);
    run (*engine, signal, Settings().with (ParameterIndex::inputGain, 1.0f), 256);
    EXPECT_NEAR (engine->getRamps().inputGain.current, 24.0f, 1.0e-4f);

    engine->setParameters (Settings().values.data());
    engine->setRampTargets (100);
    EXPECT_TRUE (engine->getRamps().inputGain.isRamping());
}

//==============================================================================
TEST (EngineEmptyBlocks, AnEqChangeInAnEmptyBlockReachesTheFilters)
{
    auto engine = makeEngine();
    const auto boosted = Settings().with (ParameterIndex::eqB4Gain, 1.0f);

    Signal nothing (1);
    float* pointers[2] { nothing[0].data(), nothing[1].data() };
    engine->setParameters (boosted.values.data());
    engine->process (pointers, 2, 0);

    expectNoRampRunning (*engine);
    EXPECT_EQ (engine->getRamps().eqGain[3].current, 12.0f);
    expectSameCoefficients (engine->getEqBand (3).coeffs,
                            designPeakingBank4 (7500.0f, std::pow (10.0f, 12.0f / 20.0f), 48000.0f), 1.0e-5f);

    // And the next block, which sees no change, still plays the boost.
    auto withBoost = sine (2048, 7500.0f, 48000.0f, 0.001f);
    auto withoutBoost = withBoost;
    run (*engine, withBoost, boosted, 512);
    run (*makeEngine(), withoutBoost, Settings(), 512);
    EXPECT_GT (energy (withBoost[0], 1024), 4.0 * energy (withoutBoost[0], 1024));
}

TEST (EngineEmptyBlocks, ChangeNoAudioNoMeterAndKeepEveryRampFinite)
{
    auto engine = makeEngine();
    auto signal = sine (256, 100.0f, 48000.0f, 0.5f);
    run (*engine, signal, Settings(), 256);
    EXPECT_GT (engine->takeMeterLevel (0), 0.0f);
    EXPECT_TRUE (engine->getMeter (0).isConsumed());

    Signal untouched (16);
    untouched[0][3] = 0.75f;
    float* pointers[2] { untouched[0].data(), untouched[1].data() };
    engine->setParameters (Settings().withWetOnlyChanges().values.data());
    engine->process (pointers, 2, 0);

    EXPECT_EQ (untouched[0][3], 0.75f);
    EXPECT_TRUE (engine->getMeter (0).isConsumed());
    EXPECT_EQ (engine->getMeter (0).getPeak(), 0.0f);
    expectNoRampRunning (*engine);
}

TEST (EngineEmptyBlocks, BlockSizesDoNotChangeTheSound)
{
    // With steady parameters (and no hiss, which differs between instances) the output does not
    // depend on how the host cuts the audio into blocks.
    const auto settings = Settings().with (ParameterIndex::motorQuality, 0.3f).with (ParameterIndex::headTilt, 0.8f)
                                    .with (ParameterIndex::crossbleed, 0.6f).with (ParameterIndex::dryWetMix, 0.6f);
    const auto input = sine (9000, 330.0f, 48000.0f, 0.8f);

    auto oneBlock = input;
    run (*makeEngine (settings), oneBlock, settings, 9000);

    auto oddBlocks = input;
    runBlocks (*makeEngine (settings), oddBlocks, settings, { 0, 1, 7, 0, 4096, 13, 4500 });

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < input.size(); ++i)
            ASSERT_EQ (oneBlock[ch][i], oddBlocks[ch][i]) << ch << " " << i;
}

//==============================================================================
TEST (EngineDelay, TheDryPathIsAnAllPassWithTheWetPathsDelay)
{
    auto out = processed (impulse (8192), dryOnly(), 48000.0f);
    EXPECT_NEAR (energy (out[0]), 1.0, 1.0e-3);
    EXPECT_NEAR (energy (out[1]), 1.0, 1.0e-3);
}

TEST (EngineDelay, HeadTiltDelaysOneWetChannel)
{
    const auto rate = 44100.0f;
    const auto chainDelay = (int) (rate * 0.002f) + 3;

    auto leftTilted = processed (impulse (2048), Settings().with (ParameterIndex::headTilt, 0.0f), rate);
    EXPECT_EQ (firstNonZero (leftTilted[0]), chainDelay + 529);   // 529.2 samples, interpolated
    EXPECT_EQ (firstNonZero (leftTilted[1]), chainDelay);

    auto rightTilted = processed (impulse (2048), Settings().with (ParameterIndex::headTilt, 1.0f), rate);
    EXPECT_EQ (firstNonZero (rightTilted[0]), chainDelay);
    EXPECT_EQ (firstNonZero (rightTilted[1]), chainDelay + 529);

    // The dry path is never tilted.
    auto dry = processed (impulse (2048), dryOnly().with (ParameterIndex::headTilt, 0.0f), rate);
    EXPECT_EQ (firstNonZero (dry[0]), chainDelay);
}

//==============================================================================
TEST (EngineSignal, HissReachesTheWetPathOnly)
{
    const auto hiss = Settings().with (ParameterIndex::noise, 0.0f);
    const auto wet = processed (Signal (8192), hiss);
    EXPECT_GT (peak (wet[0], 1000), 1.0e-4f);
    EXPECT_GT (peak (wet[1], 1000), 1.0e-4f);

    // Independent hiss per channel in stereo.
    EXPECT_NE (wet[0][4000], wet[1][4000]);

    const auto dry = processed (Signal (8192), hiss.with (ParameterIndex::dryWetMix, 0.0f));
    EXPECT_EQ (peak (dry[0]), 0.0f);
}

TEST (EngineSignal, MonoIsTheLeftChannelOfIdenticalStereo)
{
    const auto settings = Settings().with (ParameterIndex::tapeQuality, 0.2f).with (ParameterIndex::dryWetMix, 0.8f)
                                    .with (ParameterIndex::headTilt, 0.1f).with (ParameterIndex::crossbleed, 0.0f);
    const auto input = sine (4096, 550.0f, 48000.0f, 0.6f);

    // Stereo without tilt, so both wet lanes carry the same signal as in mono.
    auto stereo = input;
    const auto untilted = settings.with (ParameterIndex::headTilt, 0.5f);
    run (*makeEngine (untilted), stereo, untilted, 512);

    // Mono: the tilt setting has no effect, and the second channel of the buffer is left alone.
    auto mono = input;
    auto engine = makeEngine (settings);
    run (*engine, mono, settings, 512, 1);

    for (int i = 0; i < input.size(); ++i)
    {
        ASSERT_EQ (mono[0][i], stereo[0][i]) << i;
        ASSERT_EQ (mono[1][i], input[1][i]) << i;
    }

    EXPECT_GT (engine->takeMeterLevel (0), 0.1f);
    EXPECT_EQ (engine->takeMeterLevel (1), 0.0f);
    EXPECT_FALSE (engine->getRamps().tiltDelay[0].isRamping());
}

TEST (EngineSignal, CrossbleedLeaksTheHighBandsOnly)
{
    // At a low level the compressors are linear, so the leak shows as a plain gain:
    // (1 + b)(1 − 0.2928932 b) for identical channels, b the band's amount.
    const auto level = [] (float frequency, float amount)
    {
        auto out = processed (sine (16384, frequency, 48000.0f, 0.001f),
                              Settings().with (ParameterIndex::crossbleed, amount).with (ParameterIndex::headQuality, 1.0f));
        return std::sqrt (energy (out[0], 8192));
    };

    EXPECT_NEAR (level (80.0f, 1.0f) / level (80.0f, 0.0f), 1.0, 0.01);
    EXPECT_NEAR (level (14000.0f, 1.0f) / level (14000.0f, 0.0f), 1.75 * (1.0 - 0.2928932 * 0.75), 0.03);
}

//==============================================================================
TEST (EngineRobustness, TheSampleRateStaysWithinTheTiltBuffer)
{
    TapeEngine engine;

    for (const auto& [requested, expected] : { std::pair { std::numeric_limits<float>::quiet_NaN(), 44100.0f },
                                               { -48000.0f, 44100.0f }, { 32000.0f, 44100.0f }, { 0.0f, 44100.0f },
                                               { std::numeric_limits<float>::infinity(), TapeEngine::maximumSampleRate },
                                               { 1.0e9f, TapeEngine::maximumSampleRate }, { 192000.0f, 192000.0f } })
    {
        engine.prepare (requested);
        engine.reset();
        EXPECT_EQ (engine.getSampleRate(), expected) << requested;
    }

    // At the top rate the full tilt fits its buffer and the chain stays sound.
    prepareWith (engine, Settings().with (ParameterIndex::headTilt, 0.0f), 1.0e9f);
    EXPECT_LT (engine.getRamps().tiltDelay[0].current, (float) TiltDelayLine::size - 1.0f);
    auto signal = sine (4096, 1000.0f, engine.getSampleRate(), 0.5f);
    run (engine, signal, Settings().with (ParameterIndex::headTilt, 0.0f), 1024);
    EXPECT_TRUE (allFinite (signal));
}

TEST (EngineRobustness, ExtraChannelsAreNeverTouched)
{
    auto engine = makeEngine();
    std::vector<float> channels[3];
    for (auto& channel : channels)
        channel.assign (64, 0.5f);
    float* pointers[3] { channels[0].data(), channels[1].data(), channels[2].data() };

    engine->setParameters (Settings().values.data());
    engine->process (pointers, 3, 64);
    EXPECT_EQ (peak (channels[2]), 0.5f);
    EXPECT_EQ (channels[2][0], 0.5f);

    engine->process (nullptr, 2, 64);
    engine->process (pointers, 0, 64);
    engine->process (pointers, -1, 64);
}

//==============================================================================
TEST (EngineMeters, TheEditorTakesThePeakSinceItsLastTake)
{
    auto engine = makeEngine();

    // The peak is that of the processed block.
    Signal block (32);
    float* pointers[2] { block[0].data(), block[1].data() };
    auto loudestOf = [] (const std::vector<float>& samples) { return peak (samples); };

    block[0][5] = -1.0f;
    engine->setParameters (dryOnly().values.data());
    engine->process (pointers, 2, 32);
    const auto firstPeak = loudestOf (block[0]);
    EXPECT_FALSE (engine->getMeter (0).isConsumed());

    // Two blocks before a tick: the tick reads the larger.
    for (auto& x : block[0]) x = 0.0f;
    engine->process (pointers, 2, 32);
    const auto secondPeak = loudestOf (block[0]);
    EXPECT_FLOAT_EQ (engine->takeMeterLevel (0), std::max (firstPeak, secondPeak));
    EXPECT_TRUE (engine->getMeter (0).isConsumed());

    // A tick with no block since reads 0, and keeps reading it.
    EXPECT_EQ (engine->takeMeterLevel (0), 0.0f);
    EXPECT_EQ (engine->takeMeterLevel (0), 0.0f);
}

TEST (EngineMeters, AHandshakeSequence)
{
    LevelMeter meter;
    meter.update (0.5f);
    meter.update (0.25f);
    EXPECT_EQ (meter.take(), 0.5f);
    EXPECT_TRUE (meter.isConsumed());
    EXPECT_EQ (meter.getPeak(), 0.0f);

    meter.update (std::numeric_limits<float>::quiet_NaN());
    EXPECT_FALSE (meter.isConsumed());
    EXPECT_EQ (meter.take(), 0.0f);

    meter.update (2.0f);          // above full scale, kept as it is
    meter.clearPeak();            // an engine reset
    EXPECT_FALSE (meter.isConsumed());
    EXPECT_EQ (meter.take(), 0.0f);
}

//==============================================================================
TEST (EngineBypass, DelaysByTheReportedLatencyAndContinuesThePlayedSignal)
{
    for (const auto rate : { 44100.0f, 96000.0f })
    {
        auto engine = makeEngine (Settings(), rate);
        const auto latency = engine->getLatencySamples();

        auto signal = impulse (1024);
        float* pointers[2] { signal[0].data(), signal[1].data() };
        engine->processBypassed (pointers, 2, 100);
        engine->processBypassed (pointers + 0, 1, 0);
        float* rest[2] { signal[0].data() + 100, signal[1].data() + 100 };
        engine->processBypassed (rest, 2, 924);

        EXPECT_EQ (firstNonZero (signal[0]), latency) << rate;
        EXPECT_EQ (signal[0][(size_t) latency], 1.0f);
        EXPECT_EQ (energy (signal[1]), 1.0);
    }

    // A switch into bypass in the middle of a sine continues it, only delayed.
    auto engine = makeEngine();
    const auto latency = engine->getLatencySamples();
    auto input = sine (2048, 500.0f, 48000.0f, 0.5f);
    auto signal = input;
    float* pointers[2] { signal[0].data(), signal[1].data() };
    engine->setParameters (Settings().values.data());
    engine->process (pointers, 2, 1024);
    float* rest[2] { signal[0].data() + 1024, signal[1].data() + 1024 };
    engine->processBypassed (rest, 2, 1024);

    for (int i = 1024; i < 2048; ++i)
        ASSERT_EQ (signal[0][i], input[0][i - latency]) << i;
}
