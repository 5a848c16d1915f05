#include "ui/file_choosers.h"

#include "ui/dialog_owner.h"

#include <QFileDialog>
#include <QStringList>

namespace {

// "Description|*.ext" as the toolkit writes a filter: "Description (*.ext)".
struct Filter {
    QString Text;
    QString Suffix;
};

Filter FilterOf(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    const QString pattern = parts.value(1);
    return {parts.value(0) + QStringLiteral(" (") + pattern + u')', pattern.section(u'.', -1)};
}

QString Folder(const std::filesystem::path& folder) {
    return QString::fromStdString(folder.string());
}

} // namespace

std::filesystem::path FileChoosers::OpenFileName(const std::filesystem::path& folder,
                                                 const QString& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(ActiveDialogOwner(), QString(), Folder(folder), FilterOf(filter).Text);
    return chosen.toStdString();
}

std::filesystem::path FileChoosers::SaveFileName(const std::filesystem::path& folder,
                                                 const QString& filter) {
    const Filter parsed = FilterOf(filter);
    QFileDialog dialog(ActiveDialogOwner(), QString(), Folder(folder), parsed.Text);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(parsed.Suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
}
