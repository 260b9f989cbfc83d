// The application's four windows as their layouts make them, and the handlers whose effects
// leave the program (shell links, message boxes, files) observed through the framework's
// seams, so that no mail client, browser, dialog or box is really opened.
#include "app/ApplicationWindows.h"
#include "app/AboutPas.h"
#include "app/LastImgPas.h"
#include "app/MainPas.h"
#include "app/Unit2.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/windows/Application.h"
#include "framework/windows/Dialogs.h"
#include "framework/windows/Shell.h"
#include "framework/windows/StdCtrls.h"
#include "skin/controls/KsThemeButtons.h"
#include "skin/forms/KsThemeForms.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/TeThemeLuna.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

struct TShownBox {
    std::string Text;
    std::string Caption;
    UINT Flags = 0;
};

class ApplicationWindows : public testing::Test {
protected:
    static void SetUpTestSuite() { CreateApplicationWindows(); }

    void SetUp() override {
        PreviousShell = SetShellExecuteFunc([this](const TShellRequest& Request) {
            ShellRequests.push_back(Request);
            return intptr_t(42);
        });
        PreviousBox = Application->SetMessageBoxFunc(
            [this](HWND, const std::string& Text, const std::string& Caption, UINT Flags) {
                Boxes.push_back({Text, Caption, Flags});
                return IDOK;
            });
    }
    void TearDown() override {
        SetShellExecuteFunc(PreviousShell);
        Application->SetMessageBoxFunc(PreviousBox);
        TSavePictureDialog::SetSaveDialogFunc(nullptr);
    }

    // The save dialog answers with Name, as if the user had typed it.
    static void AnswerSaveDialogWith(const std::string& Name) {
        TSavePictureDialog::SetSaveDialogFunc([Name](OPENFILENAMEW& Record) {
            const std::wstring Wide = Utf8ToWide(Name);
            Wide.copy(Record.lpstrFile, Wide.size());
            Record.lpstrFile[Wide.size()] = L'\0';
            return true;
        });
    }

    static TTeThemeButton* Button(TComponent& Form, const char* Name) {
        return dynamic_cast<TTeThemeButton*>(Form.FindComponent(Name));
    }

    std::vector<TShellRequest> ShellRequests;
    std::vector<TShownBox> Boxes;
    TShellExecuteFunc PreviousShell;
    TMessageBoxFunc PreviousBox;
};

} // namespace

TEST_F(ApplicationWindows, StartUpCreatesTheFourWindowsInOrderWithTheMainWindowFirst) {
    EXPECT_EQ(Application->Title(), "Snapvale1.0");
    EXPECT_EQ(Application->MainForm(), MainFrm);
    ASSERT_NE(LastImgFrm, nullptr);
    ASSERT_NE(Form2, nullptr);
    ASSERT_NE(AboutFrm, nullptr);
    EXPECT_EQ(LastImgFrm->Owner(), Application);
    EXPECT_FALSE(LastImgFrm->Visible());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(AboutFrm->Visible());
}

TEST_F(ApplicationWindows, MainWindowIsTheBorderlessCommandPanel) {
    EXPECT_EQ(MainFrm->Caption(), "Snapvale");
    EXPECT_EQ(MainFrm->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(MainFrm->ClientWidth(), 221);
    EXPECT_EQ(MainFrm->ClientHeight(), 153);
    EXPECT_EQ(MainFrm->Position(), TPosition::poDesktopCenter);
    EXPECT_EQ(MainFrm->Font()->Name(), "宋体");
    EXPECT_EQ(MainFrm->Font()->Height(), -12);
    EXPECT_FALSE(MainFrm->Scaled());

    ASSERT_NE(MainFrm->Image1->Picture()->Graphic(), nullptr);
    EXPECT_EQ(MainFrm->Image1->Picture()->Width(), 222);
    EXPECT_EQ(MainFrm->Image1->Picture()->Height(), 152);
    EXPECT_TRUE(MainFrm->Image1->Stretch());
    EXPECT_EQ(MainFrm->Image1->Align(), TAlign::alClient);

    struct TExpected {
        const char* Name;
        int Left, Top, TabOrder;
        const char* Caption;
    };
    const TExpected Buttons[] = {
        {"btnFullScreen", 39, 28, 0, "全屏截图"}, {"btnPartScreen", 119, 28, 1, "局部截图"},
        {"btnAbout", 39, 66, 2, "关于(&A)"},      {"btnEmail", 119, 66, 3, "技术支持"},
        {"btnHomepage", 39, 105, 4, "软件升级"},  {"btnExit", 119, 105, 5, "退出(&X)"}};
    for (const TExpected& Expected : Buttons) {
        TTeThemeButton* Found = Button(*MainFrm, Expected.Name);
        ASSERT_NE(Found, nullptr) << Expected.Name;
        EXPECT_EQ(Found->Left(), Expected.Left) << Expected.Name;
        EXPECT_EQ(Found->Top(), Expected.Top) << Expected.Name;
        EXPECT_EQ(Found->Width(), 67) << Expected.Name;
        EXPECT_EQ(Found->Height(), 25) << Expected.Name;
        EXPECT_EQ(Found->TabOrder(), Expected.TabOrder) << Expected.Name;
        EXPECT_EQ(Found->Caption(), Expected.Caption) << Expected.Name;
        EXPECT_FALSE(Found->Default()) << Expected.Name;
    }
}

TEST_F(ApplicationWindows, ButtonsPaintThroughTheirWindowsLunaEngines) {
    auto* MainEngine = dynamic_cast<TTeThemeEngine*>(MainFrm->FindComponent("TeThemeEngine1"));
    auto* ImageEngine = dynamic_cast<TTeThemeEngine*>(LastImgFrm->FindComponent("TeThemeEngine1"));
    ASSERT_TRUE(MainEngine && ImageEngine);
    for (TTeThemeEngine* Engine : {MainEngine, ImageEngine}) {
        EXPECT_EQ(&Engine->Theme()->ThemeClass(), &TTeThemeLuna::Class);
        EXPECT_EQ(Engine->DeltaHue(), 0);
        EXPECT_FALSE(Engine->UseNativeXPTheme());
    }
    EXPECT_TRUE(MainEngine->ColorAutoChanging());
    EXPECT_FALSE(ImageEngine->ColorAutoChanging());
    const auto ExpectLinked = [](TComponent& Form, const char* Name, TTeThemeEngine* Engine) {
        TTeThemeButton* Found = Button(Form, Name);
        ASSERT_NE(Found, nullptr) << Name;
        EXPECT_EQ(Found->ThemeEngine(), Engine) << Name;
        EXPECT_TRUE(Found->Transparent()) << Name;
        EXPECT_FALSE(Found->Blend()) << Name;
        EXPECT_EQ(Found->Kind(), TBitBtnKind::bkCustom) << Name;
        EXPECT_TRUE(Found->Glyph()->Empty()) << Name;
    };
    for (const char* Name :
         {"btnFullScreen", "btnPartScreen", "btnAbout", "btnEmail", "btnHomepage", "btnExit"})
        ExpectLinked(*MainFrm, Name, MainEngine);
    for (const char* Name : {"btnSave", "btnCopyClip", "btnExit"})
        ExpectLinked(*LastImgFrm, Name, ImageEngine);
    // Every About box links to the main window's engine.
    for (const char* Name : {"TeThemeButton1", "TeThemeButton2"})
        ExpectLinked(*AboutFrm, Name, MainEngine);
}

TEST_F(ApplicationWindows, CaptureWindowsHaveTheirBordersAndDialog) {
    EXPECT_EQ(LastImgFrm->Caption(), "截取的图片");
    EXPECT_EQ(LastImgFrm->Width(), 668);
    EXPECT_EQ(LastImgFrm->Height(), 496);
    EXPECT_EQ(LastImgFrm->BorderIcons(),
              (TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMaximize}));
    EXPECT_TRUE(LastImgFrm->Image1->AutoSize());
    EXPECT_EQ(LastImgFrm->SavePictureDialog1->DefaultExt(), "*.jpg");
    EXPECT_EQ(LastImgFrm->SavePictureDialog1->Filter(),
              "JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp");

    EXPECT_EQ(Form2->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(Form2->FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_EQ(Form2->WindowState(), TWindowState::wsMaximized);
    EXPECT_TRUE(Form2->Image1->Center());
    EXPECT_FALSE(Form2->Shape1->Visible());
    EXPECT_EQ(Form2->Shape1->Pen()->Mode(), TPenMode::pmNotXor);
    EXPECT_EQ(Form2->Shape1->Pen()->Style(), TPenStyle::psDashDot);
    EXPECT_EQ(Form2->Shape1->Brush()->Style(), TBrushStyle::bsClear);
}

TEST_F(ApplicationWindows, AboutBoxCarriesItsTexts) {
    EXPECT_EQ(AboutFrm->Caption(), "关于...");
    EXPECT_EQ(AboutFrm->ClientWidth(), 318);
    EXPECT_EQ(AboutFrm->ClientHeight(), 208);
    EXPECT_EQ(AboutFrm->Position(), TPosition::poMainFormCenter);
    auto* Note = dynamic_cast<TLabel*>(AboutFrm->FindComponent("Label6"));
    ASSERT_NE(Note, nullptr);
    EXPECT_TRUE(Note->WordWrap());
    EXPECT_TRUE(Note->Transparent());
    EXPECT_EQ(Note->Font()->Color(), clBlue);
    EXPECT_EQ(Button(*AboutFrm, "TeThemeButton1")->Caption(), "确定(&O)");
    EXPECT_EQ(Button(*AboutFrm, "TeThemeButton2")->Caption(), "给作者写信");
}

TEST_F(ApplicationWindows, EveryAboutBoxHasAThemedToolWindowFrameOnTheMainEngine) {
    auto* MainEngine = dynamic_cast<TTeThemeEngine*>(MainFrm->FindComponent("TeThemeEngine1"));
    const auto ExpectThemed = [&](TAboutFrm& About) {
        auto* Frame = dynamic_cast<TTeThemeForm*>(About.FindComponent("TeThemeForm1"));
        ASSERT_NE(Frame, nullptr);
        EXPECT_EQ(Frame->ThemeEngine(), MainEngine);
        EXPECT_TRUE(Frame->ThemeAvailable());
        EXPECT_EQ(Frame->BorderStyle(), TKsBorderStyle::kbsToolWindow);
        EXPECT_TRUE(Frame->BorderIcons().Empty());
        EXPECT_TRUE(Frame->DropShadow());
        EXPECT_EQ(Frame->ShadowWidth(), 4);
        EXPECT_TRUE(Frame->Magnetic());
        EXPECT_EQ(Frame->MagneticValue(), 20);
        EXPECT_EQ(Frame->ShowAnimation(), TKsAnimation::kaRandom);
        EXPECT_EQ(Frame->ShowAnimationTime(), 400);
        EXPECT_EQ(Frame->WindowState(), TKsWindowState::kwsNormal);
        EXPECT_EQ(Frame->Control(), &About);
        // The theme's 19-pixel caption and 2-pixel borders around the unchanged client.
        const RECT Client = Frame->GetClientBounds();
        EXPECT_EQ(Client.top, 19);
        EXPECT_EQ(Client.left, 2);
        EXPECT_EQ(About.ClientWidth(), 318);
        EXPECT_EQ(About.ClientHeight(), 208);
    };
    ExpectThemed(*AboutFrm);
    auto* Another = new TAboutFrm(MainFrm);
    ExpectThemed(*Another);
    delete Another;
}

TEST_F(ApplicationWindows, ShellLinksOpenTheSupportMailAndTheHomePage) {
    Button(*MainFrm, "btnEmail")->Click();
    Button(*MainFrm, "btnHomepage")->Click();
    Button(*AboutFrm, "TeThemeButton2")->Click();
    ASSERT_EQ(ShellRequests.size(), 3u);
    EXPECT_EQ(ShellRequests[0].File, "mailto:support@snapvale.example?subject=Snapvale");
    EXPECT_EQ(ShellRequests[0].Window, MainFrm->Handle());
    EXPECT_EQ(ShellRequests[0].Operation, "");
    EXPECT_EQ(ShellRequests[0].ShowCmd, SW_SHOWNORMAL);
    EXPECT_EQ(ShellRequests[1].File, "https://snapvale.example/");
    EXPECT_EQ(ShellRequests[2].File,
              "mailto:support@snapvale.example?subject=我在使用Snapvale,谢谢！");
    EXPECT_EQ(ShellRequests[2].Window, AboutFrm->Handle());
}

TEST_F(ApplicationWindows, WrongExtensionShowsTheErrorBoxAndWritesNothing) {
    const auto Folder = std::filesystem::temp_directory_path() /
                        ("snapvale-windows-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(Folder);
    MainFrm->CaptureScreen(LastImgFrm->Image1);
    for (const char* Name : {"a.png", "a.JPG", "a.jpeg", "noextension"}) {
        AnswerSaveDialogWith((Folder / Name).string());
        Button(*LastImgFrm, "btnSave")->Click();
    }
    ASSERT_EQ(Boxes.size(), 4u);
    for (const TShownBox& Box : Boxes) {
        EXPECT_EQ(Box.Text, "请选择正确的图片格式!");
        EXPECT_EQ(Box.Caption, "提示");
        EXPECT_EQ(Box.Flags, UINT(MB_ICONERROR | MB_OK));
    }
    EXPECT_TRUE(std::filesystem::is_empty(Folder));

    AnswerSaveDialogWith((Folder / "a.jpgx").string());
    Button(*LastImgFrm, "btnSave")->Click();
    EXPECT_TRUE(std::filesystem::exists(Folder / "a.jpgx"));
    std::filesystem::remove_all(Folder);
}

TEST_F(ApplicationWindows, CaptureScreenTakesThePrimaryScreensSize) {
    MainFrm->CaptureScreen(LastImgFrm->Image1);
    EXPECT_EQ(LastImgFrm->Image1->Picture()->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(LastImgFrm->Image1->Picture()->Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(LastImgFrm->Image1->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(LastImgFrm->Image1->Height(), GetSystemMetrics(SM_CYSCREEN));
}

namespace {

// A plain top-most square of one colour in the middle of the screen, for captures to find.
class TColourSquare {
public:
    explicit TColourSquare(COLORREF Colour) : FBrush(CreateSolidBrush(Colour)) {
        WNDCLASSW Class{};
        Class.lpfnWndProc = DefWindowProcW;
        Class.hInstance = GetModuleHandleW(nullptr);
        Class.lpszClassName = L"SnapvaleTestColourSquare";
        RegisterClassW(&Class);
        const int Left = GetSystemMetrics(SM_CXSCREEN) / 2 - Side / 2;
        const int Top = GetSystemMetrics(SM_CYSCREEN) / 2 - Side / 2;
        FWindow = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, Class.lpszClassName, L"",
                                  WS_POPUP, Left, Top, Side, Side, nullptr, nullptr,
                                  Class.hInstance, nullptr);
        SetClassLongPtrW(FWindow, GCLP_HBRBACKGROUND, LONG_PTR(FBrush));
        ShowWindow(FWindow, SW_SHOWNOACTIVATE);
        UpdateWindow(FWindow);
        GdiFlush();
    }
    ~TColourSquare() {
        DestroyWindow(FWindow);
        DeleteObject(FBrush);
    }
    TColourSquare(const TColourSquare&) = delete;
    TColourSquare& operator=(const TColourSquare&) = delete;

private:
    static constexpr int Side = 40;
    HBRUSH FBrush;
    HWND FWindow = nullptr;
};

TColor CapturedCentre() {
    TBitmap* Picture = LastImgFrm->Image1->Picture()->Bitmap();
    return Picture->Canvas()->Pixels(Picture->Width() / 2, Picture->Height() / 2);
}

} // namespace

// Captures reuse the picture's memory; each must still show the screen as it is then, and a
// picture of another size is replaced by one of the screen's.
TEST_F(ApplicationWindows, EachCaptureShowsTheScreenAsItIsThen) {
    LastImgFrm->Image1->Picture()->Bitmap()->SetSize(10, 10);
    {
        const TColourSquare Red(RGB(255, 0, 0));
        MainFrm->CaptureScreen(LastImgFrm->Image1);
    }
    EXPECT_EQ(LastImgFrm->Image1->Picture()->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(CapturedCentre(), TColor(RGB(255, 0, 0)));
    {
        const TColourSquare Blue(RGB(0, 0, 255));
        MainFrm->CaptureScreen(LastImgFrm->Image1);
    }
    EXPECT_EQ(CapturedCentre(), TColor(RGB(0, 0, 255)));
}
