#pragma once

#include <cstdlib>
#include <string>

namespace EngineTest
{
    /** Points HOME at a fresh temporary folder for the whole test program, before any processor
        (and so any preset store) is built, so that no test touches the real user folders.
    */
    struct TemporaryHome
    {
        TemporaryHome()
        {
            const char* base = std::getenv ("TMPDIR");
            std::string pattern = std::string (base != nullptr && *base != 0 ? base : "/tmp") + "/ondrella-engine-XXXXXX";

            if (mkdtemp (pattern.data()) != nullptr)
                setenv ("HOME", pattern.c_str(), 1);
        }
    };

    inline const TemporaryHome temporaryHome;
}
