#include "values/FileStamp.h"

TFileIdentity IdentityOf(const struct stat& info)
{
    return {info.st_dev, info.st_ino};
}

TFileStamp StampOf(const struct stat& info)
{
    return {IdentityOf(info), info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}
