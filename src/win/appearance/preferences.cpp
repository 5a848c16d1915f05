// The preferences dialog: the scheme box with Save and Delete, the preview, the element list and
// its swatch, and OK applying the colours shown.
#include "appearance/preferences.h"

#include "appearance/scheme_store.h"
#include "platform/clue_face_library.h"
#include "render/scheme_preview.h"
#include "settings/registry_failure.h"
#include "settings/settings_keys.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/message_boxes.h"
#include "ui/wide_text.h"

// After windows.h, whose types they need.
#include <array>
#include <commctrl.h>
#include <commdlg.h>

namespace {

constexpr int ElementRowsShown = 20;
constexpr int SchemeRowsShown = 8;

std::optional<COLORREF> ChooseWithColourDialog(HWND owner, COLORREF initial) {
    // The picker's own row of custom colours lasts for the run, as the dialog does.
    static std::array<COLORREF, 16> customColours{};
    CHOOSECOLORW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.rgbResult = initial;
    request.lpCustColors = customColours.data();
    request.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (ChooseColorW(&request) == FALSE)
        return std::nullopt;
    return request.rgbResult;
}

// A drop-down box's height decides how many rows its open list shows.
void ShowRows(HWND box, int rows) {
    const auto field =
        static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const auto row = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    RECT outer{};
    GetWindowRect(box, &outer);
    SetWindowPos(box, nullptr, 0, 0, outer.right - outer.left,
                 field + 4 * GetSystemMetrics(SM_CYEDGE) + rows * row,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AddEntry(HWND box, const std::string& entry) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

std::wstring EntryText(HWND box, int position) {
    const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace

RasterFont PreviewFace() {
    LOGFONTW look{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(look), &look);
    return RasteriseSystemFont(Utf8(look.lfFaceName), 8, true);
}

Tfpreferences::Tfpreferences(HWND owner, RegistryStore& registry)
    : Registry(registry), Picker(ChooseWithColourDialog), Face(PreviewFace()) {
    Create(L"Tfpreferences", L"Preferences", 421, 338, owner);
    CreateControls();
    Schemes = SchemeList(StoredSchemeNames(Registry));
    for (const std::string& entry : Schemes.Entries())
        AddEntry(ComboBox1, entry);
    SendMessageW(ComboBox2, CB_SETCURSEL, 0, 0);
    LoadSchemeIntoDialog({});
}

// The page's controls are the dialog's own children laid over the tab, so their notices come
// straight to the dialog and Tab walks them in the order they are made.
void Tfpreferences::CreateControls() {
    const HWND pages = AddControl(Handle(), WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, 10, 8, 403, 293,
                                  PreferencesControl::PageControl1);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    std::wstring caption = L"Appearance";
    tab.pszText = caption.data();
    SendMessageW(pages, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    RECT page{10, 8, 10 + 403, 8 + 293};
    SendMessageW(pages, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    const auto x = [&page](int onPage) { return static_cast<int>(page.left) + onPage; };
    const auto y = [&page](int onPage) { return static_cast<int>(page.top) + onPage; };

    AddLabel(Handle(), L"Model", x(16), y(20));
    ComboBox1 = AddControl(Handle(), WC_COMBOBOXW, L"",
                           CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, x(64), y(16),
                           307, 0, PreferencesControl::ComboBox1);
    ShowRows(ComboBox1, SchemeRowsShown);
    AddControl(Handle(), WC_BUTTONW, L"Save", BS_PUSHBUTTON | WS_TABSTOP, x(210), y(44), 75, 25,
               PreferencesControl::Button6);
    AddControl(Handle(), WC_BUTTONW, L"Delete", BS_PUSHBUTTON | WS_TABSTOP, x(294), y(44), 75, 25,
               PreferencesControl::Button5);
    AddBevelLine(Handle(), x(14), y(82), 357);
    // Panel1's sunken edge is the preview's own, round PaintBox1's 339 x 123 pixels.
    PaintBox1 = std::make_unique<PreviewBox>(Handle(), PreferencesControl::PaintBox1, x(25), y(95),
                                             339, 123);

    AddLabel(Handle(), L"Element", x(24), y(234));
    ComboBox2 = AddControl(Handle(), WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                           x(72), y(230), 199, 0, PreferencesControl::ComboBox2);
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        AddEntry(ComboBox2, ElementListEntry(static_cast<ColourRole>(role)));
    ShowRows(ComboBox2, ElementRowsShown);
    AddLabel(Handle(), L"Color", x(284), y(234));
    // Drawn by the dialog; as a button it takes the focus from the element list and Space or a
    // click asks for a colour.
    Panel2 = AddControl(Handle(), WC_BUTTONW, L"", BS_OWNERDRAW | WS_TABSTOP, x(322), y(232), 43,
                        17, PreferencesControl::Panel2);

    AddControl(Handle(), WC_BUTTONW, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 246, 310, 75, 25,
               PreferencesControl::Button2);
    AddControl(Handle(), WC_BUTTONW, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 328, 310, 75, 25,
               PreferencesControl::Button1);
    // Beneath everything on it, so the page's controls paint over the tab.
    SetWindowPos(pages, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

AppearanceChoice Tfpreferences::Choose(const AppearanceChoice& current, CellPitch pitch) {
    Chosen = current;
    Pitch = pitch;
    FormShow();
    if (ShowModal() != IDOK)
        return current;
    return Chosen;
}

void Tfpreferences::FormShow() {
    SendMessageW(ComboBox1, CB_SETCURSEL, 0, 0);
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
// found is loaded under its listed spelling.
void Tfpreferences::ComboBox1Change(const std::wstring& text) {
    if (const std::optional<std::size_t> entry = Schemes.Find(Utf8(text)))
        LoadSchemeIntoDialog(Schemes.Entries()[*entry]);
}

void Tfpreferences::Panel2Click() {
    const int element = SelectedElement();
    if (element < 0)
        return;
    const std::optional<COLORREF> colour = Picker(Handle(), PickerColour);
    if (!colour)
        return;
    PickerColour = *colour;
    DialogColours_[static_cast<std::size_t>(element)] = static_cast<ColourValue>(*colour);
    ShowSwatch();
    ShowPreview();
}

void Tfpreferences::Button6Click() {
    const std::string name = SchemeBoxText();
    const SchemeSaveResult saved = SaveScheme(Registry, name, DialogColours_);
    if (saved.Outcome == SchemeSave::NameRefused) {
        ShowError(Handle(), SchemeNameFaultText(saved.Fault));
        // A name that is there but cannot be a key stays to be mended.
        if (saved.Fault == SchemeNameFault::Missing)
            SetWindowTextW(ComboBox1, L"");
        SetFocus(ComboBox1);
        return;
    }
    if (saved.Outcome == SchemeSave::WriteFailed) {
        ShowError(Handle(), RegistryWriteFailureText("the colour scheme \"" + name + "\""));
        return;
    }
    const std::size_t position = Schemes.Add(saved.StoredName);
    if (position == static_cast<std::size_t>(SendMessageW(ComboBox1, CB_GETCOUNT, 0, 0)))
        AddEntry(ComboBox1, Schemes.Entries()[position]);
    SendMessageW(ComboBox1, CB_SETCURSEL, position, 0);
}

// The colours shown and the box's text stay: only the list loses the entry.
void Tfpreferences::Button5Click() {
    const std::wstring text = WindowText(ComboBox1);
    const std::string name = Utf8(text);
    if (!DeleteStoredScheme(Registry, name))
        return;
    if (const std::optional<std::size_t> position = Schemes.Remove(name)) {
        SendMessageW(ComboBox1, CB_DELETESTRING, *position, 0);
        SetWindowTextW(ComboBox1, text.c_str());
    }
}

// ColorSet is written only for a stored scheme: the bracketed entries hold for this run alone.
void Tfpreferences::ApplyScheme() {
    Chosen.BoardColours = DialogColours_;
    if (const std::optional<std::string> stored = Schemes.StoredSchemeOf(SchemeBoxText())) {
        if (StoreSetting(Registry, "ColorSet", *stored))
            Chosen.ActiveSchemeName = *stored;
        else
            ShowError(Handle(), RegistryWriteFailureText("the chosen colour scheme (ColorSet)"));
    }
    EndModal(IDOK);
}

void Tfpreferences::ShowSwatch() {
    InvalidateRect(Panel2, nullptr, FALSE);
}

void Tfpreferences::ShowPreview() {
    DrawSchemePreview(PreviewImage_, DialogColours_, Pitch, Face);
    PaintBox1->ShowImage(PreviewImage_);
}

void Tfpreferences::DrawSwatch(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    DrawEdge(item.hDC, &area, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const int element = SelectedElement();
    const HBRUSH fill = element < 0 ? nullptr
                                    : CreateSolidBrush(static_cast<COLORREF>(
                                          DialogColours_[static_cast<std::size_t>(element)]));
    FillRect(item.hDC, &area, fill != nullptr ? fill : GetSysColorBrush(COLOR_BTNFACE));
    if (fill != nullptr)
        DeleteObject(fill);
    if ((item.itemState & ODS_FOCUS) != 0)
        DrawFocusRect(item.hDC, &area);
}

int Tfpreferences::SelectedElement() const {
    return static_cast<int>(SendMessageW(ComboBox2, CB_GETCURSEL, 0, 0));
}

std::string Tfpreferences::SchemeBoxText() const {
    return Utf8(WindowText(ComboBox1));
}

LRESULT Tfpreferences::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    namespace Id = PreferencesControl;
    switch (message) {
    case WM_COMMAND: {
        const int notice = HIWORD(wParam);
        switch (LOWORD(wParam)) {
        case Id::ComboBox1:
            // A picked entry is not yet the box's text when the pick is reported.
            if (notice == CBN_SELCHANGE)
                ComboBox1Change(EntryText(
                    ComboBox1, static_cast<int>(SendMessageW(ComboBox1, CB_GETCURSEL, 0, 0))));
            else if (notice == CBN_EDITCHANGE)
                ComboBox1Change(WindowText(ComboBox1));
            return 0;
        case Id::ComboBox2:
            if (notice == CBN_SELCHANGE)
                ShowSwatch();
            return 0;
        case Id::Panel2:
            if (notice == BN_CLICKED)
                Panel2Click();
            return 0;
        case Id::Button6:
            Button6Click();
            return 0;
        case Id::Button5:
            Button5Click();
            return 0;
        case Id::Button2:
            ApplyScheme();
            return 0;
        default:
            break;
        }
        break;
    }
    case WM_DRAWITEM:
        if (wParam == static_cast<WPARAM>(Id::Panel2)) {
            DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Panel2) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return ModalWindow::Message(message, wParam, lParam);
}
