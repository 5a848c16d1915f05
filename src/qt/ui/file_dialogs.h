// The file dialogs a window shows, given to it so that tests can answer them.
#pragma once

#include <QString>
#include <filesystem>

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or an empty one when the dialog was cancelled. filter reads like
    // "Quorvane Saved Games|*.qvs": a description, a bar and the pattern.
    virtual std::filesystem::path OpenFileName(const std::filesystem::path& folder,
                                               const QString& filter) = 0;
    // As above; a name typed without an extension takes the pattern's.
    virtual std::filesystem::path SaveFileName(const std::filesystem::path& folder,
                                               const QString& filter) = 0;
};
