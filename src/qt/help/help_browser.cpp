#include "help/help_browser.h"

#include "help/chm_file.h"

#include <QDesktopServices>
#include <QTextDocument>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // A link out of the help file goes to the desktop's browser; QTextBrowser would try to load
    // it here as a page of the help file.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != Scheme || File == nullptr)
        return {};
    if (std::optional<std::string> bytes = File->Read(name.path().toStdString()))
        return QByteArray::fromStdString(*bytes);
    if (type != QTextDocument::HtmlResource)
        return {};
    return QStringLiteral("<html><head><title>Page not found</title></head><body><h1>Page not found</h1>"
              "<p>The page %1 is not in the help file.</p></body></html>")
        .arg(name.path().toHtmlEscaped());
}

void HelpBrowser::FollowLink(const QUrl& link) {
    if (link.scheme() == Scheme)
        setSource(link);
    else
        QDesktopServices::openUrl(link);
}
