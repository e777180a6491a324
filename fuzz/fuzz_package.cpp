// Feeds arbitrary bytes to the Package readers in an order the input chooses.
#include <cstddef>
#include <cstdint>

#include "wire/Package.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t program = data[0];
    Package package(std::vector<uint8_t>(data + 1, data + size));
    (void)package.fullLength();
    (void)package.packgeSequnce();
    (void)package.getProtocalId();
    (void)package.readResultCode();
    for (int step = 0; step < 64 && !package.overrun(); ++step) {
        switch ((program >> (step % 4 * 2)) & 3) {
            case 0:
                (void)package.readInt32();
                break;
            case 1:
                (void)package.readInt64();
                break;
            case 2:
                (void)package.readString();
                break;
            case 3:
                package.seek(static_cast<int32_t>(package.readInt32() % 4096) - 8);
                break;
        }
    }
    return 0;
}
