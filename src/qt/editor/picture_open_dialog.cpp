#include "editor/picture_open_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int PreviewSide = 160;
// A picture this large is not decoded for a preview; its size is still shown.
constexpr qint64 MaxPreviewPixels = 64LL * 1024 * 1024;

} // namespace

PictureOpenDialog::PictureOpenDialog(QWidget* parent) : QFileDialog(parent) {
    // The preview panel lives in the toolkit's own dialog, not in the desktop's.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PreviewPanel"));
    auto* column = new QVBoxLayout(panel);
    PreviewImage = new QLabel(panel);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->setFixedSize(PreviewSide, PreviewSide);
    PreviewImage->setAlignment(Qt::AlignCenter);
    PreviewImage->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    PreviewSize = new QLabel(panel);
    PreviewSize->setObjectName(QStringLiteral("PreviewSize"));
    PreviewSize->setAlignment(Qt::AlignCenter);
    column->addWidget(PreviewImage);
    column->addWidget(PreviewSize);
    column->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel, 1, grid->columnCount(), 2, 1);

    connect(this, &QFileDialog::currentChanged, this, &PictureOpenDialog::ShowPreview);
    // A typed name is previewed as a clicked one is, once it names a file.
    if (QLineEdit* name = FileNameEdit())
        connect(name, &QLineEdit::textEdited, this, &PictureOpenDialog::PreviewTypedName);
}

QLineEdit* PictureOpenDialog::FileNameEdit() const {
    return findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void PictureOpenDialog::PreviewTypedName(const QString& typed) {
    const QFileInfo file(QDir(directory()).filePath(typed));
    if (file.isFile())
        ShowPreview(file.filePath());
}

void PictureOpenDialog::done(int result) {
    // The name's completion list is a window of its own; left open, it would take the next
    // click or key meant for the editor.
    if (const QLineEdit* name = FileNameEdit())
        if (const QCompleter* completer = name->completer())
            completer->popup()->hide();
    QFileDialog::done(result);
}

std::filesystem::path PictureOpenDialog::OpenPictureName(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    setNameFilter(parts.value(0));
    setDefaultSuffix(parts.value(1).section(u'.', -1));
    // No start folder is set: the toolkit's default applies, as it does for a new dialog.
    ShowPreview({});
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return {};
    return selectedFiles().constFirst().toStdString();
}

void PictureOpenDialog::ShowPreview(const QString& path) {
    PreviewImage->clear();
    PreviewSize->clear();
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        return;
    PreviewSize->setText(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    if (qint64{size.width()} * size.height() > MaxPreviewPixels)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;
    // Small pictures are drawn large with square pixels, so each cell-to-be shows.
    PreviewImage->setPixmap(QPixmap::fromImage(image.scaled(
        PreviewSide - 4, PreviewSide - 4, Qt::KeepAspectRatio,
        image.width() < PreviewSide ? Qt::FastTransformation : Qt::SmoothTransformation)));
}
