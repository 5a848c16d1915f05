// The toolkit's open dialog for pictures, with a preview of the selected picture and its size.
#pragma once

#include "editor/picture_chooser.h"

#include <QFileDialog>

class QLabel;
class QLineEdit;

class PictureOpenDialog final : public QFileDialog, public PictureChooser {
    Q_OBJECT

public:
    explicit PictureOpenDialog(QWidget* parent = nullptr);

    std::filesystem::path OpenPictureName(const QString& filter) override;

    // Shows the picture in the preview panel with its size in pixels; a file that is no picture
    // leaves the panel empty.
    void ShowPreview(const QString& path);

protected:
    void done(int result) override;

private:
    QLineEdit* FileNameEdit() const;
    void PreviewTypedName(const QString& typed);

    QLabel* PreviewImage = nullptr;
    QLabel* PreviewSize = nullptr;
};
