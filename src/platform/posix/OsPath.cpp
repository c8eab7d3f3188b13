#include "platform/posix/OsPath.h"

#include <cerrno>

#include "platform/LastError.h"
#include "platform/Text.h"
#include "platform/posix/OsText.h"

namespace platform::posix {

std::string OsPathFromAnsi(std::string_view ansiPath)
{
    std::string path(ansiPath);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            path[i] = '/';
    }
    return AnsiToOs(path);
}

std::uint32_t ErrorFromErrno(int error)
{
    switch (error) {
    case 0:
        return kERROR_SUCCESS;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return kERROR_PATH_NOT_FOUND;
    case EEXIST:
        return kERROR_ALREADY_EXISTS;
    case ENAMETOOLONG:
        return kERROR_FILENAME_EXCED_RANGE;
    case ENOMEM:
        return kERROR_NOT_ENOUGH_MEMORY;
    case EINVAL:
        return kERROR_INVALID_PARAMETER;
    default: // EACCES, EPERM, EROFS and the rest: the system refused
        return kERROR_ACCESS_DENIED;
    }
}

} // namespace platform::posix
