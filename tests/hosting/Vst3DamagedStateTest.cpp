// A damaged or hostile project restored into the hosted VST3: the host must survive it.
#include "HostedPlugin.h"

#include <cstring>
#include <limits>

using namespace HostedPlugin;

namespace
{
    constexpr const char* privateDataMarker = "JUCEPrivateData";

    juce::MemoryBlock componentStateOf (const juce::MemoryBlock& hostState)
    {
        juce::MemoryBlock component;

        if (auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize()))
            if (auto* child = xml->getChildByName ("IComponent"))
                component.fromBase64Encoding (child->getAllSubText());

        return component;
    }

    // The state a host stores in its project, holding the given component state.
    juce::MemoryBlock hostStateWith (const juce::MemoryBlock& component)
    {
        juce::XmlElement xml ("VST3PluginState");
        xml.createNewChildElement ("IComponent")->addTextElement (component.toBase64Encoding());

        juce::MemoryBlock hostState;
        juce::AudioProcessor::copyXmlToBinary (xml, hostState);
        return hostState;
    }

    // A component state ends with the wrapper's private section, its size and the marker.
    juce::MemoryBlock withPrivateSizeField (juce::MemoryBlock component, juce::uint64 size)
    {
        const auto markerLength = std::strlen (privateDataMarker);
        const auto offset = component.getSize() - markerLength - sizeof (juce::uint64);
        const auto littleEndian = juce::ByteOrder::swapIfBigEndian (size);
        component.copyFrom (&littleEndian, (int) offset, sizeof (littleEndian));
        return component;
    }

    juce::MemoryBlock trailerOnly (const juce::MemoryBlock& before, juce::uint64 size)
    {
        juce::MemoryOutputStream out;
        out.write (before.getData(), before.getSize());
        out.writeInt64 ((juce::int64) size);
        out << privateDataMarker;
        return out.getMemoryBlock();
    }

    // A private section that fits in the blob but nests far deeper than any saved tree.
    juce::MemoryBlock deeplyNestedPrivateSection (const juce::MemoryBlock& pluginState)
    {
        juce::MemoryOutputStream section;

        for (int depth = 0; depth < 400000; ++depth)
        {
            section.writeString ("a");
            section.writeCompressedInt (0);     // no properties
            section.writeCompressedInt (1);     // one child
        }

        juce::MemoryOutputStream out;
        out.write (pluginState.getData(), pluginState.getSize());
        out.writeInt64 (0);
        out.write (section.getData(), section.getDataSize());
        out.writeInt64 ((juce::int64) section.getDataSize());
        out << privateDataMarker;
        return out.getMemoryBlock();
    }
}

TEST (Vst3DamagedState, PrivateSectionSizesTheBlobCannotHoldAreSurvived)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    juce::MemoryBlock saved;
    plugin->getStateInformation (saved);
    const auto component = componentStateOf (saved);
    ASSERT_GT (component.getSize(), 64u);
    const auto markerLength = std::strlen (privateDataMarker);
    ASSERT_EQ (std::memcmp (component.begin() + component.getSize() - markerLength, privateDataMarker, markerLength), 0);

    const juce::MemoryBlock pluginState (component.getData(), 64);

    const std::vector<std::pair<const char*, juce::MemoryBlock>> damaged {
        { "2^31",                 withPrivateSizeField (component, (juce::uint64) 1 << 31) },
        { "2^63 - 1",             withPrivateSizeField (component, std::numeric_limits<juce::int64>::max()) },
        { "2^64 - 1",             withPrivateSizeField (component, std::numeric_limits<juce::uint64>::max()) },
        { "2^32 + 5",             withPrivateSizeField (component, ((juce::uint64) 1 << 32) + 5) },
        { "the whole blob",       withPrivateSizeField (component, component.getSize()) },
        { "one past what fits",   withPrivateSizeField (component, component.getSize() - 30) },
        { "size and marker only", trailerOnly ({}, 0) },
        { "cut before the zeros", trailerOnly ({ "abcd", 4 }, 0) },
        { "marker and huge size", trailerOnly ({}, (juce::uint64) 1 << 31) },
        { "deeply nested tree",   deeplyNestedPrivateSection (pluginState) },
    };

    plugin->prepareToPlay (48000.0, 512);

    for (const auto& [name, state] : damaged)
    {
        const auto hostState = hostStateWith (state);
        plugin->setStateInformation (hostState.getData(), (int) hostState.getSize());

        expectParametersFiniteAndInRange (*plugin, name);
        expectFiniteAudio (*plugin, name);
    }

    plugin->releaseResources();
}

TEST (Vst3DamagedState, AnIntactBlobStillRestoresTheBypassSwitch)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    auto* bypass = plugin->getBypassParameter();
    ASSERT_NE (bypass, nullptr);

    for (const auto bypassed : { true, false })
    {
        bypass->setValueNotifyingHost (bypassed ? 1.0f : 0.0f);
        juce::MemoryBlock saved;
        plugin->getStateInformation (saved);

        bypass->setValueNotifyingHost (bypassed ? 0.0f : 1.0f);
        plugin->setStateInformation (saved.getData(), (int) saved.getSize());
        EXPECT_EQ (bypass->getValue(), bypassed ? 1.0f : 0.0f);
    }
}
