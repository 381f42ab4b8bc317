#include "TemporaryHome.h"

#include <filesystem>

void TestSupport::TemporaryHome::removeTree (const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all (folder, ignored);
}
