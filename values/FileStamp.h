#pragma once

#include <cstdint>
#include <sys/stat.h>

// Which file a name led to: the same device and inode is the same file,
// whatever names lead to it.
struct TFileIdentity {
    dev_t Device = 0;
    ino_t Inode = 0;
    bool operator==(const TFileIdentity&) const = default;
};

// What a look at a regular file saw: enough to tell later whether another
// program wrote it or put another file in its place since.
struct TFileStamp {
    TFileIdentity Identity;
    off_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    long ModifiedNanoseconds = 0;
    bool operator==(const TFileStamp&) const = default;
};

[[nodiscard]] TFileIdentity IdentityOf(const struct stat& info);
[[nodiscard]] TFileStamp StampOf(const struct stat& info);
