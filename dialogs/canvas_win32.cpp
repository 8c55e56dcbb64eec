#include "dialogs/canvas_win32.h"

#include "platform/texts.h"
#include "platform/wide_text_win32.h"

#include <vector>

namespace canvas {

namespace {

// The report's font: the pop-style face, or what the system's font matching puts in its
// place where it is not installed. The Japanese character set makes that stand-in a face
// with Japanese glyphs on any system, not only on a Japanese one.
// The English face paints with a plain sans-serif face that every Windows has.
HFONT createReportFont(int height) {
    const bool english = texts::english();
    const widetext::Wide face(english ? "Tahoma" : "HG創英角ﾎﾟｯﾌﾟ体");
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, english ? ANSI_CHARSET : SHIFTJIS_CHARSET,
                       OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, face);
}

// Keeps one font, one pen and one brush selected at a time, making a new one only when the
// next operation asks for a different one, so a list of 480 same-coloured columns costs one
// pen, not 480. Everything made is deleted on the way out, after the context's own objects
// are selected back.
class Objects {
public:
    explicit Objects(HDC dc) : dc_(dc) {}
    ~Objects() {
        if (font_) {
            SelectObject(dc_, savedFont_);
            DeleteObject(font_);
        }
        if (penMade_ || penSelected_) SelectObject(dc_, savedPen_);
        if (penMade_) DeleteObject(pen_);
        if (brushMade_ || brushSelected_) SelectObject(dc_, savedBrush_);
        if (brushMade_) DeleteObject(brush_);
    }
    Objects(const Objects&) = delete;
    Objects& operator=(const Objects&) = delete;

    void useFont(int height) {
        if (font_ && fontHeight_ == height) return;
        HFONT made = createReportFont(height);
        HGDIOBJ previous = SelectObject(dc_, made);
        if (font_) DeleteObject(font_);
        else savedFont_ = previous;
        font_ = made;
        fontHeight_ = height;
    }

    // A solid pen, or the stock null pen when `pen` is null.
    void usePen(const draw::Pen* pen) {
        if (pen && penMade_ && *pen == penKey_) return;
        if (!pen && penSelected_ && !penMade_) return;
        HPEN next = pen ? CreatePen(PS_SOLID, pen->width, pen->colour) : static_cast<HPEN>(GetStockObject(NULL_PEN));
        HGDIOBJ previous = SelectObject(dc_, next);
        if (!penSelected_) savedPen_ = previous;
        if (penMade_) DeleteObject(pen_);
        pen_ = next;
        penSelected_ = true;
        penMade_ = pen != nullptr;
        if (pen) penKey_ = *pen;
    }

    // A solid brush, or the stock null brush when `colour` is null.
    void useBrush(const draw::Colour* colour) {
        if (colour && brushMade_ && *colour == brushKey_) return;
        if (!colour && brushSelected_ && !brushMade_) return;
        HBRUSH next = colour ? CreateSolidBrush(*colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        HGDIOBJ previous = SelectObject(dc_, next);
        if (!brushSelected_) savedBrush_ = previous;
        if (brushMade_) DeleteObject(brush_);
        brush_ = next;
        brushSelected_ = true;
        brushMade_ = colour != nullptr;
        if (colour) brushKey_ = *colour;
    }

private:
    HDC dc_;
    HFONT font_ = nullptr;
    int fontHeight_ = 0;
    HGDIOBJ savedFont_ = nullptr;
    HPEN pen_ = nullptr;
    bool penSelected_ = false, penMade_ = false;
    draw::Pen penKey_;
    HGDIOBJ savedPen_ = nullptr;
    HBRUSH brush_ = nullptr;
    bool brushSelected_ = false, brushMade_ = false;
    draw::Colour brushKey_ = 0;
    HGDIOBJ savedBrush_ = nullptr;
};

}  // namespace

void drawList(HDC dc, const draw::DisplayList& unscaled, int dpi) {
    const draw::DisplayList list = draw::scaled(unscaled, dpi);
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF savedColour = GetTextColor(dc);
    {
        Objects objects(dc);
        std::vector<POINT> path;
        for (const draw::DrawOp& op : list) {
            if (op.points.empty()) continue;
            const draw::Point& p = op.points[0];
            switch (op.kind) {
            case draw::Kind::Text:
                objects.useFont(op.fontHeight);
                SetTextColor(dc, op.colour);
                {
                    const widetext::Wide text(op.text.data(), static_cast<int>(op.text.size()));
                    TextOutW(dc, p.x, p.y, text, lstrlenW(text));
                }
                break;
            case draw::Kind::Line:
                if (op.points.size() < 2) break;
                objects.usePen(op.hasPen ? &op.pen : nullptr);
                MoveToEx(dc, p.x, p.y, nullptr);
                LineTo(dc, op.points[1].x, op.points[1].y);
                break;
            case draw::Kind::Polyline:
                objects.usePen(op.hasPen ? &op.pen : nullptr);
                path.clear();
                for (const draw::Point& q : op.points) path.push_back(POINT{q.x, q.y});
                Polyline(dc, path.data(), static_cast<int>(path.size()));
                break;
            case draw::Kind::Rectangle:
                if (op.points.size() < 2) break;
                objects.usePen(op.hasPen ? &op.pen : nullptr);
                objects.useBrush(op.hasBrush ? &op.brush : nullptr);
                Rectangle(dc, p.x, p.y, op.points[1].x, op.points[1].y);
                break;
            }
        }
    }
    SetTextColor(dc, savedColour);
    SetBkMode(dc, savedMode);
}

}  // namespace canvas
