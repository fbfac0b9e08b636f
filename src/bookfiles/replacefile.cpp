#include "bookfiles/replacefile.h"

#include <filesystem>
#include <system_error>

namespace tessera {

bool replaceFileWith(const QString& twin, const QString& target) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(twin.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    return !error;
}

} // namespace tessera
