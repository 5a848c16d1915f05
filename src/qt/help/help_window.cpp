#include "help/help_window.h"

#include "ui/message_dialogs.h"
#include "help/chm_file.h"
#include "help/help_browser.h"
#include "ui/dialog_look.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int LocalRole = Qt::UserRole;

// A sitemap's page as an address inside the help file. An entry may name its page in another
// file's form ("ms-its:Quorvane.chm::/playing.html"); only the part inside the file counts.
QUrl TopicUrl(const QString& local) {
    const qsizetype inside = local.indexOf(QLatin1String("::"));
    const QString page = inside < 0 ? local : local.mid(inside + 2);
    return QUrl(HelpBrowser::Scheme + QLatin1String(":/")).resolved(QUrl(page));
}

// The first page the contents name, depth first: the help file's opening topic.
QString FirstPage(const std::vector<SitemapEntry>& entries) {
    for (const SitemapEntry& entry : entries) {
        if (!entry.Local.isEmpty())
            return entry.Local;
        if (QString page = FirstPage(entry.Children); !page.isEmpty())
            return page;
    }
    return {};
}

std::vector<SitemapEntry> ReadSitemapIn(const ChmFile& file, std::string_view suffix) {
    const std::vector<std::string> names = file.NamesEndingIn(suffix);
    if (names.empty())
        return {};
    return ReadSitemap(file.Read(names.front()).value_or(std::string()));
}

QToolButton* NavigationButton(const char* name, const QString& text, QStyle::StandardPixmap icon,
                              QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setEnabled(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow(MessageDialogs& messages, QWidget* owner)
    : QWidget(owner, Qt::Window), Messages(messages), Owner(owner) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvane Help"));
    resize(820, 580);
}

HelpWindow::~HelpWindow() = default;

// The window's parts are made with the first help file read: until then the window is only
// a title and a size, so a run that never asks for help does not pay for them.
void HelpWindow::MakeParts() {
    Back = NavigationButton("Back", QStringLiteral("Back"), QStyle::SP_ArrowBack, this);
    Forward = NavigationButton("Forward", QStringLiteral("Forward"), QStyle::SP_ArrowForward, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Back);
    buttons->addWidget(Forward);
    buttons->addStretch();

    Contents = new QTreeWidget;
    Contents->setObjectName(QStringLiteral("Contents"));
    Contents->setHeaderHidden(true);

    IndexFilter = new QLineEdit;
    IndexFilter->setObjectName(QStringLiteral("IndexFilter"));
    IndexFilter->setPlaceholderText(QStringLiteral("Type a keyword"));
    Index = new QListWidget;
    Index->setObjectName(QStringLiteral("Index"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(IndexFilter);
    indexLayout->addWidget(Index);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("Tabs"));
    tabs->addTab(Contents, QStringLiteral("Contents"));
    tabs->addTab(indexPage, QStringLiteral("Index"));

    Browser = new HelpBrowser;
    Browser->setObjectName(QStringLiteral("Topic"));

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 590});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(Back, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(Forward, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, Back, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, Forward, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkContentsEntry);
    const auto openItem = [this](QTreeWidgetItem* item) {
        OpenTopic(item->data(0, LocalRole).toString());
    };
    connect(Contents, &QTreeWidget::itemClicked, this, openItem);
    connect(Contents, &QTreeWidget::itemActivated, this, openItem);
    const auto openKeyword = [this](QListWidgetItem* item) {
        OpenTopic(item->data(LocalRole).toString());
    };
    connect(Index, &QListWidget::itemClicked, this, openKeyword);
    connect(Index, &QListWidget::itemActivated, this, openKeyword);
    connect(IndexFilter, &QLineEdit::textEdited, this, &HelpWindow::FindInIndex);
    connect(IndexFilter, &QLineEdit::returnPressed, this, [this, openKeyword] {
        if (Index->currentItem() != nullptr)
            openKeyword(Index->currentItem());
    });
}

void HelpWindow::ShowHelp(const std::filesystem::path& helpFile) {
    if ((File == nullptr || helpFile != ShownFile) && !Load(helpFile)) {
        Messages.Error(QStringLiteral("Cannot open the help file %1: it is missing or damaged.")
                           .arg(QString::fromStdString(helpFile.string())));
        return;
    }
    TakeOwnerForInput();
    // The first showing fits the screen, in its middle; later ones stay where the user left it.
    if (!Placed) {
        if (const QScreen* shownOn = screen())
            resize(size().boundedTo(shownOn->availableGeometry().size() * 9 / 10));
        CentreFrameOnScreen(*this);
        Placed = true;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::Topic() const { return Browser != nullptr ? Browser->source() : QUrl(); }

bool HelpWindow::Load(const std::filesystem::path& helpFile) {
    std::unique_ptr<ChmFile> file = ChmFile::Open(helpFile);
    if (file == nullptr)
        return false;
    const std::vector<SitemapEntry> contents = ReadSitemapIn(*file, ".hhc");
    const QString home = FirstPage(contents);
    // A file whose opening topic cannot be read is damaged past showing; the window keeps the
    // help it had.
    if (home.isEmpty() || !file->Read(TopicUrl(home).path().toStdString()))
        return false;

    if (Browser == nullptr)
        MakeParts();
    File = std::move(file);
    ShownFile = helpFile;
    Browser->UseFile(File.get());
    Browser->clearHistory();
    Contents->clear();
    FillContents(nullptr, contents);
    Contents->expandAll();
    Index->clear();
    IndexFilter->clear();
    FillIndex(ReadSitemapIn(*File, ".hhk"), 0);
    // The same address in a new file is a new page: the browser would keep the old one's.
    const QUrl homeTopic = TopicUrl(home);
    if (Browser->source() == homeTopic)
        Browser->reload();
    else
        Browser->setSource(homeTopic);
    Browser->clearHistory();
    return true;
}

void HelpWindow::FillContents(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries) {
    for (const SitemapEntry& entry : entries) {
        auto* item = parent == nullptr ? new QTreeWidgetItem(Contents) : new QTreeWidgetItem(parent);
        item->setText(0, entry.Name.isEmpty() ? entry.Local : entry.Name);
        item->setData(0, LocalRole, entry.Local);
        FillContents(item, entry.Children);
    }
}

void HelpWindow::FillIndex(const std::vector<SitemapEntry>& entries, int depth) {
    // A keyword's sub-keywords follow it, set in under it.
    for (const SitemapEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString(depth * 4, QLatin1Char(' ')) + entry.Name, Index);
        item->setData(LocalRole, entry.Local);
        FillIndex(entry.Children, depth + 1);
    }
}

void HelpWindow::OpenTopic(const QString& local) {
    if (!local.isEmpty())
        Browser->setSource(TopicUrl(local));
}

void HelpWindow::MarkContentsEntry(const QUrl& topic) {
    const QUrl page = topic.adjusted(QUrl::RemoveFragment);
    for (QTreeWidgetItemIterator it(Contents); *it != nullptr; ++it) {
        const QString local = (*it)->data(0, LocalRole).toString();
        if (!local.isEmpty() && TopicUrl(local).adjusted(QUrl::RemoveFragment) == page) {
            Contents->setCurrentItem(*it);
            return;
        }
    }
}

void HelpWindow::FindInIndex(const QString& text) {
    for (int row = 0; row < Index->count(); ++row) {
        QListWidgetItem* item = Index->item(row);
        if (item->text().trimmed().startsWith(text.trimmed(), Qt::CaseInsensitive)) {
            Index->setCurrentItem(item);
            Index->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::TakeOwnerForInput() {
    // A modal dialog such as the puzzle editor blocks every window but its own; help asked for
    // from one must belong to it to take the mouse and keys. Otherwise it goes back to its owner.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal != nullptr && modal != this ? modal : Owner;
    if (parentWidget() != owner)
        setParent(owner, windowFlags());
}
