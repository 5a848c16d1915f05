#include "ui/banner_menus.h"

#include "appearance/menu_banner.h"
#include "ui/controls.h"
#include "ui/display_dpi.h"

#include <cwctype>

namespace {

constexpr int ItemHeight = 20;
constexpr int SeparatorHeight = 9;
constexpr int ImageRoom = 24; // the image column right of the band
constexpr int KeysGap = 24;   // between the caption and the shortcut
constexpr int ArrowRoom = 16; // a submenu's arrow, drawn by the system

COLORREF Blend(COLORREF foot, COLORREF head, int step, int steps) {
    const auto mix = [&](int shift) {
        const int a = static_cast<int>(foot >> shift & 0xFF);
        const int b = static_cast<int>(head >> shift & 0xFF);
        return static_cast<COLORREF>(a + (b - a) * step / steps) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

} // namespace

BannerMenus::BannerMenus(HMENU bar, std::wstring banner, ItemImage image)
    : Scale(WindowDpi(nullptr)), Banner(std::move(banner)), Image(std::move(image)) {
    LOGFONTW look{};
    look.lfHeight = -Scale.Length(MenuBannerTextPixels);
    look.lfWeight = FW_BOLD;
    look.lfEscapement = 900; // reads from the bottom up
    look.lfOrientation = 900;
    look.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(look.lfFaceName, L"Arial", LF_FACESIZE);
    BannerFont = CreateFontIndirectW(&look);
    for (int i = 0; i < GetMenuItemCount(bar); ++i)
        if (const HMENU dropDown = GetSubMenu(bar, i))
            Take(dropDown);
}

BannerMenus::~BannerMenus() {
    DeleteObject(BannerFont);
}

void BannerMenus::Take(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const std::wstring whole = text;
        const size_t tab = whole.find(L'\t');
        Item item{whole.substr(0, tab), tab == std::wstring::npos ? L"" : whole.substr(tab + 1),
                  (info.fType & MFT_SEPARATOR) != 0, menu};
        MenuHeights[menu] += HeightOf(item);
        Items.push_back(std::move(item));
        MENUITEMINFOW drawn{};
        drawn.cbSize = sizeof(drawn);
        drawn.fMask = MIIM_FTYPE | MIIM_DATA;
        drawn.fType = (info.fType & MFT_SEPARATOR) | MFT_OWNERDRAW;
        drawn.dwItemData = Items.size();
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &drawn);
        if (info.hSubMenu != nullptr)
            Take(info.hSubMenu);
    }
}

int BannerMenus::HeightOf(const Item& item) const {
    return Scale.Length(item.Separator ? SeparatorHeight : ItemHeight);
}

bool BannerMenus::Measure(MEASUREITEMSTRUCT& measured) const {
    if (measured.CtlType != ODT_MENU || measured.itemData == 0 || measured.itemData > Items.size())
        return false;
    const Item& item = Items[measured.itemData - 1];
    measured.itemHeight = static_cast<UINT>(HeightOf(item));
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, DesignedFont(WindowDpi(nullptr)));
    SIZE caption{};
    SIZE keys{};
    GetTextExtentPoint32W(dc, item.Caption.c_str(), static_cast<int>(item.Caption.size()),
                          &caption);
    GetTextExtentPoint32W(dc, item.Keys.c_str(), static_cast<int>(item.Keys.size()), &keys);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    measured.itemWidth = static_cast<UINT>(
        Scale.Length(MenuBannerWidth + ImageRoom + KeysGap + ArrowRoom) + caption.cx + keys.cx);
    return true;
}

bool BannerMenus::Draw(const DRAWITEMSTRUCT& drawn) const {
    if (drawn.CtlType != ODT_MENU || drawn.itemData == 0 || drawn.itemData > Items.size())
        return false;
    const Item& item = Items[drawn.itemData - 1];
    const HDC dc = drawn.hDC;
    const RECT& box = drawn.rcItem;
    const int saved = SaveDC(dc);

    // The band: a shade from foot to head, and the name from the foot of the whole menu up,
    // each item drawing its own slice of both.
    const int menuHeight = MenuHeights.at(item.Menu);
    const int bandWidth = Scale.Length(MenuBannerWidth);
    const COLORREF foot = static_cast<COLORREF>(MenuBannerFoot);
    const COLORREF head = static_cast<COLORREF>(MenuBannerHead);
    for (int y = box.top; y < box.bottom; ++y) {
        const RECT line{box.left, y, box.left + bandWidth, y + 1};
        const HBRUSH shade = CreateSolidBrush(Blend(foot, head, menuHeight - y, menuHeight));
        FillRect(dc, &line, shade);
        DeleteObject(shade);
    }
    IntersectClipRect(dc, box.left, box.top, box.left + bandWidth, box.bottom);
    SelectObject(dc, BannerFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    const int textLeft =
        box.left + (bandWidth - Scale.Length(MenuBannerTextPixels)) / 2 - Scale.Length(1);
    TextOutW(dc, textLeft, menuHeight - Scale.Length(2), Banner.c_str(),
             static_cast<int>(Banner.size()));
    RestoreDC(dc, saved);

    RECT rest{box.left + bandWidth, box.top, box.right, box.bottom};
    const bool selected = (drawn.itemState & ODS_SELECTED) != 0 && !item.Separator;
    const bool disabled = (drawn.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    FillRect(dc, &rest, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.Separator) {
        RECT line{rest.left + Scale.Length(2), (rest.top + rest.bottom) / 2 - 1,
                  rest.right - Scale.Length(2), 0};
        line.bottom = line.top + 2;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return true;
    }
    // The 16-pixel image, as crisp as the board: replicated at the board's whole multiple.
    const int multiple = Scale.BoardZoom();
    const int imageLeft = rest.left + (Scale.Length(ImageRoom) - 16 * multiple) / 2;
    const int imageTop = box.top + (Scale.Length(ItemHeight) - 16 * multiple) / 2;
    if (!Image || !Image(dc, drawn.itemID, imageLeft, imageTop, disabled, multiple)) {
        if ((drawn.itemState & ODS_CHECKED) != 0) {
            RECT mark{imageLeft + 5 * multiple, imageTop + 5 * multiple,
                      imageLeft + 11 * multiple, imageTop + 11 * multiple};
            const HBRUSH ink = GetSysColorBrush(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
            const HGDIOBJ oldBrush = SelectObject(dc, ink);
            const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, mark.left, mark.top, mark.right + 1, mark.bottom + 1);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
        }
    }
    const HGDIOBJ oldFont = SelectObject(dc, DesignedFont(WindowDpi(nullptr)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled   ? COLOR_GRAYTEXT
                                 : selected ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_MENUTEXT));
    RECT text{rest.left + Scale.Length(ImageRoom), box.top, rest.right - Scale.Length(ArrowRoom),
              box.bottom};
    const UINT hidePrefix = (drawn.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, item.Caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | hidePrefix);
    DrawTextW(dc, item.Keys.c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    return true;
}

LRESULT BannerMenus::MenuChar(wchar_t key, HMENU menu) const {
    int position = 0;
    for (const Item& item : Items) {
        if (item.Menu != menu)
            continue;
        const size_t mark = item.Caption.find(L'&');
        if (mark != std::wstring::npos && mark + 1 < item.Caption.size() &&
            std::towupper(item.Caption[mark + 1]) == std::towupper(key))
            return MAKELRESULT(position, MNC_EXECUTE);
        ++position;
    }
    return 0;
}
