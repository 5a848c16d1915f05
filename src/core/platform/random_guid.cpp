// New random identifiers: Windows' own generator there, as every other program makes them, and
// version 4 from the system's random device elsewhere or should it fail.
#include "platform/random_guid.h"

#include <random>

#ifdef _WIN32
#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// after windows.h, whose types it uses
#include <objbase.h>
#endif

Guid RandomGuid() {
    Guid guid;
#ifdef _WIN32
    if (GUID made{}; SUCCEEDED(CoCreateGuid(&made))) {
        guid.Data1 = made.Data1;
        guid.Data2 = made.Data2;
        guid.Data3 = made.Data3;
        std::copy(std::begin(made.Data4), std::end(made.Data4), guid.Data4.begin());
        return guid;
    }
#endif
    std::random_device random;
    guid.Data1 = random();
    guid.Data2 = static_cast<std::uint16_t>(random());
    guid.Data3 = static_cast<std::uint16_t>((random() & 0x0FFF) | 0x4000);
    for (auto& part : guid.Data4)
        part = static_cast<std::uint8_t>(random());
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}
