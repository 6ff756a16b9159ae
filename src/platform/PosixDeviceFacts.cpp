#include "platform/PosixDeviceFacts.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace mox {

bool PosixDeviceFacts::Exists(const std::string& path) const {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

bool PosixDeviceFacts::MayReadAndWrite(const std::string& path) const {
    return access(path.c_str(), R_OK | W_OK) == 0;
}

// A group without a name in the group database is given by its number, which usermod takes as well.
std::string PosixDeviceFacts::GroupOf(const std::string& path) const {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {};
    if (const group* owner = getgrgid(status.st_gid))
        return owner->gr_name;
    return std::to_string(status.st_gid);
}

std::string PosixDeviceFacts::UserName() const {
    if (const passwd* user = getpwuid(geteuid()))
        return user->pw_name;
    const char* name = std::getenv("USER");
    return name != nullptr ? name : "$USER";
}

}  // namespace mox
