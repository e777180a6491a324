#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "wire/Package.h"

// The bytes of a server message: header with the given protocol id and sequence number,
// then whatever the body writer appends. Does not touch the client's sequence counter.
std::vector<uint8_t> replyBytes(uint32_t protocolId, int32_t sequence,
                                const std::function<void(Package&)>& body = {},
                                int32_t subSystem = 2);
// A reply of exactly `size` bytes (size >= 24), the body filled with a recognisable pattern.
std::vector<uint8_t> replyOfSize(int32_t sequence, std::size_t size, uint32_t protocolId = 3);

std::vector<uint8_t> concat(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);
std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t count);
