#include "platform/FileAccess.h"
#include <cerrno>

namespace torvane {

FileCause causeFromErrno(int err)
{
    switch (err) {
    case 0:
        return CauseNone;
    case ENOENT:
        return CauseFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
    case EXDEV:
        return CauseBadPath;
    case EMFILE:
    case ENFILE:
        return CauseTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
        return CauseAccessDenied;
    case EBADF:
        return CauseInvalidFile;
    case EMLINK:
        return CauseDirectoryFull;
    case ESPIPE:
        return CauseBadSeek;
    case EIO:
    case ENXIO:
    case ENODEV:
        return CauseHardIO;
    case EBUSY:
    case ETXTBSY:
        return CauseSharingViolation;
    case ENOLCK:
    case EDEADLK:
        return CauseLockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return CauseDiskFull;
    default:
        return CauseGeneric;
    }
}

FileFailure failureFromErrno(FileOperation operation, const std::string& path, int err)
{
    FileCause cause = causeFromErrno(err);
    if (err == ENOENT && !isDirectory(parentFolder(path)))
        cause = CauseBadPath;
    return FileFailure {operation, path, cause, err};
}

} // namespace torvane
