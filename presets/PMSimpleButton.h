#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The preset manager's clickable picture.

    It draws one of three pictures: the normal one, the pressed one while held, the disabled one
    while not enabled. Without a normal picture it draws its text on black instead. The pictures
    are drawn at the draw size, centred; with no draw size they are stretched over the whole button.

    A click is a press and a release inside the button while it is enabled; it is reported to the
    delegate. The enabled flag is the button's own (juce::Component::setEnabled is not used), so a
    disabled button still shows its picture and swallows its clicks.
*/
class PMSimpleButton  : public juce::Component
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void buttonClicked (PMSimpleButton* button) = 0;
    };

    PMSimpleButton();
    ~PMSimpleButton() override;

    void setImages (const juce::Image& normal, const juce::Image& pressed, const juce::Image& disabled);

    /** The size the pictures are drawn at, normally half their pixel size. */
    void setDrawSize (float width, float height);
    float getDrawWidth() const noexcept                 { return drawWidth; }
    float getDrawHeight() const noexcept                { return drawHeight; }

    void setDelegate (Delegate* newDelegate) noexcept   { delegate = newDelegate; }

    /** Shown only when there is no normal picture. */
    void setText (const juce::String& newText);

    /** Repaints only when the flag changes. */
    void setButtonEnabled (bool shouldBeEnabled);
    bool isButtonEnabled() const noexcept               { return enabled; }
    bool isPressed() const noexcept                     { return pressed; }

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override {}

private:
    juce::String text;
    juce::Image normalImage, pressedImage, disabledImage;
    float drawWidth = 0.0f, drawHeight = 0.0f;
    Delegate* delegate = nullptr;
    bool enabled = true;
    bool pressed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMSimpleButton)
};
