#include "tools/artwork/LunaSkinPieces.h"

#include <array>

using namespace LunaSkin;

namespace {

using TPieces = std::vector<TSkinPieceUse>;

// The frame pieces as the theme cuts them: caption corners copied and middle stretched,
// border corners copied and border middles stretched. The standard caption's corners hold
// the key where the window region cuts them off; the tool window has no region.
void AddFrame(TPieces& Out, TSkinImage Image, const std::string& Prefix) {
    const int K = CaptionCorner;
    const TPiece S = StandardFrame;
    const int SB = StandardBorder, SC = StandardCaptionHeight, SBot = StandardBottomTop;
    Out.push_back({Prefix + "caption left", Image, {0, 0, K, SC}, TPieceUse::Copy});
    Out.push_back({Prefix + "caption middle",
                   Image,
                   {K, 0, S.Width - 2 * K, SC},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Rows});
    Out.push_back({Prefix + "caption right", Image, {S.Width - K, 0, K, SC}, TPieceUse::Copy});
    Out.push_back({Prefix + "bottom left", Image, {0, SBot, SB, SB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "bottom",
                   Image,
                   {SB, SBot, S.Width - 2 * SB - 1, SB},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Rows});
    Out.push_back(
        {Prefix + "bottom right", Image, {S.Width - SB, SBot, SB, SB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "left top", Image, {0, SC, SB, SB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "left",
                   Image,
                   {0, SC + SB, SB, SBot - SC - SB},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Columns});
    Out.push_back({Prefix + "right top", Image, {S.Width - SB, SC, SB, SB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "right",
                   Image,
                   {S.Width - SB, SC + SB, SB, SBot - SC - SB},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Columns});

    const TPiece T = ToolFrame;
    const int TB = ToolBorder, TC = ToolCaptionHeight, TBot = ToolBottomTop;
    const int RB = ToolRightBorderLeft;
    Out.push_back({Prefix + "tool caption left", Image, {T.Left, 0, K, TC}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "tool caption middle",
                   Image,
                   {T.Left + K, 0, T.Width - 2 * K, TC},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Rows});
    Out.push_back(
        {Prefix + "tool caption right", Image, {T.Right() - K, 0, K, TC}, TPieceUse::CopyOpaque});
    Out.push_back(
        {Prefix + "tool bottom left", Image, {T.Left, TBot, TB, TB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "tool bottom",
                   Image,
                   {T.Left + TB, TBot, T.Right() - TB - T.Left - TB, TB},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Rows});
    Out.push_back({Prefix + "tool bottom right", Image, {RB, TBot, TB, TB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "tool left top", Image, {T.Left, TC, TB, TB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "tool left",
                   Image,
                   {T.Left, ToolSideStripTop, ToolLeftStripWidth, TBot - ToolSideStripTop},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Columns});
    Out.push_back({Prefix + "tool right top", Image, {RB, TC, TB, TB}, TPieceUse::CopyOpaque});
    Out.push_back({Prefix + "tool right",
                   Image,
                   {RB, ToolSideStripTop, TB, TBot - ToolSideStripTop},
                   TPieceUse::Stretch,
                   0,
                   TUniform::Columns});
}

const std::array<const char*, 3> Looks{"normal", "hot", "pressed"};
const std::array<const char*, 4> States{"normal", "hot", "pressed", "disabled"};

void AddCaptionButtons(TPieces& Out, TSkinImage Image, const std::string& Prefix) {
    const std::array<const char*, CaptionButtonKinds> Kinds{
        "close", "help", "minimize", "maximize", "restore", "roll-up", "roll-down", "tray"};
    for (int Kind = 0; Kind < CaptionButtonKinds; ++Kind)
        for (int Look = 0; Look < 3; ++Look)
            Out.push_back({Prefix + Kinds[Kind] + " " + Looks[Look],
                           Image,
                           {CaptionButtonColumn[Look], CaptionButtonRow[Kind], CaptionButtonSize,
                            CaptionButtonSize},
                           TPieceUse::CopyOpaque});
    for (int Look = 0; Look < 3; ++Look)
        Out.push_back({Prefix + "tool close " + Looks[Look],
                       Image,
                       {ToolCloseColumn[Look], ToolCloseTop, ToolCloseSize, ToolCloseSize},
                       TPieceUse::CopyOpaque});
}

void AddMainControls(TPieces& Out) {
    const auto Main = TSkinImage::Main;
    const std::array<const char*, 5> ButtonLooks{"normal", "hot", "pressed", "disabled", "focused"};
    for (int Look = 0; Look < 5; ++Look)
        Out.push_back({std::string("button ") + ButtonLooks[Look], Main,
                       Button.Moved(0, ButtonRow[Look] - Button.Top), TPieceUse::NineSlice,
                       ButtonMargin});
    const std::array<const char*, 3> Checks{"", " checked", " grayed"};
    for (int Check = 0; Check < 3; ++Check)
        for (int State = 0; State < CheckStates; ++State) {
            const int DY = State * CheckStateStep + Check * CheckedStep;
            Out.push_back({std::string("check ") + States[State] + Checks[Check], Main,
                           CheckBox.Moved(0, DY), TPieceUse::Copy});
            if (Check < 2)
                Out.push_back({std::string("radio ") + States[State] + Checks[Check], Main,
                               RadioButton.Moved(0, DY), TPieceUse::Copy});
        }
    const std::array<const char*, TaskGroupButtonKinds> GroupKinds{"collapse", "expand", "close"};
    for (int Kind = 0; Kind < TaskGroupButtonKinds; ++Kind)
        for (int Look = 0; Look < TaskGroupButtonLooks; ++Look)
            Out.push_back(
                {std::string("group ") + GroupKinds[Kind] + " " + Looks[Look], Main,
                 TaskGroupButton.Moved(Look * TaskGroupButtonStep, Kind * TaskGroupButtonStep),
                 TPieceUse::Copy});
    for (int State = 0; State < ComboButtonStates; ++State) {
        Out.push_back({std::string("combo ") + States[State], Main,
                       ComboButton.Moved(0, State * ComboButtonStep), TPieceUse::CopyOpaque});
        Out.push_back({std::string("combo arrow ") + States[State], Main,
                       ComboArrow.Moved(0, State * ComboArrowStep), TPieceUse::Copy});
    }
    const std::array<const char*, 5> ToolLooks{"normal", "hot", "pressed", "checked",
                                               "checked hot"};
    for (int Look = 0; Look < 5; ++Look)
        Out.push_back({std::string("tool ") + ToolLooks[Look], Main,
                       ToolButton.Moved(ToolButtonLookShift[Look].DX, ToolButtonLookShift[Look].DY),
                       TPieceUse::NineSlice, ToolButtonMargin});
    for (int Checked = 0; Checked < 2; ++Checked)
        for (int State = 0; State < ToolDropDownArrowStates; ++State)
            Out.push_back({std::string("drop ") + States[State] + (Checked ? " checked" : ""), Main,
                           ToolDropDownArrow.Moved(0, State * ToolDropDownArrowStep +
                                                          Checked * ToolDropDownCheckedStep),
                           TPieceUse::Copy});
    Out.push_back({"grip", Main, ControlBarGrip, TPieceUse::Tile});
    for (int State = 0; State < SmallButtonStates; ++State)
        Out.push_back({std::string("small ") + States[State], Main,
                       SmallButton.Moved(0, State * SmallButtonStep), TPieceUse::NineSlice,
                       SmallButtonMargin});
    const std::array<const char*, 3> MDIKinds{"minimize", "restore", "close"};
    const std::array<const char*, MDIButtonRows> MDIRows{"", " selected", " tracking"};
    for (int Row = 0; Row < MDIButtonRows; ++Row)
        for (int Kind = 0; Kind < 3; ++Kind)
            Out.push_back({std::string("mdi ") + MDIKinds[Kind] + MDIRows[Row],
                           Main,
                           {MDIButtonColumn[Kind], MDIButtonTop + Row * MDIButtonSize,
                            MDIButtonSize, MDIButtonSize},
                           TPieceUse::CopyOpaque});
}

void AddSecondControls(TPieces& Out) {
    const auto Second = TSkinImage::Second;
    Out.push_back(
        {"track horizontal", Second, ScrollTrackHorizontal, TPieceUse::Stretch, 0, TUniform::Rows});
    Out.push_back(
        {"track vertical", Second, ScrollTrackVertical, TPieceUse::Stretch, 0, TUniform::Columns});
    const std::array<std::pair<const char*, int>, 4> Arrows{{{"up", ScrollArrowUp},
                                                             {"down", ScrollArrowDown},
                                                             {"left", ScrollArrowLeft},
                                                             {"right", ScrollArrowRight}}};
    for (int State = 0; State < ScrollStates; ++State) {
        // Nine-sliced, but transparent throughout.
        Out.push_back({std::string("thumb ") + States[State], Second,
                       ScrollThumb.Moved(0, State * ScrollThumbStep), TPieceUse::Copy});
        for (const auto& [Name, Left] : Arrows)
            Out.push_back(
                {std::string("arrow ") + Name + " " + States[State],
                 Second,
                 {Left, ScrollArrowTop + State * ScrollArrowSize, ScrollArrowSize, ScrollArrowSize},
                 TPieceUse::Copy});
    }
    const std::array<const char*, TrackThumbLooks> ThumbLooks{"normal", "hot", "pressed", "focused",
                                                              "disabled"};
    const std::array<std::pair<const char*, TPiece>, 6> Thumbs{
        {{"slider v", TrackThumbVertical},
         {"slider v1", TrackThumbVerticalPointed1},
         {"slider v2", TrackThumbVerticalPointed2},
         {"slider h", TrackThumbHorizontal},
         {"slider h1", TrackThumbHorizontalPointed1},
         {"slider h2", TrackThumbHorizontalPointed2}}};
    for (int Shape = 0; Shape < 6; ++Shape) {
        const int Step = Shape % 3 == 0 ? TrackThumbPlainStep : TrackThumbPointedStep;
        for (int Look = 0; Look < TrackThumbLooks; ++Look)
            Out.push_back({std::string(Thumbs[Shape].first) + " " + ThumbLooks[Look], Second,
                           Thumbs[Shape].second.Moved(0, Look * Step), TPieceUse::Copy});
    }
    Out.push_back({"tab pane", Second, TabPane, TPieceUse::NineSliceOpaque, TabMargin});
    const std::array<const char*, 4> Positions{"top", "bottom", "left", "right"};
    const std::array<std::pair<const char*, TPiece>, 3> Tabs{
        {{"normal", TabNormal}, {"hot", TabHot}, {"selected", TabSelected}}};
    for (int Position = 0; Position < 4; ++Position)
        for (const auto& [Name, Piece] : Tabs)
            Out.push_back({std::string("tab ") + Positions[Position] + " " + Name, Second,
                           Piece.Moved(TabPositionShift[Position], 0), TPieceUse::NineSlice,
                           TabMargin});
}

} // namespace

std::vector<TSkinPieceUse> LunaSkinPieces() {
    TPieces Pieces;
    AddFrame(Pieces, TSkinImage::Main, "");
    AddCaptionButtons(Pieces, TSkinImage::Main, "");
    AddMainControls(Pieces);
    AddFrame(Pieces, TSkinImage::Second, "inactive ");
    AddCaptionButtons(Pieces, TSkinImage::Second, "inactive ");
    AddSecondControls(Pieces);
    return Pieces;
}

bool KeyForbidden(const TSkinPieceUse& Use, int X, int Y) {
    switch (Use.Use) {
    case TPieceUse::CopyOpaque:
    case TPieceUse::Stretch:
    case TPieceUse::NineSliceOpaque:
        return true;
    case TPieceUse::NineSlice: {
        const int M = Use.Margin, W = Use.Piece.Width, H = Use.Piece.Height;
        const bool InCorner = (X < M || X >= W - M) && (Y < M || Y >= H - M);
        return !InCorner;
    }
    case TPieceUse::Copy:
    case TPieceUse::Tile:
        return false;
    }
    return false;
}
