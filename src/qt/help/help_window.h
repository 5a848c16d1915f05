// The program's own help window: the help file's contents and index beside its pages, with back
// and forward. One window serves every request for help.
#pragma once

#include "help/sitemap.h"
#include "platform/help_viewer.h"

#include <QWidget>
#include <memory>

class ChmFile;
class HelpBrowser;
class MessageDialogs;
class QLineEdit;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

class HelpWindow final : public QWidget, public HelpViewer {
    Q_OBJECT

public:
    // The window belongs to the owner, but is a window of its own and never modal.
    HelpWindow(MessageDialogs& messages, QWidget* owner);
    ~HelpWindow() override;

    // Brings the window to the front on the help file, opening the file at its first topic unless
    // it is the one already shown. A file that cannot be read is reported and shows no window.
    void ShowHelp(const std::filesystem::path& helpFile) override;

    // The topic shown, as a page inside the help file ("chm:/playing.html"); empty before the
    // first.
    QUrl Topic() const;

private:
    void MakeParts();
    bool Load(const std::filesystem::path& helpFile);
    void FillContents(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries);
    void FillIndex(const std::vector<SitemapEntry>& entries, int depth);
    void OpenTopic(const QString& local);
    void MarkContentsEntry(const QUrl& topic);
    void FindInIndex(const QString& text);
    void TakeOwnerForInput();

    MessageDialogs& Messages;
    QWidget* Owner;
    std::unique_ptr<ChmFile> File;
    std::filesystem::path ShownFile;
    bool Placed = false;

    QToolButton* Back = nullptr;
    QToolButton* Forward = nullptr;
    QTreeWidget* Contents = nullptr;
    QLineEdit* IndexFilter = nullptr;
    QListWidget* Index = nullptr;
    HelpBrowser* Browser = nullptr;
};
