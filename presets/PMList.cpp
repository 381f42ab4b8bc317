#include "PMList.h"
#include "PMArtwork.h"

PMList::Item::Item (const juce::Font& f, const juce::String& t, int i, bool withDelete, bool isSelected,
                    PMListItemDelegate* d)
    : font (f), delegate (d), text (t), index (i), hasDeleteButton (withDelete), selected (isSelected)
{
    if (hasDeleteButton)
    {
        applyButtonArt (deleteButton, PMArt::rowDelete);
        deleteButton.setDelegate (this);
        addAndMakeVisible (deleteButton);
    }
}

PMList::Item::~Item() = default;

void PMList::Item::setSelected (bool shouldBeSelected)
{
    if (selected == shouldBeSelected)
        return;

    selected = shouldBeSelected;
    repaint();
}

int PMList::Item::listY() const
{
    // The list moves inside its viewport as it scrolls.
    if (auto* list = getParentComponent())
        return list->getY();

    return 0;
}

void PMList::Item::mouseDown (const juce::MouseEvent&)
{
    pressY = listY();
    pressed = true;
    repaint();
}

void PMList::Item::mouseUp (const juce::MouseEvent& e)
{
    if (! pressed)
        return;

    pressed = false;
    juce::Component::SafePointer<Item> self (this);

    // A release after the list has scrolled is the end of a scroll, not a click.
    if (getLocalBounds().contains (e.getPosition()) && ! selected && std::abs (pressY - listY()) < 2)
        delegate->itemClicked (index);

    if (self != nullptr)
        repaint();
}

void PMList::Item::paint (juce::Graphics& g)
{
    if (selected)
        g.fillAll (juce::Colour (0xff555555));

    // The name stops short of the delete button rather than running under it.
    const auto textWidth = getWidth() - 5 - (hasDeleteButton ? 20 : 0);

    g.setColour (juce::Colours::white);
    g.setFont (font);
    g.drawText (text, 5, 0, textWidth, getHeight(), juce::Justification::centredLeft, true);
}

void PMList::Item::resized()
{
    if (hasDeleteButton)
        deleteButton.setBounds (getWidth() - 20, 0, 20, getHeight());
}

void PMList::Item::buttonClicked (PMSimpleButton*)
{
    delegate->itemDeleteClicked (index);
}

//==============================================================================
PMList::PMList (Delegate* d, int kind)
    : font (pmFont (PMFace::semiBold, 14.0f)), listKind (kind), delegate (d)
{
}

PMList::~PMList()
{
    clearItems();
}

void PMList::addItem (const juce::String& text, int index, bool hasDeleteButton, bool selected)
{
    font.setHeight (13.0f);

    auto item = std::make_unique<Item> (font, text, index, hasDeleteButton, selected, this);
    addAndMakeVisible (*item);
    items.push_back (std::move (item));
}

void PMList::clearItems()
{
    for (auto& item : items)
        removeChildComponent (item.get());

    items.clear();
}

PMList::Item* PMList::getItem (int row) const noexcept
{
    return juce::isPositiveAndBelow (row, getNumItems()) ? items[(size_t) row].get() : nullptr;
}

void PMList::selectIndex (int index)
{
    for (auto& item : items)
        item->setSelected (item->getIndex() == index);
}

void PMList::paint (juce::Graphics& g)
{
    if (! items.empty())
        return;

    g.setColour (juce::Colour (0xff202020));
    g.setFont (font);
    g.drawText ("[EMPTY]", getLocalBounds(), juce::Justification::centred, true);
}

void PMList::resized()
{
    layoutRows();
}

void PMList::layoutRows()
{
    for (size_t i = 0; i < items.size(); ++i)
        items[i]->setBounds (0, (int) ((double) i * rowHeight), getWidth(), rowHeight);

    repaint();
}

void PMList::itemClicked (int index)
{
    selectIndex (index);

    if (delegate != nullptr)
        delegate->listItemClicked (listKind, index);
}

void PMList::itemDeleteClicked (int index)
{
    if (delegate != nullptr)
        delegate->listItemDeleteClicked (listKind, index);
}
