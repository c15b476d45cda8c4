// The text cursor and the markup renderer drawing into a real memory device
// context: where runs land, how the cursor moves, and which colours light up.
#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include "display/glyphs/colours.h"
#include "display/glyphs/text_cursor.h"

namespace {

// Bounding box of the pixels that differ from black.
struct LitBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

LitBox FindLit(const wxImage& image, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
{
    if (x1 < 0)
        x1 = image.GetWidth();
    if (y1 < 0)
        y1 = image.GetHeight();
    LitBox box;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (image.GetRed(x, y) || image.GetGreen(x, y) || image.GetBlue(x, y)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
                ++box.count;
            }
    return box;
}

bool HasColour(const wxImage& image, const wxColour& c, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1)
{
    if (x1 < 0)
        x1 = image.GetWidth();
    if (y1 < 0)
        y1 = image.GetHeight();
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (image.GetRed(x, y) == c.Red() && image.GetGreen(x, y) == c.Green() && image.GetBlue(x, y) == c.Blue())
                return true;
    return false;
}

// A black canvas with a cursor whose area spans it with a margin of 10.
class MarkupCanvas : public testing::Test {
protected:
    void SetUp() override
    {
        bitmap.Create(400, 200, 24);
        dc.SelectObject(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        cursor.SetArea(10, 10, 400, 200);
    }
    wxImage Finish()
    {
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage();
    }
    wxBitmap bitmap;
    wxMemoryDC dc;
    TextCursor cursor;
};

TEST_F(MarkupCanvas, TrailingNewlinesBreakTheLineAfterDrawing)
{
    dc.SetFont(wxFont(10, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    wxCoord w = 0, h = 0;
    dc.GetTextExtent("Sun", &w, &h);
    cursor.WriteText(dc, "Sun\n\n", *wxWHITE, 10, false, kAlignLeft, wxFONTFAMILY_MODERN);
    EXPECT_EQ(cursor.x, 10);
    EXPECT_EQ(cursor.y, 10 + 2 * h);
    cursor.WriteText(dc, "", *wxWHITE, 10, false, kAlignLeft, wxFONTFAMILY_MODERN);
    EXPECT_EQ(cursor.x, 10);
    EXPECT_EQ(cursor.y, 10 + 2 * h);
    cursor.WriteText(dc, "Moon", *wxWHITE, 10, false, kAlignLeft, wxFONTFAMILY_MODERN);
    EXPECT_GT(cursor.x, 10);
    const wxImage image = Finish();
    const LitBox first = FindLit(image, 0, 0, 400, 10 + h);
    ASSERT_FALSE(first.Empty());
    EXPECT_GE(first.left, 10);
    EXPECT_LE(first.right, 10 + w);
    EXPECT_FALSE(FindLit(image, 0, 10 + h, 400, 10 + 2 * h).count > 0) << "the newlines draw nothing";
}

TEST_F(MarkupCanvas, RightAlignedTextMirrorsTheLeftMargin)
{
    cursor.WriteText(dc, "Placidus", *wxWHITE, 12, true, kAlignRight, wxFONTFAMILY_SWISS);
    EXPECT_EQ(cursor.x, 400 - 10);
    const int measured = cursor.MeasureText(dc, "Placidus\n", 12, true, wxFONTFAMILY_SWISS);
    const LitBox box = FindLit(Finish());
    ASSERT_FALSE(box.Empty());
    EXPECT_LE(box.right, 400 - 10);
    EXPECT_GE(box.left, 400 - 10 - measured);
}

TEST_F(MarkupCanvas, CentredTextSitsInTheMiddle)
{
    cursor.WriteText(dc, "Natal Chart", *wxWHITE, 10, false, kAlignCentre, wxFONTFAMILY_SWISS);
    const LitBox box = FindLit(Finish());
    ASSERT_FALSE(box.Empty());
    EXPECT_NEAR((box.left + box.right) / 2.0, 200.0, 4.0);
}

TEST_F(MarkupCanvas, SignGlyphThenTextAdvancesByTheGlyphHeight)
{
    cursor.DrawMarkupText(dc, *wxWHITE, 1, kAlignLeft, true, "/s2//g500//s1/ abc", -1, -1);
    EXPECT_EQ(cursor.y, 10 + 25);
    EXPECT_EQ(cursor.x, 10);
    const wxImage image = Finish();
    // The Aries glyph fills the first 20-pixel cell in the fire colour; the
    // text follows in the caller's white.
    EXPECT_TRUE(HasColour(image, GetColourClassColour(250, 255), 10, 10, 30, 40));
    EXPECT_FALSE(HasColour(image, *wxWHITE, 10, 10, 30, 40));
    EXPECT_TRUE(HasColour(image, *wxWHITE, 30, 10, 120, 40));
}

TEST_F(MarkupCanvas, BlankGlyphTakesACellAndDrawsNothing)
{
    cursor.DrawMarkupText(dc, *wxWHITE, 1, kAlignLeft, false, "/g-//g-//s3//g-/", -1, -1);
    EXPECT_EQ(cursor.x, 10 + 10 + 10 + 30);
    EXPECT_TRUE(FindLit(Finish()).Empty());
}

TEST_F(MarkupCanvas, LiteralSlashAndAspectGlyphColours)
{
    cursor.DrawMarkupText(dc, *wxWHITE, 1, kAlignLeft, false, "a/`/b", -1, -1);
    cursor.DrawMarkupText(dc, *wxWHITE, 2, kAlignContinue, false, "/g1002/", -1, -1);
    const wxImage image = Finish();
    EXPECT_TRUE(HasColour(image, *wxWHITE));
    EXPECT_TRUE(HasColour(image, GetAspectColour(1002, 255)));
}

TEST_F(MarkupCanvas, NestedRightAlignedOrbEndsAtTheRightMargin)
{
    // Glyphs centred as a measured line, then the orb pushed to the right
    // margin; the degree sign is a wide character and must not upset formatting.
    const wxString line = wxString::Format(L"/s2//g%d//g%d//g%d//r//s1/Orb: %4.2f\u00B0", 10000, 1003, 10001, 1.25);
    cursor.DrawMarkupText(dc, *wxWHITE, 1, kAlignLeft, true, line, -1, -1);
    EXPECT_EQ(cursor.y, 10 + 25);
    const wxImage image = Finish();
    const LitBox orb = FindLit(image, 200, 0, 400, 200);
    ASSERT_FALSE(orb.Empty());
    EXPECT_LE(orb.right, 400 - 10);
    EXPECT_GE(orb.right, 400 - 10 - 12);
    // The glyph cells start at the left margin.
    EXPECT_TRUE(HasColour(image, GetAspectColour(1003, 255), 30, 10, 50, 40));
}

TEST_F(MarkupCanvas, PositionIsWrittenInTheSignColour)
{
    cursor.WritePosition(dc, 10000, 15.5, 1.0, 2, 1, kAlignLeft, true);
    EXPECT_EQ(cursor.y, 10 + 25);
    const wxImage image = Finish();
    const wxColour fire = GetColourClassColour(250, 255);
    const LitBox box = FindLit(image);
    ASSERT_FALSE(box.Empty());
    // Every lit pixel of the line is the fire colour (text and glyph alike).
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) {
            if (image.GetRed(x, y) || image.GetGreen(x, y) || image.GetBlue(x, y)) {
                ASSERT_TRUE(image.GetRed(x, y) > 0 && image.GetBlue(x, y) == 0) << x << "," << y;
            }
        }
    EXPECT_TRUE(HasColour(image, fire));
}

} // namespace
