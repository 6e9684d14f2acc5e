#include "support/FilePermissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr quint32 kFileOverride = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool capabilities(__user_cap_data_struct (&data)[_LINUX_CAPABILITY_U32S_3], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

ObeyFilePermissions::ObeyFilePermissions()
{
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (!capabilities(data, false) || !(data[0].effective & kFileOverride))
        return;
    m_effective = data[0].effective;
    data[0].effective &= ~kFileOverride;
    m_dropped = capabilities(data, true);
}

ObeyFilePermissions::~ObeyFilePermissions()
{
    if (!m_dropped)
        return;
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (capabilities(data, false)) {
        data[0].effective = m_effective;
        capabilities(data, true);
    }
}
