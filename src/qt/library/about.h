// The about box: the banner, the version, the read-me text and where to send comments.
#pragma once

#include "library/about_box.h"

#include <QDialog>
#include <filesystem>

class QPlainTextEdit;

class Tfabout : public QDialog, public AboutBox {
    Q_OBJECT

public:
    // Reads Readme.txt from the program folder once; without it the text area stays empty.
    explicit Tfabout(const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    void ShowAbout() override { exec(); }

private:
    void FormCreate(const std::filesystem::path& programFolder);

    QPlainTextEdit* Memo1 = nullptr;
};
