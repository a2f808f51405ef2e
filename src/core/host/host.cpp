#include "core/host/host.h"

namespace quorix {

namespace {
SilentHost& silentHost() {
    static SilentHost silent;
    return silent;
}
Host* current = nullptr;
}  // namespace

Host& host() { return current ? *current : silentHost(); }

void setHost(Host* h) { current = h; }

}  // namespace quorix
