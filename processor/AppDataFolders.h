#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** Finds the two folders that hold preset files and offers the file services the preset store needs.

    The user's folder is the per-user application data directory followed by "Application Support",
    "Morvellan" and the product's name; it is created when missing. The machine's folder is the same
    path below the machine-wide application data directory; it is read only and never created. On Linux
    the framework places these roots at $HOME/.config and /opt.

    Everything here runs on the message thread.
*/
class AppDataFolders
{
public:
    explicit AppDataFolders (const juce::String& productFolderName);

    /** Works out both folders again, creating the user's side when it is missing. */
    void resolve();

    /** Full paths of the matching children of a directory, sorted ignoring case (ties broken by
        exact comparison, so the order never depends on the file system). A path that is empty or
        not a directory gives an empty list.

        @param whatToLookFor   juce::File::findDirectories or juce::File::findFiles
    */
    static juce::StringArray listSorted (const juce::File& directory, int whatToLookFor, const juce::String& wildcard);

    /** Reads a whole regular file. A relative path is taken below the user folder.

        A symbolic link is followed to what it points at. Directories, devices and pipes are
        refused, as is anything larger than maximumFileSize (without reading it); every failure
        gives nullptr.
    */
    std::unique_ptr<juce::MemoryBlock> loadFile (const juce::String& path) const;

    /** Preset files are 80 bytes; anything this big is not one of ours. */
    static constexpr juce::int64 maximumFileSize = 64 * 1024;

    /** Test seam: points the machine-wide root (normally the framework's common application data
        directory) at another folder for every AppDataFolders resolved afterwards, so that tests and
        the build's preset generator never read or depend on the real machine folders. Pass juce::File()
        to go back to the real root. It is a plain call, not a setting a host or the environment could
        trip by accident, and nothing in the plug-in makes it. (Builds made with the tests also read
        ONDRELLA_TEST_MACHINE_DATA_ROOT, for tests of the built bundle, which cannot call in; the
        installed plug-ins are built without the tests and never read it.)
    */
    static void setMachineDataRootForTesting (const juce::File& root);

    juce::File userFolder;
    juce::File commonFolder;
    juce::String productFolderName;

private:
    static juce::File& machineDataRootOverride();
};
