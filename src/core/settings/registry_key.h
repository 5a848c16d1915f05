// One open key of the per-user registry: its typed values and the names of its subkeys.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Names and strings are UTF-8 here and Windows-1252 where they are kept, so a character the code
// page lacks is written as '?' and reads back as '?'. Each read succeeds only for a value of its
// own type, as the Windows registry reports a type mismatch; a read or write on a key that was
// deleted meanwhile fails.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    virtual std::optional<std::string> ReadString(std::string_view name) const = 0;
    virtual std::optional<std::int32_t> ReadInteger(std::string_view name) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const = 0;

    // A string is cut at its first NUL, as a REG_SZ value ends there.
    virtual bool WriteString(std::string_view name, std::string_view value) = 0;
    virtual bool WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual bool WriteBinary(std::string_view name, std::span<const std::uint8_t> value) = 0;

    // The subkeys' names in case-insensitive order.
    virtual std::vector<std::string> SubkeyNames() const = 0;
    // For each name, whether a subkey of that name exists, in any case; all of them answered from
    // one reading of the registry. Asking about a few names costs far less than listing a key
    // with thousands of subkeys.
    virtual std::vector<bool> HasSubkeys(std::span<const std::string> names) const = 0;
};
