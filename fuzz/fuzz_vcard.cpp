// Arbitrary bytes as an address-book export.
#include <cstddef>
#include <cstdint>

#include "platform/VCardParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto people = VCardParser::parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const auto& person : people)
        (void)(person.lastName + person.firstName).size();
    return 0;
}
