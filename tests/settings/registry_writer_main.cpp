// Adds numbered records to a registry file: registry_writer FILE PREFIX COUNT. Exits nonzero on
// the first write that fails.
#include "settings/file_registry.h"

#include <string>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    FileRegistry registry(argv[1]);
    const std::string prefix = argv[2];
    const int count = std::stoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const std::unique_ptr<RegistryKey> key =
            registry.OpenKey("Software\\Quorvane\\Completed\\" + prefix + std::to_string(i), true);
        if (!key || !key->WriteString("Writer", prefix) || !key->WriteInteger("Number", i))
            return 1;
    }
    return 0;
}
