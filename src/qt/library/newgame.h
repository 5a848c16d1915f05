// The new-game browser over a folder of puzzle files.
#pragma once

#include "library/puzzle_chooser.h"

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class RegistryStore;

class Tfnewgame : public QDialog, public PuzzleChooser {
    Q_OBJECT

public:
    // Asks for a folder on behalf of the dialog, starting from the one listed; none when the
    // player cancels.
    using FolderChooser =
        std::function<std::optional<QString>(QWidget* owner, const QString& startFolder)>;

    explicit Tfnewgame(RegistryStore& registry, QWidget* parent = nullptr);

    // Lists the folder and shows the dialog modally. The chosen file's path when the player
    // closes with OK and the file still exists; none otherwise.
    std::optional<std::filesystem::path> ChooseFrom(const std::filesystem::path& folder) override;
    // The folder the dialog ended on, which Browse may have changed even if it was cancelled.
    std::filesystem::path ShownFolder() const override;

    // Replaces the platform's folder dialog, so that tests need not answer it.
    void UseFolderChooser(FolderChooser chooser);

private:
    void FormShow();
    void FillPuzzleList();
    void Button3Click();
    void ListView1Change();
    void ListView1DblClick();
    void ListView1ColumnClick(int column);
    bool SelectedFileExists() const;

    RegistryStore& Registry;
    FolderChooser ChooseFolder;
    QString SelectedPuzzlePath; // the selected row's "Location", or empty

    QLineEdit* Edit1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button2 = nullptr;
};
