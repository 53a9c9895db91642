#pragma once

#include <sys/types.h>
#include <unistd.h>

namespace quillet::test {

inline constexpr uid_t kNobody = 65534;

// Root may write any file, so root runs the write as nobody where permissions matter.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser() {
        m_switched = ::geteuid() == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~AsUnprivilegedUser() {
        if (m_switched && ::seteuid(0) == 0) {
            static_cast<void>(::setegid(0));
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

private:
    bool m_switched = false;
};

} // namespace quillet::test
