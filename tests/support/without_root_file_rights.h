#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vantorelle {

// While it lives, root's power to read and write past the file modes is set
// aside for the calling thread, so that a folder of mode 000 or 0500 stops the
// code under test as it stops any other user. For another user it does
// nothing: the modes hold already.
class WithoutRootFileRights {
public:
    WithoutRootFileRights()
    {
        if (::geteuid() != 0 || !read())
            return;
        saved_[0] = data_[0];
        data_[0].effective &= ~(bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH));
        dropped_ = write();
    }
    ~WithoutRootFileRights()
    {
        if (!dropped_)
            return;
        data_[0] = saved_[0];
        write();
    }
    WithoutRootFileRights(const WithoutRootFileRights &) = delete;
    WithoutRootFileRights &operator=(const WithoutRootFileRights &) = delete;

    // False when root's rights could not be set aside: the modes do not hold.
    bool holds() const { return ::geteuid() != 0 || dropped_; }

private:
    static constexpr __u32 bit(int capability) { return __u32(1) << capability; }
    bool read() { return ::syscall(SYS_capget, &header_, data_) == 0; }
    bool write() { return ::syscall(SYS_capset, &header_, data_) == 0; }

    __user_cap_header_struct header_ {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data_[2] {};
    __user_cap_data_struct saved_[1] {};
    bool dropped_ = false;
};

} // namespace vantorelle
