// The topic pane of the help window: pages, pictures and style sheets read from the help file.
#pragma once

#include <QTextBrowser>

class ChmFile;

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    // Pages inside the help file are addressed as "chm:/page.html".
    static inline const QString Scheme = QStringLiteral("chm");

    explicit HelpBrowser(QWidget* parent = nullptr);

    // The help file the pages come from; it must outlive its use here.
    void UseFile(const ChmFile* file) { File = file; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void FollowLink(const QUrl& link);

    const ChmFile* File = nullptr;
};
