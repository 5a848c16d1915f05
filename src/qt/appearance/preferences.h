// The preferences dialog, where colour schemes are chosen, edited, previewed and stored.
#pragma once

#include "appearance/appearance_chooser.h"
#include "appearance/colour_scheme.h"
#include "appearance/scheme_list.h"
#include "board/board_geometry.h"
#include "fonts/raster_font.h"
#include "render/pixel_image.h"

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class BoardView;
class ColourSwatch;
class MessageDialogs;
class QComboBox;
class RegistryStore;

// Asks for a colour, starting on the one given; none when the player cancels.
using ColourPicker = std::function<std::optional<QColor>(const QColor& initial)>;

class Tfpreferences : public QDialog, public AppearanceChooser {
    Q_OBJECT

public:
    Tfpreferences(RegistryStore& registry, MessageDialogs& messages, QWidget* parent = nullptr);

    AppearanceChoice Choose(const AppearanceChoice& current, CellPitch pitch) override;

    // The platform's colour dialog unless a test answers instead.
    void UseColourPicker(ColourPicker picker) { Picker = std::move(picker); }

    const ColourSet& DialogColours() const { return DialogColours_; }
    const PixelImage& PreviewImage() const { return PreviewImage_; }

private:
    void CreateControls();
    void FormShow();
    void LoadSchemeIntoDialog(const std::string& name);
    void ComboBox1Change();
    void ComboBox2Change();
    void Panel2Click();
    void Button6Click();
    void Button5Click();
    void ApplyScheme();
    void ShowSwatch();
    // Draws the preview in the dialog's colours and shows it.
    void ShowPreview();
    std::string SchemeBoxText() const;

    RegistryStore& Registry;
    MessageDialogs& Messages;
    ColourPicker Picker;
    SchemeList Schemes;
    // Until the first showing hands over the board's colours, the built-in ones stand in.
    AppearanceChoice Chosen{DefaultScheme, {}};
    CellPitch Pitch = PitchOf(BoardSize::Small);
    ColourSet DialogColours_ = DefaultScheme;
    PixelImage PreviewImage_;
    // The toolkit's default face, bold, 8 points at 96 dots per inch, made when first drawn.
    std::optional<RasterFont> PreviewFace;
    bool Shown = false;
    // The colour last confirmed in the picker during this run.
    QColor PickerColour = Qt::black;

    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    BoardView* PaintBox1 = nullptr;
    ColourSwatch* Panel2 = nullptr;
};
