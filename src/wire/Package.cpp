#include "wire/Package.h"

#include "wire/Utf8.h"

namespace {

// Process-wide, never reset, never persisted; main thread only.
uint32_t gSequenceCounter = 0;

uint32_t loadBigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

void storeBigEndian32(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value >> 24);
    p[1] = static_cast<uint8_t>(value >> 16);
    p[2] = static_cast<uint8_t>(value >> 8);
    p[3] = static_cast<uint8_t>(value);
}

}  // namespace

Package::Package(int32_t subSystem, uint32_t subProcotol) {
    ++gSequenceCounter;  // unsigned, so wrapping after 2^31 requests is defined
    data_.reserve(64);
    appendInt32(0);
    appendInt32(kMagic);
    appendInt32(kVersion);
    appendInt32(static_cast<uint32_t>(subSystem));
    appendInt32(subProcotol);
    appendInt32(gSequenceCounter);
}

uint32_t Package::peekInt32At(std::size_t offset) const {
    if (data_.size() < offset + 4) return 0;
    return loadBigEndian32(data_.data() + offset);
}

int32_t Package::fullLength() const {
    return static_cast<int32_t>(peekInt32At(0));
}

int32_t Package::packgeSequnce() const {
    if (data_.size() < kHeaderSize) return 0;
    return static_cast<int32_t>(peekInt32At(20));
}

uint32_t Package::getProtocalId() const {
    return peekInt32At(16);
}

int32_t Package::sequenceOf(std::span<const uint8_t> bytes) {
    if (bytes.size() < kHeaderSize) return 0;
    return static_cast<int32_t>(loadBigEndian32(bytes.data() + 20));
}

uint32_t Package::lengthWordOf(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4) return 0;
    return loadBigEndian32(bytes.data());
}

const std::vector<uint8_t>& Package::getData() {
    if (data_.size() >= 4) storeBigEndian32(data_.data(), static_cast<uint32_t>(data_.size() - 4));
    return data_;
}

void Package::appendInt32(uint32_t value) {
    uint8_t bytes[4];
    storeBigEndian32(bytes, value);
    data_.insert(data_.end(), bytes, bytes + 4);
    index_ += 4;
}

void Package::appendInt64(uint64_t value) {
    appendInt32(static_cast<uint32_t>(value >> 32));
    appendInt32(static_cast<uint32_t>(value));
}

void Package::appendString(std::string_view utf8) {
    appendInt32(static_cast<uint32_t>(utf8.size()));
    data_.insert(data_.end(), utf8.begin(), utf8.end());
    index_ += static_cast<int32_t>(utf8.size());
}

void Package::appendData(std::span<const uint8_t> bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}

bool Package::take(std::size_t count) {
    if (index_ < 0 || static_cast<std::size_t>(index_) > data_.size() ||
        data_.size() - static_cast<std::size_t>(index_) < count) {
        overrun_ = true;
        index_ = static_cast<int32_t>(data_.size());
        return false;
    }
    return true;
}

uint32_t Package::readInt32() {
    if (!take(4)) return 0;
    const uint32_t value = loadBigEndian32(data_.data() + index_);
    index_ += 4;
    return value;
}

uint64_t Package::readInt64() {
    if (!take(8)) return 0;
    const uint64_t high = readInt32();
    return (high << 32) | readInt32();
}

std::optional<std::string> Package::readString() {
    if (!take(4)) return std::string();
    const uint32_t count = readInt32();
    if (!take(count)) return std::string();
    std::string text(reinterpret_cast<const char*>(data_.data()) + index_, count);
    index_ += static_cast<int32_t>(count);
    if (!isValidUtf8(text)) return std::nullopt;
    return text;
}

int32_t Package::readResultCode() {
    reset();
    if (!take(4)) return kResultTruncated;
    return readSignedInt32();
}
