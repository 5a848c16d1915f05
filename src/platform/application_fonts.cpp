#include "platform/application_fonts.h"

#include <QFontDatabase>
#include <QString>

void ApplicationFonts::AddFontFile(const std::filesystem::path& file) {
    if (Registered.contains(file))
        return;
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(file.string()));
    if (id >= 0)
        Registered.emplace(file, id);
}

void ApplicationFonts::RemoveFontFile(const std::filesystem::path& file) {
    const auto found = Registered.find(file);
    if (found == Registered.end())
        return;
    QFontDatabase::removeApplicationFont(found->second);
    Registered.erase(found);
}
