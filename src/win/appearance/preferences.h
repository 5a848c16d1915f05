// The preferences dialog, where colour schemes are chosen, edited, previewed and stored.
#pragma once

#include "appearance/appearance_choice.h"
#include "appearance/colour_scheme.h"
#include "appearance/preview_box.h"
#include "appearance/scheme_list.h"
#include "board/board_geometry.h"
#include "fonts/raster_font.h"
#include "render/pixel_image.h"
#include "ui/modal_window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class RegistryStore;

// The dialog's controls, by their identifiers.
namespace PreferencesControl {
constexpr int PageControl1 = 101;
constexpr int ComboBox1 = 102; // the schemes
constexpr int Button6 = 103;   // Save
constexpr int Button5 = 104;   // Delete
constexpr int PaintBox1 = 105;
constexpr int ComboBox2 = 106;    // the elements
constexpr int Panel2 = 107;       // the swatch
constexpr int Button2 = IDOK;     // OK
constexpr int Button1 = IDCANCEL; // Cancel
} // namespace PreferencesControl

// The face the preview's text is drawn in: the system's own face for windows, bold, 8 points.
RasterFont PreviewFace();

class Tfpreferences : public ModalWindow {
public:
    // Asks for a colour on behalf of the dialog, starting on the one given; none when the player
    // cancels.
    using ColourPicker = std::function<std::optional<COLORREF>(HWND owner, COLORREF initial)>;

    Tfpreferences(HWND owner, RegistryStore& registry);

    // Shows the dialog modally on the board's colours, previewed at the board's cell size. OK
    // gives the colours shown and, for a stored scheme, its name, which ColorSet then holds;
    // Cancel gives back what it was given.
    AppearanceChoice Choose(const AppearanceChoice& current, CellPitch pitch);

    // Replaces the system's colour dialog, so that tests need not answer it.
    void UseColourPicker(ColourPicker picker) { Picker = std::move(picker); }

    const ColourSet& DialogColours() const { return DialogColours_; }
    const PixelImage& PreviewImage() const { return PreviewImage_; }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void FormShow();
    void LoadSchemeIntoDialog(const std::string& name);
    void ComboBox1Change(const std::wstring& text);
    void Panel2Click();
    void Button6Click();
    void Button5Click();
    void ApplyScheme();
    void ShowSwatch();
    // Draws the preview in the dialog's colours and shows it.
    void ShowPreview();
    void DrawSwatch(const DRAWITEMSTRUCT& item) const;
    int SelectedElement() const;
    std::string SchemeBoxText() const;

    RegistryStore& Registry;
    ColourPicker Picker;
    SchemeList Schemes;
    // Until the first showing hands over the board's colours, the built-in ones stand in.
    AppearanceChoice Chosen{DefaultScheme, {}};
    CellPitch Pitch = PitchOf(BoardSize::Small);
    ColourSet DialogColours_ = DefaultScheme;
    PixelImage PreviewImage_;
    RasterFont Face;
    // The colour last confirmed in the picker during this run.
    COLORREF PickerColour = RGB(0, 0, 0);

    HWND ComboBox1 = nullptr;
    HWND ComboBox2 = nullptr;
    HWND Panel2 = nullptr;
    std::unique_ptr<PreviewBox> PaintBox1;
};
