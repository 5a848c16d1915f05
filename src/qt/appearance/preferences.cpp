// The preferences dialog: the scheme box with Save and Delete, the preview, the element list and
// its swatch, and OK applying the colours shown.
#include "appearance/preferences.h"

#include "appearance/colour_swatch.h"
#include "appearance/qt_colour.h"
#include "appearance/scheme_store.h"
#include "board/board_view.h"
#include "platform/toolkit_raster_font.h"
#include "render/scheme_preview.h"
#include "settings/registry_failure.h"
#include "settings/settings_keys.h"
#include "ui/dialog_look.h"
#include "ui/message_dialogs.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QStringList ElementNames() {
    QStringList names;
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        names.append(Text(ElementListEntry(static_cast<ColourRole>(role))));
    return names;
}

QLabel* AddLabel(QWidget& page, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, &page);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* AddButton(QWidget& parent, const char* name, const QString& text, QPoint at) {
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(at, QSize(75, 25)));
    return button;
}

QFrame* AddSunkenPanel(QWidget& parent, const char* name, const QRect& area) {
    auto* panel = new QFrame(&parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(area);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

} // namespace

Tfpreferences::Tfpreferences(RegistryStore& registry, MessageDialogs& messages, QWidget* parent)
    : QDialog(parent), Registry(registry), Messages(messages) {
    SetUpFixedDialog(*this, QStringLiteral("Preferences"), QSize(421, 338));
    Picker = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    CreateControls();

    Schemes = SchemeList(StoredSchemeNames(Registry));
    for (const std::string& entry : Schemes.Entries())
        ComboBox1->addItem(Text(entry));
    LoadSchemeIntoDialog({});
    ComboBox2->setCurrentIndex(0);
    ShowSwatch();
}

void Tfpreferences::CreateControls() {
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(10, 8, 403, 293);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    pages->addTab(page, QStringLiteral("Appearance"));

    AddLabel(*page, "Label3", QStringLiteral("Model"), {16, 20});
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    // Typed names are the player's own: nothing completes them or adds them on Enter.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setGeometry(64, 16, 307, ComboBox1->sizeHint().height());
    connect(ComboBox1, &QComboBox::editTextChanged, this, &Tfpreferences::ComboBox1Change);

    connect(AddButton(*page, "Button6", QStringLiteral("Save"), {210, 44}), &QPushButton::clicked,
            this, &Tfpreferences::Button6Click);
    connect(AddButton(*page, "Button5", QStringLiteral("Delete"), {294, 44}), &QPushButton::clicked,
            this, &Tfpreferences::Button5Click);

    auto* bevel = new QFrame(page);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(14, 82, 357, 2);

    QFrame* panel1 = AddSunkenPanel(*page, "Panel1", {24, 94, 341, 125});
    // The preview's top rows, without bars: nothing of it scrolls.
    PaintBox1 = new BoardView(panel1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(1, 1, 339, 123);
    PaintBox1->SetScrolls(false);

    AddLabel(*page, "Label4", QStringLiteral("Element"), {24, 234});
    ComboBox2 = new QComboBox(page);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setMaxVisibleItems(20);
    ComboBox2->addItems(ElementNames());
    ComboBox2->setGeometry(72, 230, 199, ComboBox2->sizeHint().height());
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &Tfpreferences::ComboBox2Change);

    AddLabel(*page, "Label5", QStringLiteral("Color"), {284, 234});
    // Made after the element list, so Tab reaches it from there and goes on to OK.
    Panel2 = new ColourSwatch(page);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(322, 232, 43, 17);
    connect(Panel2, &ColourSwatch::Clicked, this, &Tfpreferences::Panel2Click);

    QPushButton* ok = AddButton(*this, "Button2", QStringLiteral("OK"), {246, 310});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Tfpreferences::ApplyScheme);
    connect(AddButton(*this, "Button1", QStringLiteral("Cancel"), {328, 310}),
            &QPushButton::clicked, this, &QDialog::reject);
}

AppearanceChoice Tfpreferences::Choose(const AppearanceChoice& current, CellPitch pitch) {
    Chosen = current;
    Pitch = pitch;
    FormShow();
    if (exec() != QDialog::Accepted)
        return current;
    return Chosen;
}

void Tfpreferences::FormShow() {
    Shown = true;
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setEditText(Text(CurrentSchemeEntry));
    LoadSchemeIntoDialog(std::string(CurrentSchemeEntry));
}

// A scheme whose key has gone meanwhile leaves the colours shown as they were.
void Tfpreferences::LoadSchemeIntoDialog(const std::string& name) {
    if (std::optional<ColourSet> colours = SchemeColours(Registry, name, Chosen.BoardColours))
        DialogColours_ = *colours;
    ShowPreview();
    ShowSwatch();
}

// A typed name is looked up as the registry looks up keys, without regard to case, and the entry
// found is loaded under its listed spelling, so "[default]" means the built-in scheme unless a
// scheme is stored under that name.
void Tfpreferences::ComboBox1Change() {
    if (const std::optional<std::size_t> entry = Schemes.Find(SchemeBoxText()))
        LoadSchemeIntoDialog(Schemes.Entries()[*entry]);
}

void Tfpreferences::ComboBox2Change() {
    ShowSwatch();
}

void Tfpreferences::Panel2Click() {
    const int element = ComboBox2->currentIndex();
    if (element < 0)
        return;
    const std::optional<QColor> colour = Picker(PickerColour);
    if (!colour)
        return;
    PickerColour = *colour;
    DialogColours_[static_cast<std::size_t>(element)] = FromQColor(*colour);
    ShowSwatch();
    ShowPreview();
}

void Tfpreferences::Button6Click() {
    const std::string name = SchemeBoxText();
    const SchemeSaveResult saved = SaveScheme(Registry, name, DialogColours_);
    if (saved.Outcome == SchemeSave::NameRefused) {
        Messages.Error(Text(SchemeNameFaultText(saved.Fault)));
        // A name that is there but cannot be a key stays to be mended.
        if (saved.Fault == SchemeNameFault::Missing)
            ComboBox1->clearEditText();
        ComboBox1->setFocus();
        return;
    }
    if (saved.Outcome == SchemeSave::WriteFailed) {
        Messages.Error(Text(RegistryWriteFailureText("the colour scheme \"" + name + "\"")));
        return;
    }
    const std::size_t position = Schemes.Add(saved.StoredName);
    const QString entry = Text(Schemes.Entries()[position]);
    if (static_cast<int>(position) == ComboBox1->count())
        ComboBox1->addItem(entry);
    ComboBox1->setCurrentIndex(static_cast<int>(position));
    ComboBox1->setEditText(entry);
}

// The colours shown and the box's text stay: only the list loses the entry.
void Tfpreferences::Button5Click() {
    const QString text = ComboBox1->currentText();
    const std::string name = text.toStdString();
    if (!DeleteStoredScheme(Registry, name))
        return;
    if (const std::optional<std::size_t> position = Schemes.Remove(name)) {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->removeItem(static_cast<int>(*position));
        ComboBox1->setEditText(text);
    }
}

// ColorSet is written only for a stored scheme: the bracketed entries hold for this run alone.
void Tfpreferences::ApplyScheme() {
    Chosen.BoardColours = DialogColours_;
    if (const std::optional<std::string> stored = Schemes.StoredSchemeOf(SchemeBoxText())) {
        if (StoreSetting(Registry, "ColorSet", *stored))
            Chosen.ActiveSchemeName = *stored;
        else
            Messages.Error(Text(RegistryWriteFailureText("the chosen colour scheme (ColorSet)")));
    }
    accept();
}

void Tfpreferences::ShowSwatch() {
    const int element = ComboBox2->currentIndex();
    if (element < 0)
        return;
    Panel2->ShowColour(ToQColor(DialogColours_[static_cast<std::size_t>(element)]));
}

void Tfpreferences::ShowPreview() {
    // Nobody sees the preview before the first showing, which draws it.
    if (!Shown)
        return;
    if (!PreviewFace) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(11);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        PreviewFace = RasteriseFont(font);
    }
    DrawSchemePreview(PreviewImage_, DialogColours_, Pitch, *PreviewFace);
    PaintBox1->ShowImage(&PreviewImage_, {0, 0, PreviewImage_.Width, PreviewImage_.Height});
}

std::string Tfpreferences::SchemeBoxText() const {
    return ComboBox1->currentText().toStdString();
}
