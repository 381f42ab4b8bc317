#include "ControlTestSupport.h"

#include "editor/EQSlider.h"
#include "editor/MVImageKnob.h"
#include "editor/MVKnob.h"
#include "editor/TapeHeadSlider.h"
#include "editor/ThreeSwitch.h"

using namespace ControlTest;

// The rules every knob and slider shares, checked on one of each kind.
namespace
{
    template <typename Control>
    struct Bound
    {
        Bound (int w, int h, int index = 4)
        {
            control.setup (index, &callback);
            control.setSize (w, h);
            snapshot (control);   // lays the knobs out
            callback.calls.clear();
        }

        RecordingCallback callback;
        Control control;
    };
}

template <typename Control>
class SharedMouseRules  : public ::testing::Test {};

using DraggableControls = ::testing::Types<MVKnob, MVImageKnob, EQSlider, TapeHeadSlider>;
TYPED_TEST_SUITE (SharedMouseRules, DraggableControls);

TYPED_TEST (SharedMouseRules, APressAndReleaseAreBracketedByAGesture)
{
    Bound<TypeParam> b (100, 100, 7);
    dragVertically (b.control, 50.0f, 50.0f, 40.0f);

    const std::vector<juce::String> expected { "begin", "pressed", "changed", "released", "end" };
    EXPECT_EQ (b.callback.kinds(), expected);

    for (auto& c : b.callback.calls)
        EXPECT_EQ (c.paramIndex, 7);
}

TYPED_TEST (SharedMouseRules, DraggingUpRaisesTheValueAndDraggingDownLowersIt)
{
    Bound<TypeParam> b (100, 100);
    b.control.setValue (0.5f);

    dragVertically (b.control, 50.0f, 50.0f, 30.0f);
    const auto raised = b.control.getValue();
    EXPECT_GT (raised, 0.5f);

    dragVertically (b.control, 50.0f, 30.0f, 70.0f);
    EXPECT_LT (b.control.getValue(), raised);
    EXPECT_EQ (b.callback.changedValues().back(), b.control.getValue());
}

TYPED_TEST (SharedMouseRules, AltMakesDragsTenTimesFinerOrMore)
{
    Bound<TypeParam> coarse (100, 100), fine (100, 100);
    coarse.control.setValue (0.5f);
    fine.control.setValue (0.5f);

    dragVertically (coarse.control, 50.0f, 60.0f, 50.0f);
    dragVertically (fine.control, 50.0f, 60.0f, 50.0f, altDrag());

    const auto coarseStep = coarse.control.getValue() - 0.5f;
    const auto fineStep = fine.control.getValue() - 0.5f;
    EXPECT_GT (fineStep, 0.0f);
    EXPECT_LE (fineStep * 10.0f, coarseStep * 1.001f);
}

TYPED_TEST (SharedMouseRules, ADragStepWithoutMovementStillReports)
{
    Bound<TypeParam> b (100, 100);
    b.control.setValue (0.3f);
    dragVertically (b.control, 50.0f, 50.0f, 50.0f);

    ASSERT_EQ (b.callback.changedValues().size(), 1u);
    EXPECT_FLOAT_EQ (b.callback.changedValues()[0], 0.3f);
}

TYPED_TEST (SharedMouseRules, DragsPastTheEndsClampAndStillReport)
{
    Bound<TypeParam> b (100, 100);
    b.control.setValue (0.9f);
    dragVertically (b.control, 50.0f, 90.0f, -2000.0f);
    EXPECT_EQ (b.control.getValue(), 1.0f);
    EXPECT_EQ (b.callback.changedValues().back(), 1.0f);

    dragVertically (b.control, 50.0f, 0.0f, 5000.0f);
    EXPECT_EQ (b.control.getValue(), 0.0f);
    EXPECT_EQ (b.callback.changedValues().back(), 0.0f);
}

TYPED_TEST (SharedMouseRules, TheWheelStepsByATenthOfItsDeltaTimesTwoWithoutAGesture)
{
    Bound<TypeParam> b (100, 100);
    b.control.setValue (0.5f);

    wheel (b.control, 1.0f);
    EXPECT_NEAR (b.control.getValue(), 0.7f, 1.0e-6f);

    wheel (b.control, -1.0f, juce::ModifierKeys (juce::ModifierKeys::altModifier));
    EXPECT_NEAR (b.control.getValue(), 0.68f, 1.0e-6f);

    wheel (b.control, 10.0f);
    EXPECT_EQ (b.control.getValue(), 1.0f);

    const std::vector<juce::String> expected { "changed", "changed", "changed" };
    EXPECT_EQ (b.callback.kinds(), expected);
    EXPECT_EQ (b.callback.changedValues().back(), 1.0f);
}

TYPED_TEST (SharedMouseRules, ADoubleClickResetsToTheDefaultInsideItsOwnGesture)
{
    Bound<TypeParam> b (100, 100, 2);
    b.callback.defaultValue = 0.25f;
    b.control.setValue (0.9f);

    b.control.mouseDoubleClick (mouseEvent (b.control, { 50.0f, 50.0f }, {}, {}, 2));

    EXPECT_EQ (b.control.getValue(), 0.25f);
    const std::vector<juce::String> expected { "begin", "changed", "end" };
    EXPECT_EQ (b.callback.kinds(), expected);
    EXPECT_EQ (b.callback.changedValues()[0], 0.25f);
}

TYPED_TEST (SharedMouseRules, ADisabledParentStopsEverythingButEnterAndExit)
{
    Bound<TypeParam> b (100, 100);
    juce::Component panel;
    panel.addAndMakeVisible (b.control);
    panel.setEnabled (false);
    b.control.setValue (0.5f);

    dragVertically (b.control, 50.0f, 50.0f, 10.0f);
    b.control.mouseDoubleClick (mouseEvent (b.control, { 50.0f, 50.0f }));
    wheel (b.control, 1.0f);
    EXPECT_TRUE (b.callback.calls.empty());
    EXPECT_EQ (b.control.getValue(), 0.5f);

    b.control.mouseEnter (mouseEvent (b.control, { 50.0f, 50.0f }));
    b.control.mouseExit (mouseEvent (b.control, { 50.0f, 50.0f }));
    const std::vector<juce::String> expected { "entered", "exited" };
    EXPECT_EQ (b.callback.kinds(), expected);
}

TYPED_TEST (SharedMouseRules, WithoutACallbackNothingCrashesAndDragsStillMove)
{
    TypeParam control;
    control.setSize (100, 100);
    snapshot (control);

    control.mouseEnter (mouseEvent (control, { 50.0f, 50.0f }));
    dragVertically (control, 50.0f, 50.0f, 30.0f);
    const auto dragged = control.getValue();
    EXPECT_GT (dragged, 0.0f);

    control.mouseDoubleClick (mouseEvent (control, { 50.0f, 50.0f }));
    EXPECT_EQ (control.getValue(), dragged);

    wheel (control, 1.0f);
    EXPECT_GT (control.getValue(), dragged);
    control.mouseExit (mouseEvent (control, { 50.0f, 50.0f }));

    // With nobody to ask, a host sync leaves the value alone, and the picture is just that of
    // the value: the drags left nothing behind.
    const auto moved = control.getValue();
    control.syncFromHost (true);
    EXPECT_EQ (control.getValue(), moved);

    TypeParam fresh;
    fresh.setSize (100, 100);
    fresh.setValue (moved);
    EXPECT_TRUE (changesLieWithin (snapshot (fresh), snapshot (control), {}));   // not one pixel apart
}

TYPED_TEST (SharedMouseRules, TheValueIsStoredUnclampedUntilTheUserMovesIt)
{
    Bound<TypeParam> b (100, 100);
    b.control.setValue (1.5f);
    EXPECT_EQ (b.control.getValue(), 1.5f);
    const auto unclamped = snapshot (b.control);

    wheel (b.control, 0.0f);
    EXPECT_EQ (b.control.getValue(), 1.0f);
    EXPECT_FALSE (changesLieWithin (unclamped, snapshot (b.control), {}));   // it was drawn as stored, too
}

//==============================================================================
TEST (SyncFromHost, AnEqualHostValueRepaintsNothing)
{
    RecordingCallback callback;
    MVKnob knob;
    knob.setup (0, &callback);
    knob.setSize (84, 84);
    knob.setValue (0.4f);

    auto& repaints = RepaintRecorder::attachTo (knob);
    callback.hostValue = 0.4f;
    knob.syncFromHost (false);

    EXPECT_EQ (callback.hostValueReads, 1);
    EXPECT_TRUE (repaints.areas.empty());
    EXPECT_TRUE (callback.calls.empty());
}

TEST (SyncFromHost, ADifferentHostValueIsTakenAndRepaintedOnceWithoutAReport)
{
    RecordingCallback callback;
    EQSlider slider;
    slider.setup (9, &callback);
    slider.setSize (13, 79);

    auto& repaints = RepaintRecorder::attachTo (slider);
    callback.hostValue = 0.75f;
    slider.syncFromHost (false);

    EXPECT_EQ (slider.getValue(), 0.75f);
    EXPECT_EQ (repaints.areas.size(), 1u);
    EXPECT_TRUE (callback.calls.empty());

    callback.hostValue = 0.25f;
    slider.syncFromHost (true);
    ASSERT_EQ (callback.changedValues().size(), 1u);
    EXPECT_EQ (callback.changedValues()[0], 0.25f);
}

TEST (SyncFromHost, TheSwitchTakesItsPositionFromTheHost)
{
    RecordingCallback callback;
    ThreeSwitch sw;
    sw.setLabels ("TAPE", "NORMAL", "CHROME", "METAL", 7, &callback);

    callback.hostValue = 0.2f;
    sw.syncFromHost (false);
    EXPECT_EQ (sw.getPosition(), 2);
    EXPECT_TRUE (callback.calls.empty());
}
