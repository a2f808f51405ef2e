// The group description reader (SPECs and presentations) on arbitrary text:
// a group, or the one documented refusal.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/group/errors.h"
#include "core/presentation/presented_group.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view spec(reinterpret_cast<const char*>(data), size);
    try {
        const quorix::GroupPtr group = quorix::MakeGroupFromDescription(spec);
        if (!group || group->Order() < 1) std::abort();
    } catch (const quorix::InvalidArgument&) {}
    return 0;
}
