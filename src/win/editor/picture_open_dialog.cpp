#include "editor/picture_open_dialog.h"

#include "editor/bitmap_picture.h"
#include "ui/dib_section.h"
#include "ui/file_dialogs.h"
#include "ui/wide_text.h"

#include <algorithm>
#include <vector>
// commdlg.h and dlgs.h need the types of windows.h.
#include <commdlg.h>
#include <dlgs.h>

namespace {

// Room for any path the system takes.
constexpr DWORD PathRoom = 32768;

// In dialog units. The system's controls take the place of stc32 and the dialog widens by what
// stands to its right.
constexpr short Stc32Width = 4;
constexpr short PanelHeight = 160;
constexpr short PreviewLeft = 8;
constexpr short PreviewSide = 100;
constexpr short SizeTop = PreviewSide + 20;

// A dialog template built in memory: a header, then each control at a four-byte boundary.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, WORD controls) {
        PutLong(style);
        PutLong(0);
        Words.push_back(controls);
        for (const short value : {short{0}, short{0}, width, height})
            Words.push_back(static_cast<WORD>(value));
        Words.insert(Words.end(), {0, 0, 0}); // no menu, the system's class, no title
    }

    void AddStatic(DWORD style, DWORD exStyle, short x, short y, short width, short height,
                   WORD id) {
        if (Words.size() % 2 != 0)
            Words.push_back(0);
        PutLong(style | WS_CHILD | WS_VISIBLE);
        PutLong(exStyle);
        for (const short value : {x, y, width, height})
            Words.push_back(static_cast<WORD>(value));
        Words.push_back(id);
        Words.insert(Words.end(), {0xFFFF, 0x0082, 0, 0}); // static, no text, no creation data
    }

    // A fixed block, as the dialog's template handle must be, that lives while the object does.
    HGLOBAL Block() {
        const std::size_t bytes = Words.size() * sizeof(WORD);
        Memory = GlobalAlloc(GMEM_FIXED, bytes);
        if (Memory != nullptr)
            std::copy(Words.begin(), Words.end(), static_cast<WORD*>(static_cast<void*>(Memory)));
        return Memory;
    }

    DialogTemplate(const DialogTemplate&) = delete;
    DialogTemplate& operator=(const DialogTemplate&) = delete;
    ~DialogTemplate() {
        if (Memory != nullptr)
            GlobalFree(Memory);
    }

private:
    void PutLong(DWORD value) {
        Words.push_back(LOWORD(value));
        Words.push_back(HIWORD(value));
    }

    std::vector<WORD> Words;
    HGLOBAL Memory = nullptr;
};

std::wstring SizeText(const PixelPicture& picture) {
    return std::to_wstring(picture.Width) + L" x " + std::to_wstring(picture.Height);
}

} // namespace

PictureOpenDialog::PictureOpenDialog(HWND owner) : Owner(owner) {}

std::filesystem::path PictureOpenDialog::OpenPictureName(std::string_view filter) {
    DialogTemplate panel(DS_CONTROL | DS_3DLOOK | WS_CHILD | WS_CLIPSIBLINGS,
                         PreviewLeft + PreviewSide + 6, PanelHeight, 3);
    panel.AddStatic(0, 0, 0, 0, Stc32Width, PanelHeight, stc32);
    panel.AddStatic(SS_OWNERDRAW, WS_EX_CLIENTEDGE, PreviewLeft, 14, PreviewSide, PreviewSide,
                    PictureOpenControl::PreviewImage);
    panel.AddStatic(SS_CENTER | SS_NOPREFIX, 0, PreviewLeft, SizeTop, PreviewSide, 32,
                    PictureOpenControl::PreviewSize);
    const HGLOBAL block = panel.Block();
    if (block == nullptr)
        return {};

    const SystemFilter system = FileFilter(filter);
    std::wstring chosen(PathRoom, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = Owner;
    request.hInstance = static_cast<HINSTANCE>(block);
    request.lpstrFilter = system.Pairs.c_str();
    request.lpstrFile = chosen.data();
    request.nMaxFile = PathRoom;
    // No start folder and no title: the system's own apply.
    request.lpstrDefExt = system.Extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATEHANDLE | OFN_HIDEREADONLY |
                    OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    request.lpfnHook = Hook;
    request.lCustData = reinterpret_cast<LPARAM>(this);
    Shown.reset();
    const BOOL taken = GetOpenFileNameW(&request);
    Panel = nullptr;
    Shown.reset();
    if (taken == 0)
        return {};
    chosen.resize(chosen.find(L'\0'));
    return std::filesystem::path(chosen);
}

UINT_PTR CALLBACK PictureOpenDialog::Hook(HWND panel, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PictureOpenDialog*>(
            reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
        SetWindowLongPtrW(panel, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->Panel = panel;
        // The size reads in the face of the system's part of the dialog.
        const LRESULT font = SendMessageW(GetParent(panel), WM_GETFONT, 0, 0);
        SendDlgItemMessageW(panel, PictureOpenControl::PreviewSize, WM_SETFONT,
                            static_cast<WPARAM>(font), FALSE);
        return TRUE;
    }
    auto* self = reinterpret_cast<PictureOpenDialog*>(GetWindowLongPtrW(panel, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    switch (message) {
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == CDN_SELCHANGE) {
            std::wstring path(PathRoom, L'\0');
            const auto length = SendMessageW(GetParent(panel), CDM_GETFILEPATH, PathRoom,
                                             reinterpret_cast<LPARAM>(path.data()));
            path.resize(length > 0 ? wcsnlen(path.c_str(), PathRoom) : 0);
            self->ShowPreview(path);
        }
        return FALSE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != PictureOpenControl::PreviewImage)
            return FALSE;
        self->DrawPreview(item);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void PictureOpenDialog::ShowPreview(const std::filesystem::path& path) {
    Shown.reset();
    std::wstring text;
    std::error_code failed;
    // A folder in the list is no picture, nor is a name that leads nowhere.
    if (!path.empty() && std::filesystem::is_regular_file(path, failed)) {
        BitmapPicture read = ReadBitmapPicture(path);
        if (read.Picture) {
            text = SizeText(*read.Picture);
            Shown = std::move(read.Picture);
        } else if (read.Failure != BitmapNotValidMessage()) {
            text = Wide(read.Failure);
        }
    }
    SetDlgItemTextW(Panel, PictureOpenControl::PreviewSize, text.c_str());
    InvalidateRect(GetDlgItem(Panel, PictureOpenControl::PreviewImage), nullptr, TRUE);
}

void PictureOpenDialog::DrawPreview(const DRAWITEMSTRUCT& item) const {
    const RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (!Shown || Shown->Width <= 0 || Shown->Height <= 0)
        return;
    // The whole picture, as large as fits with square pixels, in the middle; small pictures are
    // drawn large and unsmoothed, so each cell-to-be shows.
    const int roomWidth = area.right - area.left - 4;
    const int roomHeight = area.bottom - area.top - 4;
    const double scale = std::min(static_cast<double>(roomWidth) / Shown->Width,
                                  static_cast<double>(roomHeight) / Shown->Height);
    const int width = std::max(1, static_cast<int>(Shown->Width * scale));
    const int height = std::max(1, static_cast<int>(Shown->Height * scale));
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    // The picture's pixels lie as a top-down 32-bit DIB's do.
    const BITMAPINFO layout = TopDownLayout(Shown->Width, Shown->Height);
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchDIBits(item.hDC, left, top, width, height, 0, 0, Shown->Width, Shown->Height,
                  Shown->Pixels.data(), &layout, DIB_RGB_COLORS, SRCCOPY);
}
