#include "win32/panel_images.h"

#include <initializer_list>

namespace quorvane::win32 {
namespace {

// Pixels of this colour are transparent in the image list.
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// GDI objects selected for the lifetime of one drawing call.
class Pen {
public:
    Pen(HDC dc, COLORREF colour, int width = 1)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), previous_(SelectObject(dc, pen_)) {}
    ~Pen() {
        SelectObject(dc_, previous_);
        DeleteObject(pen_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};

class Brush {
public:
    Brush(HDC dc, COLORREF colour)
        : dc_(dc), brush_(CreateSolidBrush(colour)), previous_(SelectObject(dc, brush_)) {}
    ~Brush() {
        SelectObject(dc_, previous_);
        DeleteObject(brush_);
    }
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HGDIOBJ previous_;
};

void fill(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    const RECT r{x, y, x + width, y + height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A filled rectangle with an outline; right and bottom are inclusive.
void box(HDC dc, int left, int top, int right, int bottom, COLORREF face, COLORREF edge) {
    Pen pen(dc, edge);
    Brush brush(dc, face);
    Rectangle(dc, left, top, right + 1, bottom + 1);
}

void line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    Pen pen(dc, colour);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void disc(HDC dc, int x, int y, int diameter, COLORREF face, COLORREF edge) {
    Pen pen(dc, edge);
    Brush brush(dc, face);
    Ellipse(dc, x, y, x + diameter, y + diameter);
}

void polygon(HDC dc, std::initializer_list<POINT> points, COLORREF face, COLORREF edge) {
    Pen pen(dc, edge);
    Brush brush(dc, face);
    Polygon(dc, points.begin(), static_cast<int>(points.size()));
}

// A sheet of paper with a folded corner; the command glyph builds on it.
void page(HDC dc, int x, COLORREF face) {
    polygon(dc, {{x + 2, 0}, {x + 10, 0}, {x + 13, 3}, {x + 13, 14}, {x + 2, 14}}, face, RGB(96, 96, 96));
    line(dc, x + 10, 0, x + 10, 3, RGB(96, 96, 96));
    line(dc, x + 10, 3, x + 14, 3, RGB(96, 96, 96));
}

void folder(HDC dc, int x, bool open) {
    const COLORREF edge = RGB(176, 128, 24);
    box(dc, x + 1, 2, x + 6, 4, RGB(240, 200, 80), edge);
    box(dc, x + 1, 4, x + 14, 13, RGB(248, 214, 104), edge);
    if (open) {
        polygon(dc, {{x + 3, 7}, {x + 15, 7}, {x + 13, 13}, {x + 1, 13}}, RGB(255, 232, 150), edge);
    } else {
        line(dc, x + 2, 5, x + 14, 5, RGB(255, 240, 180));
    }
}

void drawImage(HDC dc, int index) {
    const int x = index * kTreeImageWidth;
    switch (index) {
        case 0:
            box(dc, x + 5, 5, x + 10, 10, RGB(200, 200, 200), RGB(112, 112, 112));
            break;
        case 1:  // a closed book
            box(dc, x + 3, 1, x + 12, 13, RGB(70, 110, 190), RGB(30, 60, 120));
            line(dc, x + 5, 1, x + 5, 14, RGB(30, 60, 120));
            line(dc, x + 7, 4, x + 11, 4, RGB(220, 230, 250));
            break;
        case 2:
            folder(dc, x, false);
            break;
        case 3:
            folder(dc, x, true);
            break;
        case 4:  // a star
            polygon(dc,
                    {{x + 7, 0},
                     {x + 9, 5},
                     {x + 14, 5},
                     {x + 10, 8},
                     {x + 12, 14},
                     {x + 7, 10},
                     {x + 2, 14},
                     {x + 4, 8},
                     {x + 0, 5},
                     {x + 5, 5}},
                    RGB(250, 210, 60), RGB(170, 120, 20));
            break;
        case 5:
            disc(dc, x + 3, 3, 10, RGB(90, 180, 90), RGB(40, 110, 40));
            break;
        case 6:
            disc(dc, x + 3, 3, 10, RGB(240, 150, 60), RGB(170, 90, 20));
            break;
        case 7:
            disc(dc, x + 3, 3, 10, RGB(90, 140, 220), RGB(40, 80, 160));
            break;
        case 8:  // a diamond
            polygon(dc, {{x + 7, 1}, {x + 13, 7}, {x + 7, 13}, {x + 1, 7}}, RGB(170, 120, 210),
                    RGB(100, 60, 140));
            break;
        case 9:  // braces: a snippet
            page(dc, x, RGB(255, 255, 255));
            line(dc, x + 6, 5, x + 5, 8, RGB(40, 90, 170));
            line(dc, x + 5, 8, x + 6, 12, RGB(40, 90, 170));
            line(dc, x + 9, 5, x + 10, 8, RGB(40, 90, 170));
            line(dc, x + 10, 8, x + 9, 12, RGB(40, 90, 170));
            break;
        case 10:  // a key
            disc(dc, x + 1, 4, 7, RGB(230, 200, 90), RGB(140, 110, 30));
            fill(dc, x + 7, 7, 8, 2, RGB(140, 110, 30));
            fill(dc, x + 12, 9, 2, 3, RGB(140, 110, 30));
            break;
        case 11:  // a note
            page(dc, x, RGB(255, 250, 205));
            for (const int y : {5, 8, 11}) line(dc, x + 4, y, x + 12, y, RGB(170, 160, 110));
            break;
        case 12:  // a command: a page with lines of code
            page(dc, x, RGB(255, 255, 255));
            line(dc, x + 4, 5, x + 10, 5, RGB(40, 90, 170));
            line(dc, x + 6, 8, x + 12, 8, RGB(40, 90, 170));
            line(dc, x + 6, 11, x + 11, 11, RGB(40, 90, 170));
            break;
        default:
            break;
    }
}

// A memory DC with a screen-compatible bitmap selected.
class Canvas {
public:
    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        DeleteDC(dc_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    // The bitmap, no longer selected; the caller owns it.
    HBITMAP release() {
        SelectObject(dc_, previous_);
        previous_ = nullptr;
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return bitmap;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace

HIMAGELIST createTreeImages() {
    HIMAGELIST list =
        ImageList_Create(kTreeImageWidth, kTreeImageHeight, ILC_COLOR24 | ILC_MASK, kTreeImageCount, 0);
    Canvas canvas(kTreeImageWidth * kTreeImageCount, kTreeImageHeight);
    fill(canvas.dc(), 0, 0, kTreeImageWidth * kTreeImageCount, kTreeImageHeight, kMaskColour);
    for (int i = 0; i < kTreeImageCount; ++i) drawImage(canvas.dc(), i);
    HBITMAP strip = canvas.release();
    ImageList_AddMasked(list, strip, kMaskColour);
    DeleteObject(strip);
    return list;
}

HICON createPanelIcon(int size) {
    const int corner = size / 4;
    const int inset = size / 16;
    // The mask: black where the icon is opaque.
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, mask);
        fill(dc, 0, 0, size, size, RGB(255, 255, 255));
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        RoundRect(dc, inset, inset, size - inset, size - inset, corner, corner);
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    Canvas canvas(size, size);
    HDC dc = canvas.dc();
    // Transparent pixels must be black in the colour bitmap.
    fill(dc, 0, 0, size, size, RGB(0, 0, 0));
    {
        Pen pen(dc, RGB(20, 70, 140));
        Brush brush(dc, RGB(40, 110, 200));
        RoundRect(dc, inset, inset, size - inset, size - inset, corner, corner);
    }
    {
        // A "Q": a ring with a tail.
        const int stroke = size >= 32 ? 3 : 2;
        Pen pen(dc, RGB(255, 255, 255), stroke);
        HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        const int a = size * 7 / 32;
        const int b = size * 23 / 32;
        Ellipse(dc, a, a, b, b);
        SelectObject(dc, previousBrush);
        MoveToEx(dc, size * 17 / 32, size * 17 / 32, nullptr);
        LineTo(dc, size * 25 / 32, size * 25 / 32);
    }
    HBITMAP colour = canvas.release();
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace quorvane::win32
