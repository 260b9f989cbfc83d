#include "WindowTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Dialogs.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/ScrollBox.h"
#include "framework/windows/Shell.h"
#include "framework/windows/StdCtrls.h"
#include "framework/windows/Timer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

SIZE HostTextExtent(const TFont& Font, const std::wstring& Text) {
    TScreenDC DC;
    TSelectedObject Selected(DC.Get(), Font.Handle());
    SIZE Size{};
    GetTextExtentPoint32W(DC.Get(), Text.c_str(), static_cast<int>(Text.size()), &Size);
    return Size;
}

void FillBitmap(TBitmap& Bitmap, const RECT& Rect, TColor Color) {
    Bitmap.Canvas()->Brush()->SetColor(Color);
    Bitmap.Canvas()->FillRect(Rect);
}

TEST(Labels, AutoSizeTakesTheTextsExtentWithoutTheAccelMark) {
    TLabel Label(nullptr);
    Label.SetCaption("Sa&ve picture");
    const SIZE Extent = HostTextExtent(*Label.Font(), L"Save picture");
    EXPECT_EQ(Label.Width(), Extent.cx);
    EXPECT_EQ(Label.Height(), Extent.cy);

    Label.SetShowAccelChar(false);
    EXPECT_EQ(Label.Width(), HostTextExtent(*Label.Font(), L"Sa&ve picture").cx);

    Label.SetAutoSize(false);
    Label.SetCaption("A much longer caption than before");
    EXPECT_EQ(Label.Width(), HostTextExtent(*Label.Font(), L"Sa&ve picture").cx);
}

TEST(Labels, WordWrapKeepsTheWidthAndAddsLines) {
    TLabel Label(nullptr);
    Label.SetCaption("one two three four five six seven eight nine ten");
    const int LineHeight = Label.Height();
    Label.SetAutoSize(false);
    Label.SetWidth(60);
    Label.SetWordWrap(true);
    Label.SetAutoSize(true);
    EXPECT_EQ(Label.Width(), 60);
    EXPECT_GE(Label.Height(), 3 * LineHeight);
}

TEST(Labels, OnlyAnOpaqueLabelFillsItsBackground) {
    TForm Form(nullptr);
    TLabel Opaque(nullptr), Clear(nullptr);
    for (TLabel* Label : {&Opaque, &Clear}) {
        Label->SetAutoSize(false);
        Label->SetCaption("i");
        Label->SetColor(clYellow);
        Label->SetParent(&Form);
    }
    Opaque.SetBounds(0, 0, 100, 20);
    Clear.SetBounds(0, 30, 100, 20);
    Clear.SetTransparent(true);
    TPixelSurface Surface(120, 60);
    Form.PaintControls(Surface.DC(), nullptr);
    EXPECT_EQ(Surface.Pixel(90, 10), RgbOf(clYellow));
    EXPECT_EQ(Surface.Pixel(90, 40), 0xFFFFFFu);
}

TEST(Shapes, NotXorOutlineInvertsWhatLiesUnderItAndAClearBrushKeepsTheInside) {
    TForm Form(nullptr);
    TShape Shape(nullptr);
    Shape.SetBounds(10, 10, 40, 20);
    Shape.Pen()->SetMode(TPenMode::pmNotXor);
    Shape.Pen()->SetColor(clBlack);
    Shape.Brush()->SetStyle(TBrushStyle::bsClear);
    Shape.SetParent(&Form);

    TPixelSurface Surface(60, 40);
    PatBlt(Surface.DC(), 0, 0, 30, 40, BLACKNESS); // left half black, right half white
    Form.PaintControls(Surface.DC(), nullptr);

    EXPECT_EQ(Surface.Pixel(10, 15), 0xFFFFFFu); // outline over black
    EXPECT_EQ(Surface.Pixel(49, 15), 0x000000u); // outline over white
    EXPECT_EQ(Surface.Pixel(40, 10), 0x000000u);
    EXPECT_EQ(Surface.Pixel(20, 29), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(20, 15), 0x000000u); // inside unchanged
    EXPECT_EQ(Surface.Pixel(40, 15), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(50, 15), 0xFFFFFFu); // nothing outside the bounds

    // Drawn twice, the outline is gone again.
    Form.PaintControls(Surface.DC(), nullptr);
    EXPECT_EQ(Surface.Pixel(10, 15), 0x000000u);
    EXPECT_EQ(Surface.Pixel(49, 15), 0xFFFFFFu);
}

TEST(Panels, BevelsAreDrawnOutsideInWithTheFaceInside) {
    TForm Form(nullptr);
    Form.SetBorderStyle(TFormBorderStyle::bsNone);
    TPanel Panel(nullptr);
    Panel.SetBounds(0, 0, 30, 20);
    Panel.SetBevelOuter(TBevelCut::bvRaised);
    Panel.SetBevelInner(TBevelCut::bvLowered);
    Panel.SetColor(clSilver);
    Panel.SetParent(&Form);
    TPixelSurface Surface(40, 30);
    Panel.PaintTo(Surface.DC(), 0, 0);
    EXPECT_EQ(Surface.Pixel(0, 0), RgbOf(clBtnHighlight));
    EXPECT_EQ(Surface.Pixel(29, 19), RgbOf(clBtnShadow));
    EXPECT_EQ(Surface.Pixel(1, 1), RgbOf(clBtnShadow));
    EXPECT_EQ(Surface.Pixel(28, 18), RgbOf(clBtnHighlight));
    EXPECT_EQ(Surface.Pixel(15, 10), RgbOf(clSilver));
    EXPECT_EQ(Surface.Pixel(30, 10), 0xFFFFFFu);
}

TEST(Images, StretchAndCenterPlaceThePicture) {
    TImage Image(nullptr);
    Image.SetBounds(0, 0, 100, 80);
    TBitmap Bitmap;
    Bitmap.SetSize(40, 20);
    Image.Picture()->Assign(&Bitmap);
    EXPECT_EQ(Image.DestRect().right, 40);
    Image.SetCenter(true);
    const RECT Centred = Image.DestRect();
    EXPECT_EQ(Centred.left, 30);
    EXPECT_EQ(Centred.top, 30);
    Image.SetStretch(true);
    EXPECT_EQ(Image.DestRect().right, 100);
    EXPECT_EQ(Image.DestRect().bottom, 80);
    EXPECT_EQ(Image.Width(), 100); // no AutoSize: the control keeps its size
}

TEST(ScrollBoxes, AnAutoSizedImageOfAHugePictureIsScrolledOver) {
    TForm Form(nullptr);
    Form.SetBounds(0, 0, 400, 300);
    TScrollBox Box(nullptr);
    Box.SetParent(&Form);
    Box.SetAlign(TAlign::alClient);
    TImage Image(nullptr);
    Image.SetBounds(8, 8, 105, 105);
    Image.SetAutoSize(true);
    Image.SetParent(&Box);
    Form.HandleNeeded();

    TBitmap Picture;
    Picture.SetSize(3000, 2000);
    FillBitmap(Picture, RECT{0, 0, 3000, 2000}, clRed);
    FillBitmap(Picture, RECT{2990, 1990, 3000, 2000}, clBlue);
    Image.Picture()->Assign(&Picture);

    EXPECT_EQ(Image.Width(), 3000);
    EXPECT_EQ(Image.Height(), 2000);
    EXPECT_TRUE(Box.HorzScrollBar()->IsScrollBarVisible());
    EXPECT_TRUE(Box.VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Box.HorzScrollBar()->Range(), 3008);
    EXPECT_EQ(Box.VertScrollBar()->Range(), 2008);

    SendMessageW(Box.Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
    const RECT Client = Box.ClientRect();
    EXPECT_EQ(Box.HorzScrollBar()->Position(), Client.right);
    EXPECT_EQ(Image.Left(), 8 - Client.right);

    SendMessageW(Box.Handle(), WM_HSCROLL, SB_BOTTOM, 0);
    SendMessageW(Box.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Image.Left() + Image.Width(), Client.right);
    EXPECT_EQ(Image.Top() + Image.Height(), Client.bottom);
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_ALL;
    GetScrollInfo(Box.Handle(), SB_HORZ, &Info);
    EXPECT_EQ(Info.nPos, Box.HorzScrollBar()->Position());
    EXPECT_EQ(Info.nMax, 3007);
    EXPECT_EQ(static_cast<int>(Info.nPage), Client.right);

    TPixelSurface Surface(Client.right, Client.bottom);
    Box.PaintTo(Surface.DC(), 0, 0);
    EXPECT_EQ(Surface.Pixel(Client.right - 1, Client.bottom - 1), RgbOf(clBlue));
    EXPECT_EQ(Surface.Pixel(Client.right - 11, Client.bottom - 11), RgbOf(clRed));

    // Flat bars scroll the same way.
    Box.HorzScrollBar()->SetStyle(TScrollBarStyle::ssFlat);
    Box.VertScrollBar()->SetStyle(TScrollBarStyle::ssFlat);
    SendMessageW(Box.Handle(), WM_HSCROLL, SB_TOP, 0);
    EXPECT_EQ(Image.Left(), 8);
    EXPECT_EQ(Box.HorzScrollBar()->Position(), 0);
    EXPECT_TRUE(Box.HorzScrollBar()->IsScrollBarVisible());

    // A small picture needs no scrolling: the bars go and the content returns.
    TBitmap Small;
    Small.SetSize(50, 50);
    Image.Picture()->Assign(&Small);
    EXPECT_FALSE(Box.HorzScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(Box.VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Box.HorzScrollBar()->Position(), 0);
    EXPECT_EQ(Image.Left(), 8);
    EXPECT_EQ(Image.Top(), 8);
}

TEST(Timers, TheHandlerRunsFromTheLoopWhileEnabled) {
    TRecordedMessageBoxes Recorded;
    struct TCounter {
        int Ticks = 0;
        bool Fail = false;
        void Tick(TObject*) {
            ++Ticks;
            if (Fail)
                throw Exception("Tick failed");
        }
    } Counter;
    TTimer Timer(nullptr);
    EXPECT_FALSE(Timer.Running()); // no handler yet
    Timer.SetInterval(1);
    Timer.SetOnTimer(MakeEvent(&Counter, &TCounter::Tick));
    EXPECT_TRUE(Timer.Running());
    EXPECT_TRUE(PumpUntil([&] { return Counter.Ticks >= 2; }));

    Counter.Fail = true;
    EXPECT_TRUE(PumpUntil([&] { return !Recorded.Boxes.empty(); }));
    EXPECT_EQ(Recorded.Boxes[0].Text, "Tick failed.");

    Timer.SetEnabled(false);
    EXPECT_FALSE(Timer.Running());
    const int Stopped = Counter.Ticks;
    PumpUntil([] { return false; }, 5);
    EXPECT_EQ(Counter.Ticks, Stopped);
}

TEST(Timers, SeveralRunAtOnceAndAHandlerMayFreeItsOwnTimer) {
    TComponent Owner(nullptr);
    struct TTicks {
        TTimer* SelfFreeing = nullptr;
        int Steady = 0;
        int Freeing = 0;
        void SteadyTick(TObject*) { ++Steady; }
        void FreeingTick(TObject* Sender) {
            ++Freeing;
            delete Sender;
            SelfFreeing = nullptr;
        }
    } Ticks;
    auto* Steady = new TTimer(&Owner);
    Steady->SetInterval(1);
    Steady->SetOnTimer(MakeEvent(&Ticks, &TTicks::SteadyTick));
    Ticks.SelfFreeing = new TTimer(&Owner);
    Ticks.SelfFreeing->SetInterval(1);
    Ticks.SelfFreeing->SetOnTimer(MakeEvent(&Ticks, &TTicks::FreeingTick));
    EXPECT_TRUE(PumpUntil([&] { return Ticks.Freeing == 1 && Ticks.Steady >= 3; }));
    EXPECT_EQ(Ticks.Freeing, 1);
    EXPECT_EQ(Owner.ComponentCount(), 1);
    EXPECT_TRUE(Steady->Running());
}

class SaveDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        Previous = TSavePictureDialog::SetSaveDialogFunc([this](OPENFILENAMEW& Record) {
            ++Calls;
            Flags = Record.Flags;
            // Pairs end with an empty string: up to and including the double NUL.
            const wchar_t* End = Record.lpstrFilter;
            while (End[0] || End[1])
                ++End;
            Filter.assign(Record.lpstrFilter, End + 2);
            DefaultExt = Record.lpstrDefExt ? Record.lpstrDefExt : L"";
            FilterIndex = Record.nFilterIndex;
            if (Answer.empty())
                return false;
            Answer.copy(Record.lpstrFile, Answer.size());
            Record.lpstrFile[Answer.size()] = L'\0';
            Record.nFilterIndex = 2;
            return true;
        });
        Dialog.SetFilter("JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp");
        Dialog.SetDefaultExt("*.jpg");
    }
    void TearDown() override { TSavePictureDialog::SetSaveDialogFunc(Previous); }

    TSavePictureDialog Dialog{nullptr};
    TSaveDialogFunc Previous;
    int Calls = 0;
    DWORD Flags = 0;
    std::wstring Filter;
    std::wstring DefaultExt;
    DWORD FilterIndex = 0;
    std::wstring Answer;
};

TEST_F(SaveDialogs, TheHostDialogGetsTheDefaultOptionsFilterAndExtension) {
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(Calls, 1);
    EXPECT_TRUE(Flags & OFN_HIDEREADONLY);
    EXPECT_TRUE(Flags & OFN_ENABLESIZING);
    EXPECT_TRUE(Flags & OFN_EXPLORER);
    EXPECT_FALSE(Flags & OFN_OVERWRITEPROMPT);
    const wchar_t Expected[] = L"JPEG Image File (*.jpg)\0*.jpg\0Bitmaps (*.bmp)\0*.bmp\0";
    EXPECT_EQ(Filter, std::wstring(Expected, std::size(Expected)));
    EXPECT_EQ(DefaultExt, L"jpg");
    EXPECT_EQ(FilterIndex, 1u);
    EXPECT_EQ(Dialog.FileName(), "");
}

TEST_F(SaveDialogs, AChosenNameIsKeptWithItsFilter) {
    Answer = L"C:\\\u56fe\u7247\\shot.bmp";
    EXPECT_TRUE(Dialog.Execute());
    EXPECT_EQ(Dialog.FileName(), "C:\\图片\\shot.bmp");
    EXPECT_EQ(Dialog.FilterIndex(), 2);
    EXPECT_EQ(HostDefaultExt(".bmp"), "bmp");
    EXPECT_EQ(HostDefaultExt("*."), "");
}

TEST(ShellLinks, RequestsReachTheReplaceableHostCall) {
    std::vector<TShellRequest> Seen;
    TShellExecuteFunc Previous = SetShellExecuteFunc([&](const TShellRequest& Request) {
        Seen.push_back(Request);
        return intptr_t{2}; // the host's "file not found"
    });
    TShellRequest Request;
    Request.File = "mailto:support@example.com?subject=我在使用Snapvale,谢谢！";
    EXPECT_EQ(ShellExecuteRequest(Request), 2);
    SetShellExecuteFunc(Previous);
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].File, Request.File);
    EXPECT_EQ(Seen[0].ShowCmd, SW_SHOWNORMAL);
    EXPECT_TRUE(Seen[0].Operation.empty());
}

} // namespace
