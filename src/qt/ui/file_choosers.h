// File dialogs of the toolkit, owned by the window in use.
#pragma once

#include "ui/file_dialogs.h"

class FileChoosers final : public FileDialogs {
public:
    std::filesystem::path OpenFileName(const std::filesystem::path& folder,
                                       const QString& filter) override;
    std::filesystem::path SaveFileName(const std::filesystem::path& folder,
                                       const QString& filter) override;
};
