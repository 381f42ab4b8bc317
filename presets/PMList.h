#pragma once

#include "PMSimpleButton.h"

#include <memory>
#include <vector>

/** How a row tells its list about clicks. */
class PMListItemDelegate
{
public:
    virtual ~PMListItemDelegate() = default;
    virtual void itemClicked (int index) = 0;
    virtual void itemDeleteClicked (int index) = 0;
};

//==============================================================================
/** A column of 24-pixel rows, each standing for a folder or a preset by its index.

    The list keeps the selection in its rows: clicking a row that is not selected selects it alone
    and reports it. A row of a preset that may be deleted carries a small delete button, whose
    click is reported without touching the selection. An empty list says "[EMPTY]".
*/
class PMList  : public juce::Component,
               public PMListItemDelegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void listItemClicked (int listKind, int index) = 0;
        virtual void listItemDeleteClicked (int listKind, int index) = 0;
    };

    /** A row. */
    class Item  : public juce::Component,
                  private PMSimpleButton::Delegate
    {
    public:
        Item (const juce::Font& font, const juce::String& text, int index, bool hasDeleteButton, bool selected,
              PMListItemDelegate* delegate);
        ~Item() override;

        const juce::String& getText() const noexcept    { return text; }
        int getIndex() const noexcept                   { return index; }
        bool isSelected() const noexcept                { return selected; }
        bool hasDelete() const noexcept                 { return hasDeleteButton; }

        /** Repaints only when the flag changes. */
        void setSelected (bool shouldBeSelected);

        void mouseDown (const juce::MouseEvent&) override;
        void mouseUp (const juce::MouseEvent&) override;
        void paint (juce::Graphics&) override;
        void resized() override;

        PMSimpleButton deleteButton;

    private:
        void buttonClicked (PMSimpleButton*) override;
        int listY() const;

        juce::Font font;
        int pressY = 0;
        bool pressed = false;
        PMListItemDelegate* delegate;
        juce::String text;
        int index;
        bool hasDeleteButton, selected;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Item)
    };

    static constexpr int rowHeight = 24;

    PMList (Delegate* delegate, int listKind);
    ~PMList() override;

    /** Appends a row; the owner lays the list out afterwards. */
    void addItem (const juce::String& text, int index, bool hasDeleteButton, bool selected);

    /** Takes out and deletes every row. */
    void clearItems();

    int getNumItems() const noexcept                { return (int) items.size(); }
    Item* getItem (int row) const noexcept;
    int getListKind() const noexcept                { return listKind; }

    /** Selects the rows standing for this index and no other, repainting only rows that change. */
    void selectIndex (int index);

    /** Places row i at y = 24 i, as wide as the list, and repaints. */
    void layoutRows();

    void itemClicked (int index) override;
    void itemDeleteClicked (int index) override;

    void paint (juce::Graphics&) override;
    void resized() override;

private:

    juce::Font font;
    int listKind;
    Delegate* delegate;
    std::vector<std::unique_ptr<Item>> items;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMList)
};
