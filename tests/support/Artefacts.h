#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

namespace TestSupport
{
    /** Writes a picture for people to look at: into ONDRELLA_ARTEFACT_DIR when it is set (the
        test command sets it), else into the temporary folder.
    */
    inline juce::File saveArtefact (const juce::Image& image, const juce::String& fileName)
    {
        const auto folderName = juce::SystemStats::getEnvironmentVariable ("ONDRELLA_ARTEFACT_DIR", {});
        const auto folder = folderName.isNotEmpty() ? juce::File (folderName)
                                                    : juce::File::getSpecialLocation (juce::File::tempDirectory);
        folder.createDirectory();

        const auto file = folder.getChildFile (fileName);
        file.deleteFile();

        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
            ADD_FAILURE() << "could not write " << file.getFullPathName();

        return file;
    }
}
