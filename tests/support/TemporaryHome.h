#pragma once

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace TestSupport
{
    /** Points HOME at a fresh temporary folder for the whole test program, before any processor
        (and so any preset store) is built, so that no test touches the real user folders.
        The folder is removed when the program ends.
    */
    class TemporaryHome
    {
    public:
        TemporaryHome()
        {
            const char* base = std::getenv ("TMPDIR");
            std::string pattern = std::string (base != nullptr && *base != 0 ? base : "/tmp") + "/ondrella-home-XXXXXX";

            if (mkdtemp (pattern.data()) != nullptr)
            {
                path = pattern;
                setenv ("HOME", path.c_str(), 1);
            }
        }

        ~TemporaryHome()
        {
            if (! path.empty())
                removeTree (path);
        }

        const std::string& getPath() const noexcept   { return path; }

    private:
        static void removeTree (const std::string& folder);

        std::string path;
    };
}
