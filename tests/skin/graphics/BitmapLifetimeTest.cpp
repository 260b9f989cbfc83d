// The surface's life: sizing, failures of each allocation step, notifications, leaks.
#include "SurfaceTestSupport.h"

#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TNotificationLog : public TObject {
public:
    explicit TNotificationLog(TKsBitmap& Surface) : FSurface(Surface) {
        Surface.OnChange = MakeEvent(this, &TNotificationLog::Changed);
        Surface.OnBeforeFree = MakeEvent(this, &TNotificationLog::BeforeFree);
    }
    ~TNotificationLog() override {
        if (!FDetached) {
            FSurface.OnChange = TNotifyEvent();
            FSurface.OnBeforeFree = TNotifyEvent();
        }
    }
    // For a log that outlives its surface.
    void Detach() { FDetached = true; }
    void Changed(TObject* Sender) {
        EXPECT_EQ(Sender, &FSurface);
        Entries.push_back("change " + std::to_string(FSurface.Width()) + "x" +
                          std::to_string(FSurface.Height()));
    }
    void BeforeFree(TObject* Sender) {
        EXPECT_EQ(Sender, &FSurface);
        // The section and its device context still exist while owners detach from them.
        const bool Alive = FSurface.DC() != nullptr && GetObjectType(FSurface.DC()) == OBJ_MEMDC &&
                           GetObjectType(FSurface.Handle()) == OBJ_BITMAP;
        Entries.push_back(FSurface.Empty() ? "free empty" : (Alive ? "free alive" : "free dead"));
    }

    std::vector<std::string> Entries;

private:
    TKsBitmap& FSurface;
    bool FDetached = false;
};

using TLog = std::vector<std::string>;

// The section and device context of a surface are gone from the host once freed;
// GetGuiResources counts them too where the host keeps that count (Wine answers 0).
void ExpectReleased(HBITMAP Section, HDC DC) {
    EXPECT_EQ(GetObjectType(Section), 0u);
    EXPECT_EQ(GetObjectType(DC), 0u);
}

TEST(KsBitmapSize, NegativeSizesAreTakenAsTheirMagnitude) {
    TKsBitmap Surface;
    TNotificationLog Log(Surface);
    Surface.SetSize(-10, 5);
    EXPECT_EQ(Surface.Width(), 10);
    EXPECT_EQ(Surface.Height(), 5);
    EXPECT_FALSE(Surface.Empty());
    EXPECT_EQ(Log.Entries, (TLog{"free empty", "change 10x5"}));
}

TEST(KsBitmapSize, ZeroOrUnchangedSizeDoesNothingAndTellsNoOne) {
    TKsBitmap Surface;
    TNotificationLog Log(Surface);
    Surface.SetSize(0, 5);
    EXPECT_TRUE(Surface.Empty());
    Surface.SetSize(4, 3);
    Log.Entries.clear();
    const HBITMAP Section = Surface.Handle();
    Surface.SetSize(4, 0);
    Surface.SetSize(4, 3);
    Surface.SetSize(-4, -3);
    EXPECT_TRUE(Log.Entries.empty());
    EXPECT_EQ(Surface.Handle(), Section);
    EXPECT_EQ(Surface.Width(), 4);
}

TEST(KsBitmapSize, ResizeFreesTheOldSectionFirstAndDestructionFreesTheLast) {
    const DWORD Before = GdiObjectCount();
    HBITMAP Section = nullptr;
    HDC DC = nullptr;
    {
        TKsBitmap Surface;
        TNotificationLog Log(Surface);
        Surface.SetSize(4, 3);
        const HBITMAP First = Surface.Handle();
        Surface.SetSize(8, 2);
        if (First != Surface.Handle()) {
            EXPECT_EQ(GetObjectType(First), 0u);
        }
        EXPECT_EQ(Log.Entries, (TLog{"free empty", "change 4x3", "free alive", "change 8x2"}));
        Section = Surface.Handle();
        DC = Surface.DC();
        EXPECT_EQ(GetObjectType(Section), DWORD(OBJ_BITMAP));
    }
    ExpectReleased(Section, DC);
    EXPECT_EQ(GdiObjectCount(), Before);
}

TEST(KsBitmapSize, DestructionRaisesBeforeFreeWhileTheSectionLives) {
    auto Surface = std::make_unique<TKsBitmap>();
    Surface->SetSize(2, 2);
    TNotificationLog Log(*Surface);
    Log.Detach();
    Surface.reset();
    EXPECT_EQ(Log.Entries, (TLog{"free alive"}));
}

HBITMAP WINAPI FailingSection(HDC, const BITMAPINFO*, UINT, void** Bits, HANDLE, DWORD) {
    *Bits = nullptr;
    return nullptr;
}
HDC WINAPI FailingDC(HDC) {
    return nullptr;
}
HGDIOBJ WINAPI FailingSelect(HDC, HGDIOBJ) {
    return nullptr;
}

class THostGuard {
public:
    THostGuard() : FSaved(KsSurfaceHost()) {}
    ~THostGuard() { KsSurfaceHost() = FSaved; }

private:
    TKsSurfaceHost FSaved;
};

template <class Failure>
void ExpectFailureLeavesEmptySurface(const char* Message, Failure MakeStepFail) {
    const DWORD Before = GdiObjectCount();
    const THostGuard Guard;
    {
        TKsBitmap Surface;
        Surface.SetSize(6, 6);
        const HBITMAP OldSection = Surface.Handle();
        const HDC OldDC = Surface.DC();
        TNotificationLog Log(Surface);
        MakeStepFail(KsSurfaceHost());
        try {
            Surface.SetSize(7, 7);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& Error) {
            EXPECT_EQ(Error.Message(), Message);
        }
        EXPECT_TRUE(Surface.Empty());
        EXPECT_EQ(Surface.Width(), 0);
        EXPECT_EQ(Surface.Height(), 0);
        EXPECT_EQ(Surface.DC(), nullptr);
        EXPECT_EQ(Surface.Bits(), nullptr);
        EXPECT_EQ(Log.Entries, (TLog{"free alive", "change 0x0"}));
        ExpectReleased(OldSection, OldDC);
        // An empty surface reads black and ignores writes and draws.
        Surface.SetPixels(0, 0, KsWhite);
        EXPECT_EQ(Surface.Pixels(0, 0), KsBlack);
        Surface.FillRect(RECT{0, 0, 5, 5}, KsWhite);
        EXPECT_EQ(Surface.TextHeight("Pq"), 0);
    }
    EXPECT_EQ(GdiObjectCount(), Before);
}

TEST(KsBitmapSize, SectionFailureRaisesItsMessage) {
    ExpectFailureLeavesEmptySurface("Can't allocate the DIB handle", [](TKsSurfaceHost& Host) {
        Host.CreateDIBSection = &FailingSection;
    });
}

// The section made before the failing step must not leak: the failing steps below record
// what was made so that the test can ask the host whether it is gone.
HBITMAP LastSection = nullptr;
HDC LastDC = nullptr;

HBITMAP WINAPI RecordingSection(HDC DC, const BITMAPINFO* Info, UINT Usage, void** Bits,
                                HANDLE Section, DWORD Offset) {
    LastSection = CreateDIBSection(DC, Info, Usage, Bits, Section, Offset);
    return LastSection;
}
HDC WINAPI RecordingDC(HDC DC) {
    LastDC = CreateCompatibleDC(DC);
    return LastDC;
}

TEST(KsBitmapSize, DeviceContextFailureFreesTheSection) {
    ExpectFailureLeavesEmptySurface("Can't create compatible DC", [](TKsSurfaceHost& Host) {
        Host.CreateDIBSection = &RecordingSection;
        Host.CreateCompatibleDC = &FailingDC;
    });
    EXPECT_EQ(GetObjectType(LastSection), 0u);
}

TEST(KsBitmapSize, SelectionFailureFreesSectionAndContext) {
    ExpectFailureLeavesEmptySurface("Can't select an object into DC", [](TKsSurfaceHost& Host) {
        Host.CreateDIBSection = &RecordingSection;
        Host.CreateCompatibleDC = &RecordingDC;
        Host.SelectObject = &FailingSelect;
    });
    ExpectReleased(LastSection, LastDC);
}

TEST(KsBitmapSize, ASectionTooLargeForTheHostFailsCleanly) {
    const DWORD Before = GdiObjectCount();
    {
        TKsBitmap Surface;
        TNotificationLog Log(Surface);
        EXPECT_THROW(Surface.SetSize(40000, 40000), Exception);
        EXPECT_TRUE(Surface.Empty());
        EXPECT_EQ(Log.Entries, (TLog{"free empty", "change 0x0"}));
        // The surface is usable again afterwards.
        Surface.SetSize(3, 2);
        EXPECT_EQ(Surface.Width(), 3);
    }
    EXPECT_EQ(GdiObjectCount(), Before);
}

TEST(KsBitmapPixels, ReadsOutsideAreBlackAndWritesOutsideAreIgnored) {
    auto Surface = MakeSurface(3, 2, 0x11223344u);
    EXPECT_EQ(Surface->Pixels(-1, 0), KsBlack);
    EXPECT_EQ(Surface->Pixels(3, 0), KsBlack);
    EXPECT_EQ(Surface->Pixels(0, 2), KsBlack);
    EXPECT_EQ(Surface->Pixels(2, 1), 0x11223344u);
    Surface->SetPixels(3, 0, 0);
    Surface->SetPixels(-1, 1, 0);
    Surface->SetPixels(0, -1, 0);
    Surface->SetPixels(2, 1, 0xABCDEF01u);
    TTestImage Expected(3, 2, 0x11223344u);
    Expected.At(2, 1) = 0xABCDEF01u;
    EXPECT_EQ(ImageOf(*Surface).Data, Expected.Data);
}

TEST(KsBitmapPixels, RowsAreTopDownWithoutPadding) {
    auto Surface = MakeSurface(3, 2, 0);
    Surface->SetPixels(0, 1, 0xFF0000FFu);
    EXPECT_EQ(Surface->Bits()[3], 0xFF0000FFu);
    // The host sees the same pixel as the bottom-left one, in its red-low colour order.
    EXPECT_EQ(GetPixel(Surface->DC(), 0, 1), RGB(0, 0, 255));
}

TEST(KsBitmapPixels, SetAlphaReachesEveryPixelAndKeepsColours) {
    auto Single = MakeSurface(1, 1, 0x00123456u);
    Single->SetAlpha(0x80);
    EXPECT_EQ(Single->Pixels(0, 0), 0x80123456u);
    auto Surface = MakeSurface(7, 5, 0xFFABCDEFu);
    Surface->SetAlpha(0x10);
    EXPECT_EQ(ImageOf(*Surface).Data, TTestImage(7, 5, 0x10ABCDEFu).Data);
    EXPECT_EQ(Surface->Pixels(6, 4), 0x10ABCDEFu);
}

} // namespace
