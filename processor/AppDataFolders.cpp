#include "AppDataFolders.h"

#if ! JUCE_WINDOWS
 #include <cerrno>
 #include <fcntl.h>
 #include <sys/stat.h>
 #include <unistd.h>
#endif

namespace
{
    const char* const applicationSupportName = "Application Support";
    const char* const makerName              = "Morvellan";

    juce::File createIfMissing (const juce::File& folder)
    {
        // A folder that cannot be made simply stays missing; listings below it come back empty.
        if (! folder.isDirectory())
            folder.createDirectory();

        return folder;
    }

    juce::File machineDataRoot()
    {
       #if ONDRELLA_TEST_HOOKS
        // Builds with the tests only: a test that hosts the built bundle cannot call into it, so it
        // names the folder holding the build's factory presets here. Shipped builds have no such hook.
        const auto testRoot = juce::SystemStats::getEnvironmentVariable ("ONDRELLA_TEST_MACHINE_DATA_ROOT", {});

        if (juce::File::isAbsolutePath (testRoot))
            return juce::File (testRoot);
       #endif

        return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory);
    }
}

//==============================================================================
AppDataFolders::AppDataFolders (const juce::String& productName)
    : productFolderName (productName)
{
    resolve();
}

juce::File& AppDataFolders::machineDataRootOverride()
{
    static juce::File root;
    return root;
}

void AppDataFolders::setMachineDataRootForTesting (const juce::File& root)
{
    machineDataRootOverride() = root;
}

void AppDataFolders::resolve()
{
    const auto userRoot = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory);
    userFolder = createIfMissing (userRoot.getChildFile (applicationSupportName).getChildFile (makerName));
    userFolder = createIfMissing (userFolder.getChildFile (productFolderName));

    const auto& overriddenRoot = machineDataRootOverride();
    const auto machineRoot = overriddenRoot != juce::File() ? overriddenRoot : machineDataRoot();

    // Without the maker's folder the common side stays at the maker level, where nothing is found.
    commonFolder = machineRoot.getChildFile (applicationSupportName).getChildFile (makerName);

    if (commonFolder.isDirectory())
        commonFolder = commonFolder.getChildFile (productFolderName);
}

//==============================================================================
juce::StringArray AppDataFolders::listSorted (const juce::File& directory, int whatToLookFor, const juce::String& wildcard)
{
    juce::StringArray paths;

    if (directory == juce::File() || ! directory.isDirectory())
        return paths;

    for (const auto& entry : juce::RangedDirectoryIterator (directory, false, wildcard, whatToLookFor,
                                                            juce::File::FollowSymlinks::yes))
        paths.add (entry.getFile().getFullPathName());

    std::sort (paths.begin(), paths.end(), [] (const juce::String& a, const juce::String& b)
    {
        const auto ignoringCase = a.compareIgnoreCase (b);
        return ignoringCase != 0 ? ignoringCase < 0 : a.compare (b) < 0;
    });

    return paths;
}

//==============================================================================
std::unique_ptr<juce::MemoryBlock> AppDataFolders::loadFile (const juce::String& path) const
{
    const auto file = userFolder.getChildFile (path);

   #if JUCE_WINDOWS
    if (! file.existsAsFile() || file.getSize() > maximumFileSize)
        return {};

    juce::FileInputStream in (file);

    if (! in.openedOk())
        return {};

    auto block = std::make_unique<juce::MemoryBlock>();
    const auto expected = in.getTotalLength();

    if ((juce::int64) in.readIntoMemoryBlock (*block, maximumFileSize) != expected)
        return {};

    return block;
   #else
    const auto fullPath = file.getFullPathName();
    struct stat info {};

    // Links are followed, as the folder listings follow them. Only a regular file is opened at all
    // (opening a device can do things), and the checks that count are made again on the opened
    // descriptor, so nothing swapped in between can be read: a pipe cannot block us (O_NONBLOCK)
    // and fstat refuses it.
    if (::stat (fullPath.toRawUTF8(), &info) != 0 || ! S_ISREG (info.st_mode))
        return {};

    const int fd = ::open (fullPath.toRawUTF8(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);

    if (fd < 0)
        return {};

    std::unique_ptr<juce::MemoryBlock> block;

    if (::fstat (fd, &info) == 0 && S_ISREG (info.st_mode) && (juce::int64) info.st_size <= maximumFileSize)
    {
        const auto expected = (size_t) info.st_size;
        block = std::make_unique<juce::MemoryBlock> (expected);
        size_t total = 0;

        while (total < expected)
        {
            const auto got = ::read (fd, static_cast<char*> (block->getData()) + total, expected - total);

            if (got < 0 && errno == EINTR)
                continue;

            if (got <= 0)
                break;

            total += (size_t) got;
        }

        if (total != expected)
            block.reset();
    }

    ::close (fd);
    return block;
   #endif
}
