// The GUI test harness itself: a real window can be created and drawn into.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

TEST(GuiHarness, MemoryContextDrawsRealPixels)
{
    wxBitmap bitmap(20, 20, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetPen(*wxRED_PEN);
        dc.DrawPoint(5, 7);
    }
    wxImage image = bitmap.ConvertToImage();
    EXPECT_EQ(image.GetRed(5, 7), 255);
    EXPECT_EQ(image.GetRed(6, 7), 0);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "harness");
    frame->Show();
    EXPECT_TRUE(frame->IsShown());
    frame->Destroy();
}
