#include "net/Invocation.h"

bool Invocation::isFull() const {
    const auto length = static_cast<uint64_t>(package.length());
    if (length == 0) return true;
    if (length < 4) return false;  // no readable length word yet
    return length >= static_cast<uint64_t>(static_cast<uint32_t>(package.fullLength())) + 4;
}

bool Invocation::fire() {
    if (!isFull()) return false;
    if (block) {
        package.seek(0);
        block(package.length() > 0 ? 1 : 0, package);
    }
    return true;
}
