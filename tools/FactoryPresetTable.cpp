#include "FactoryPresetTable.h"

namespace
{
    int findParameter (const juce::String& name)
    {
        for (int i = 0; i < numParameters; ++i)
            if (name == parameterDefinitions[i].name)
                return i;

        return -1;
    }

    // The three positions of a selector are stored as 0.0, 0.1 and 0.2.
    bool parseSelector (int index, const juce::String& word, float& normalised)
    {
        static const char* const noiseWords[] = { "HIGH", "LOW", "OFF" };
        static const char* const tapeWords[]  = { "NORMAL", "CHROME", "METAL" };

        const auto* words = index == ParameterIndex::noise ? noiseWords : tapeWords;

        for (int position = 0; position < 3; ++position)
        {
            if (word == words[position])
            {
                normalised = (float) position / 10.0f;
                return true;
            }
        }

        return false;
    }

    bool parseAmount (int index, const juce::String& text, float& normalised, juce::String& error)
    {
        const auto& row = parameterDefinitions[index];
        const auto number = text.upToLastOccurrenceOf (" ", false, false).trim();
        const auto unit = text.fromLastOccurrenceOf (" ", false, false).trim();

        if (number.isEmpty() || ! number.containsOnly ("-+0123456789."))
        {
            error = "expected a number and a unit";
            return false;
        }

        if (unit != row.unitSuffix)
        {
            error = juce::String ("expected the unit ") + row.unitSuffix;
            return false;
        }

        // "%" rows show their real value as a percentage.
        const auto real = unit == "%" ? number.getFloatValue() / 100.0f : number.getFloatValue();

        if (real < row.minimum || real > row.maximum)
        {
            error = "value out of range";
            return false;
        }

        normalised = (real - row.minimum) / (row.maximum - row.minimum);
        return true;
    }
}

bool parseFactoryPresetTable (const juce::String& text, juce::Array<FactoryPreset>& presets, juce::String& error)
{
    juce::StringArray lines;
    lines.addLines (text);

    FactoryPreset* current = nullptr;
    std::array<bool, numParameters> isSet {};

    for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex)
    {
        const auto line = lines[lineIndex].upToFirstOccurrenceOf ("#", false, false).trim();
        const auto fail = [&] (const juce::String& message)
        {
            error = "line " + juce::String (lineIndex + 1) + ": " + message;
            return false;
        };

        if (line.isEmpty())
            continue;

        if (line.startsWithChar ('['))
        {
            const auto path = line.fromFirstOccurrenceOf ("[", false, false).upToLastOccurrenceOf ("]", false, false);
            FactoryPreset preset;
            preset.folderName = path.upToFirstOccurrenceOf ("/", false, false).trim();
            preset.fileName = path.fromFirstOccurrenceOf ("/", false, false).trim();

            if (! line.endsWithChar (']') || preset.folderName.isEmpty() || preset.fileName.isEmpty()
                 || preset.fileName.containsChar ('/') || ! preset.folderName.containsChar ('_')
                 || ! preset.fileName.containsChar ('_'))
                return fail ("expected [NN_Folder/NN_Preset]");

            for (int i = 0; i < numParameters; ++i)
                preset.values[(size_t) i] = parameterDefinitions[i].normalisedDefault();

            presets.add (preset);
            current = &presets.getReference (presets.size() - 1);
            isSet = {};
            continue;
        }

        if (current == nullptr)
            return fail ("a setting before the first preset");

        const auto index = findParameter (line.upToFirstOccurrenceOf ("=", false, false).trim());
        const auto value = line.fromFirstOccurrenceOf ("=", false, false).trim();

        if (! line.containsChar ('=') || index < 0)
            return fail ("unknown parameter");

        if (isSet[(size_t) index])
            return fail ("parameter set twice");

        float normalised = 0.0f;
        juce::String problem;

        if (index == ParameterIndex::noise || index == ParameterIndex::tape)
        {
            if (! parseSelector (index, value, normalised))
                return fail ("unknown position");
        }
        else if (! parseAmount (index, value, normalised, problem))
        {
            return fail (problem);
        }

        current->values[(size_t) index] = normalised;
        isSet[(size_t) index] = true;
    }

    if (presets.isEmpty())
    {
        error = "no presets";
        return false;
    }

    return true;
}
