#include "platform/random_guid.h"

#include <random>

Guid RandomGuid() {
    std::random_device random;
    Guid guid;
    guid.Data1 = random();
    guid.Data2 = static_cast<std::uint16_t>(random());
    guid.Data3 = static_cast<std::uint16_t>((random() & 0x0FFF) | 0x4000);
    for (auto& byte : guid.Data4)
        byte = static_cast<std::uint8_t>(random());
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}
