#include "tools/artwork/LunaControlArtwork.h"

#include "skin/themes/LunaSkinLayout.h"
#include "tools/artwork/ArtworkShapes.h"
#include "tools/artwork/LunaFrameArtwork.h"

#include <array>

using namespace LunaSkin;

namespace {

const TRgb Key{255, 0, 255};
const TRgb ControlBlue{0, 60, 116}; // outline of push buttons
const TRgb BoxBlue{28, 81, 128};    // outline of check boxes and radio buttons
const TRgb DisabledEdge{201, 199, 186};
const TRgb DisabledFace{245, 244, 234};
const TRgb DisabledGlyph{180, 178, 164};
const TRgb EditBackground{255, 251, 247};
const TRgb Check{33, 161, 33};
const TRgb ArrowBlue{77, 97, 133};

// The push-button looks shared by buttons, small buttons and track-bar thumbs.
TShapeStyle PushStyle(int Look) {
    switch (Look) {
    case 1: // hot: an orange rim
        return {ControlBlue, {255, 255, 255}, {226, 223, 214}, 2, {255, 240, 207}, {229, 151, 0}};
    case 2: // pressed: a darker face, shaded at the top
        return {ControlBlue, {209, 204, 193}, {242, 241, 238}, 0};
    case 3: // disabled
        return {DisabledEdge, DisabledFace, DisabledFace, 0};
    case 4: // focused or default: a blue rim
        return {ControlBlue, {255, 255, 255}, {226, 223, 214}, 2, {206, 231, 255}, {105, 130, 238}};
    default:
        return {ControlBlue, {255, 255, 255}, {226, 223, 214}, 0};
    }
}

void DrawButtons(TCanvasRgb& Canvas) {
    for (int Look = 0; Look < 5; ++Look)
        PaintShape(Canvas, Button.Left, ButtonRow[Look],
                   TShapeMask::RoundedRect(Button.Width, Button.Height, 3), PushStyle(Look), Key);
    for (int State = 0; State < SmallButtonStates; ++State) {
        TShapeStyle Style = PushStyle(State);
        Style.RimWidth = Style.RimWidth > 0 ? 1 : 0;
        PaintShape(Canvas, SmallButton.Left, SmallButton.Top + State * SmallButtonStep,
                   TShapeMask::RoundedRect(SmallButton.Width, SmallButton.Height, 2), Style, Key);
    }
}

// Check-box and radio-button faces: darker towards the top-left, with a rim when hot.
TShapeStyle BoxStyle(int State) {
    switch (State) {
    case 1:
        return {BoxBlue, {220, 220, 215}, {255, 255, 255}, 2, {255, 240, 207}, {248, 179, 48}};
    case 2:
        return {BoxBlue, {176, 176, 167}, {231, 231, 224}, 0};
    case 3:
        return {DisabledEdge, DisabledFace, DisabledFace, 0};
    default:
        return {BoxBlue, {220, 220, 215}, {255, 255, 255}, 0};
    }
}

const TGlyph CheckMark{"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
const TGlyph GrayedMark{"#######", "#######", "#######", "#######",
                        "#######", "#######", "#######"};
const TGlyph RadioDot{".###.", "#####", "#####", "#####", ".###."};

void DrawCheckBoxes(TCanvasRgb& Canvas) {
    const TShapeMask Box = TShapeMask::RoundedRect(13, 13, 0);
    const TShapeMask Round = TShapeMask::Circle(13);
    for (int State = 0; State < CheckStates; ++State) {
        const TRgb Mark = State == 3 ? DisabledGlyph : Check;
        for (int Checked = 0; Checked < 3; ++Checked) {
            const int Top = CheckBox.Top + State * CheckStateStep + Checked * CheckedStep;
            FillRect(Canvas, CheckBox.Left, Top, CheckBox.Right(), Top + CheckBox.Height, Key);
            PaintShape(Canvas, CheckBox.Left + 1, Top + 1, Box, BoxStyle(State), Key);
            if (Checked == 1)
                DrawGlyph(Canvas, CheckBox.Left + 4, Top + 4, CheckMark, Mark);
            if (Checked == 2)
                DrawGlyph(Canvas, CheckBox.Left + 4, Top + 4, GrayedMark,
                          State == 3 ? DisabledGlyph : TRgb{115, 200, 115});
            if (Checked == 2)
                continue;
            const int RadioTop = RadioButton.Top + State * CheckStateStep + Checked * CheckedStep;
            FillRect(Canvas, RadioButton.Left, RadioTop, RadioButton.Right(),
                     RadioTop + RadioButton.Height, Key);
            PaintShape(Canvas, RadioButton.Left + 1, RadioTop + 1, Round, BoxStyle(State), Key);
            if (Checked == 1) {
                DrawGlyph(Canvas, RadioButton.Left + 5, RadioTop + 5, RadioDot, Mark);
                Canvas.Blend(RadioButton.Left + 6, RadioTop + 6, {255, 255, 255}, 110);
            }
        }
    }
}

const TGlyph CollapseChevron{"...#...", "..###..", ".##.##.", "##...##",
                             "...#...", "..###..", ".##.##.", "##...##"};
const TGlyph GroupClose{"##...##", "###.###", ".#####.", "..###..",
                        ".#####.", "###.###", "##...##"};

void DrawTaskGroupButtons(TCanvasRgb& Canvas) {
    const TShapeMask Round = TShapeMask::Circle(TaskGroupButton.Width);
    const std::array<TShapeStyle, 3> Styles{
        TShapeStyle{{174, 192, 234}, {255, 255, 255}, {214, 226, 250}, 0},
        TShapeStyle{{140, 170, 240}, {255, 255, 255}, {232, 240, 255}, 0},
        TShapeStyle{{120, 150, 220}, {196, 212, 244}, {236, 242, 255}, 0}};
    const std::array<TRgb, 3> GlyphColours{{{33, 93, 198}, {66, 142, 255}, {24, 72, 168}}};
    const std::array<TGlyph, 3> Glyphs{CollapseChevron, FlippedGlyph(CollapseChevron), GroupClose};
    for (int Kind = 0; Kind < TaskGroupButtonKinds; ++Kind)
        for (int Look = 0; Look < TaskGroupButtonLooks; ++Look) {
            const TPiece P =
                TaskGroupButton.Moved(Look * TaskGroupButtonStep, Kind * TaskGroupButtonStep);
            PaintShape(Canvas, P.Left, P.Top, Round, Styles[Look], Key);
            DrawGlyphCentred(Canvas, P.Left, P.Top, P.Width, P.Height, Glyphs[Kind],
                             GlyphColours[Look]);
        }
}

const TGlyph ComboGlyph{".##....##.", ".###..###.", "..######..", "...####...", "....##...."};

// The combo button is copied opaque, so its rounded corners show the edit's background.
void DrawComboButtons(TCanvasRgb& Canvas) {
    const std::array<TShapeStyle, ComboButtonStates> Styles{
        TShapeStyle{{176, 200, 246}, {220, 234, 255}, {184, 208, 250}, 0},
        TShapeStyle{{152, 184, 250}, {236, 244, 255}, {204, 222, 255}, 0},
        TShapeStyle{{120, 150, 230}, {164, 190, 244}, {204, 218, 248}, 0},
        TShapeStyle{{214, 212, 200}, {240, 240, 234}, {234, 233, 226}, 0}};
    const std::array<TRgb, ComboButtonStates> Arrows{ArrowBlue, ArrowBlue, ArrowBlue,
                                                     DisabledGlyph};
    for (int State = 0; State < ComboButtonStates; ++State) {
        const TPiece P = ComboButton.Moved(0, State * ComboButtonStep);
        PaintShape(Canvas, P.Left, P.Top, TShapeMask::RoundedRect(P.Width, P.Height, 2),
                   Styles[State], EditBackground);
        const TPiece A = ComboArrow.Moved(0, State * ComboArrowStep);
        FillRect(Canvas, A.Left, A.Top, A.Right(), A.Bottom(), Key);
        DrawGlyphCentred(Canvas, A.Left, A.Top, A.Width, A.Height, ComboGlyph, Arrows[State]);
    }
}

void DrawToolButtons(TCanvasRgb& Canvas) {
    const std::array<TShapeStyle, 5> Styles{
        TShapeStyle{{206, 203, 190}, {253, 253, 251}, {236, 234, 226}, 0},
        TShapeStyle{
            {150, 174, 222}, {255, 255, 255}, {232, 236, 244}, 1, {255, 255, 255}, {244, 246, 252}},
        TShapeStyle{{140, 136, 120}, {214, 210, 198}, {238, 236, 228}, 0},
        TShapeStyle{{140, 136, 120}, {255, 255, 255}, {246, 245, 240}, 0},
        TShapeStyle{{110, 140, 206}, {236, 242, 255}, {250, 252, 255}, 0}};
    for (int Look = 0; Look < 5; ++Look) {
        const TPiece P =
            ToolButton.Moved(ToolButtonLookShift[Look].DX, ToolButtonLookShift[Look].DY);
        PaintShape(Canvas, P.Left, P.Top, TShapeMask::RoundedRect(P.Width, P.Height, 3),
                   Styles[Look], Key);
    }
    const TGlyph Arrow{"######", ".####.", "..##.."};
    for (int Checked = 0; Checked < 2; ++Checked)
        for (int State = 0; State < ToolDropDownArrowStates; ++State) {
            const TPiece A = ToolDropDownArrow.Moved(0, State * ToolDropDownArrowStep +
                                                            Checked * ToolDropDownCheckedStep);
            FillRect(Canvas, A.Left, A.Top, A.Right(), A.Bottom(), Key);
            DrawGlyph(Canvas, A.Left, A.Top, Arrow, State == 3 ? DisabledGlyph : TRgb{0, 0, 0});
        }
}

// Two columns of raised dots; tiled down the grip area.
void DrawGrip(TCanvasRgb& Canvas) {
    const TPiece G = ControlBarGrip;
    FillRect(Canvas, G.Left, G.Top, G.Right(), G.Bottom(), Key);
    for (int Column : {2, 6})
        for (int Row : {1, 4}) {
            Canvas.Set(G.Left + Column + 1, G.Top + Row + 1, {255, 255, 255});
            Canvas.Set(G.Left + Column, G.Top + Row, {160, 156, 140});
        }
}

// MDI buttons are copied opaque onto the menu bar's white: the plain glyph, a light blue
// face when selected, a deeper one while the menu is open.
void DrawMDIButtons(TCanvasRgb& Canvas) {
    const std::array<int, 3> Kinds{2, 4, 0}; // caption glyphs of minimize, restore, close
    const TRgb MenuWhite{255, 255, 255}, Selected{49, 106, 197};
    const std::array<TShapeStyle, MDIButtonRows> Styles{
        TShapeStyle{MenuWhite, MenuWhite, MenuWhite, 0},
        TShapeStyle{Selected, {214, 226, 248}, {193, 210, 238}, 0},
        TShapeStyle{Selected, {152, 181, 226}, {176, 198, 236}, 0}};
    for (int Row = 0; Row < MDIButtonRows; ++Row)
        for (int Kind = 0; Kind < 3; ++Kind) {
            const int Left = MDIButtonColumn[Kind], Top = MDIButtonTop + Row * MDIButtonSize;
            PaintShape(Canvas, Left, Top, TShapeMask::RoundedRect(MDIButtonSize, MDIButtonSize, 0),
                       Styles[Row], MenuWhite);
            DrawGlyphCentred(Canvas, Left, Top, MDIButtonSize, MDIButtonSize,
                             CaptionGlyph(Kinds[Kind]), {0, 0, 0});
        }
}

// ---- Second image ----

void DrawScrollTracks(TCanvasRgb& Canvas) {
    // Lighter in the middle of the channel, along its length uniform.
    const auto Across = [](int I) {
        return Mix({236, 234, 224}, {252, 252, 249}, I < 8 ? I : 16 - I, 8);
    };
    for (int I = 0; I < ScrollTrackHorizontal.Height; ++I)
        for (int J = 0; J < ScrollTrackHorizontal.Width; ++J) {
            Canvas.Set(ScrollTrackHorizontal.Left + J, ScrollTrackHorizontal.Top + I, Across(I));
            Canvas.Set(ScrollTrackVertical.Left + I, ScrollTrackVertical.Top + J, Across(I));
        }
}

const TGlyph UpArrow{".........", ".........", "....#....", "...###...", "..#####..",
                     ".###.###.", ".##...##.", ".........", "........."};

// The thumb is also the face of the arrow buttons, and its centre is stretched both ways in
// both orientations, so it stays a plain face: grip lines would smear and show behind the
// arrows.
void DrawScrollBars(TCanvasRgb& Canvas) {
    const std::array<TShapeStyle, ScrollStates> Styles{
        TShapeStyle{
            {164, 185, 239}, {212, 224, 254}, {186, 204, 250}, 1, {234, 240, 255}, {196, 212, 252}},
        TShapeStyle{
            {150, 178, 248}, {228, 238, 255}, {204, 220, 255}, 1, {246, 250, 255}, {214, 228, 255}},
        TShapeStyle{{130, 156, 228}, {168, 190, 245}, {190, 208, 250}, 0},
        TShapeStyle{{222, 220, 212}, {240, 239, 232}, {236, 235, 228}, 0}};
    const std::array<TRgb, ScrollStates> Arrows{ArrowBlue, ArrowBlue, {40, 56, 96}, DisabledGlyph};
    const std::array<std::pair<int, TGlyph>, 4> Glyphs{
        {{ScrollArrowUp, UpArrow},
         {ScrollArrowDown, FlippedGlyph(UpArrow)},
         {ScrollArrowLeft, TransposedGlyph(UpArrow)},
         {ScrollArrowRight, TransposedGlyph(FlippedGlyph(UpArrow))}}};
    for (int State = 0; State < ScrollStates; ++State) {
        const TPiece T = ScrollThumb.Moved(0, State * ScrollThumbStep);
        PaintShape(Canvas, T.Left, T.Top, TShapeMask::RoundedRect(T.Width, T.Height, 2),
                   Styles[State], Key);
        for (const auto& [Left, Glyph] : Glyphs) {
            const int Top = ScrollArrowTop + State * ScrollArrowSize;
            FillRect(Canvas, Left, Top, Left + ScrollArrowSize, Top + ScrollArrowSize, Key);
            DrawGlyph(Canvas, Left, Top, Glyph, Arrows[State]);
        }
    }
}

// Track-bar thumb looks by row: normal, hot, pressed, focused, disabled.
TShapeStyle ThumbStyle(int Look) {
    const std::array<int, TrackThumbLooks> PushLook{0, 1, 2, 4, 3};
    TShapeStyle Style = PushStyle(PushLook[Look]);
    Style.RimWidth = Style.RimWidth > 0 ? 1 : 0;
    if (Look == 0) { // a green glow, as the Luna slider has
        Style.RimWidth = 1;
        Style.RimTop = {160, 226, 160};
        Style.RimBottom = {33, 161, 33};
    }
    return Style;
}

// A pointed thumb Width x Height whose point (PointLength long) faces Down or Right; Flip
// turns it to face Up or Left. Coordinates in eighths of a pixel.
TShapeMask PointedThumb(int Width, int Height, bool Vertical, bool Flip) {
    const int PointLength = 6 * 8;
    return TShapeMask::FromTest(Width, Height, [=](int X, int Y) {
        int Along = Vertical ? X : Y, Across = Vertical ? Y : X;
        const int Length = (Vertical ? Width : Height) * 8,
                  Breadth = (Vertical ? Height : Width) * 8;
        if (Flip)
            Along = Length - Along;
        const int Body = Length - PointLength;
        if (Along < Body)
            return true;
        // The point narrows evenly to the middle of the far end.
        const int Half = Breadth / 2;
        const int Reach = Half * (Length - Along) / PointLength;
        return Across >= Half - Reach - 4 && Across <= Half + Reach + 4;
    });
}

void DrawTrackThumbs(TCanvasRgb& Canvas) {
    struct TShapeAt {
        TPiece Piece;
        int Step;
        TShapeMask Mask;
    };
    const TPiece V = TrackThumbVertical, H = TrackThumbHorizontal;
    const TPiece V1 = TrackThumbVerticalPointed1, V2 = TrackThumbVerticalPointed2;
    const TPiece H1 = TrackThumbHorizontalPointed1, H2 = TrackThumbHorizontalPointed2;
    const std::array<TShapeAt, 6> Shapes{
        TShapeAt{V, TrackThumbPlainStep, TShapeMask::RoundedRect(V.Width, V.Height, 2)},
        TShapeAt{V1, TrackThumbPointedStep, PointedThumb(V1.Width, V1.Height, true, false)},
        TShapeAt{V2, TrackThumbPointedStep, PointedThumb(V2.Width, V2.Height, true, true)},
        TShapeAt{H, TrackThumbPlainStep, TShapeMask::RoundedRect(H.Width, H.Height, 2)},
        TShapeAt{H1, TrackThumbPointedStep, PointedThumb(H1.Width, H1.Height, false, false)},
        TShapeAt{H2, TrackThumbPointedStep, PointedThumb(H2.Width, H2.Height, false, true)}};
    for (const TShapeAt& Shape : Shapes)
        for (int Look = 0; Look < TrackThumbLooks; ++Look)
            PaintShape(Canvas, Shape.Piece.Left, Shape.Piece.Top + Look * Shape.Step, Shape.Mask,
                       ThumbStyle(Look), Key);
}

const TRgb TabEdge{145, 155, 156};

void DrawTabPane(TCanvasRgb& Canvas) {
    PaintShape(Canvas, TabPane.Left, TabPane.Top,
               TShapeMask::RoundedRect(TabPane.Width, TabPane.Height, 0),
               {TabEdge, {252, 252, 254}, {244, 243, 238}, 0}, Key);
}

// One tab in tab coordinates: Along its edge, Across from its outer side (0) to the page.
// Tabs on the bottom, left and right are the top tab turned; the page side stays open.
// Accented (hot and selected) tabs carry an orange band along their outer edge.
void DrawTab(TCanvasRgb& Canvas, const TPiece& Piece, int Position, const TShapeStyle& Style,
             bool Accented) {
    const bool Sideways = Position >= 2;
    const int Along = Sideways ? Piece.Height : Piece.Width;
    const int Across = Sideways ? Piece.Width : Piece.Height;
    // Drawn past the page side so that no border or rounding shows there.
    const int Open = 4;
    TCanvasRgb Tab(Along, Across + Open);
    const TShapeMask Shape =
        TShapeMask::RoundedRect(Along, Across + Open, 3, {true, true, false, false});
    PaintShape(Tab, 0, 0, Shape, Style, Key);
    const std::array<TRgb, 3> Band{{{230, 151, 0}, {255, 200, 60}, {255, 226, 150}}};
    for (int V = 0; Accented && V < 3; ++V)
        for (int U = 0; U < Along; ++U)
            if (Shape.Inside(U, V) && (V == 0 || Shape.Depth(U, V) > 1))
                Tab.At(U, V) = Band[V];
    for (int V = 0; V < Across; ++V)
        for (int U = 0; U < Along; ++U) {
            const TRgb& Pixel = Tab.At(U, V);
            switch (Position) {
            case 1: // bottom
                Canvas.Set(Piece.Left + U, Piece.Bottom() - 1 - V, Pixel);
                break;
            case 2: // left
                Canvas.Set(Piece.Left + V, Piece.Top + U, Pixel);
                break;
            case 3: // right
                Canvas.Set(Piece.Right() - 1 - V, Piece.Top + U, Pixel);
                break;
            default:
                Canvas.Set(Piece.Left + U, Piece.Top + V, Pixel);
            }
        }
}

void DrawTabs(TCanvasRgb& Canvas) {
    const TShapeStyle Normal{TabEdge, {255, 255, 255}, {236, 235, 230}, 0};
    const TShapeStyle Hot{TabEdge, {255, 255, 255}, {242, 242, 238}, 0};
    const TShapeStyle Selected{TabEdge, {252, 252, 254}, {252, 252, 254}, 0};
    for (int Position = 0; Position < 4; ++Position) {
        const int Shift = TabPositionShift[Position];
        DrawTab(Canvas, TabNormal.Moved(Shift, 0), Position, Normal, false);
        DrawTab(Canvas, TabHot.Moved(Shift, 0), Position, Hot, true);
        DrawTab(Canvas, TabSelected.Moved(Shift, 0), Position, Selected, true);
    }
}

} // namespace

void DrawLunaMainControls(TCanvasRgb& Canvas) {
    DrawButtons(Canvas);
    DrawCheckBoxes(Canvas);
    DrawTaskGroupButtons(Canvas);
    DrawComboButtons(Canvas);
    DrawToolButtons(Canvas);
    DrawGrip(Canvas);
    DrawMDIButtons(Canvas);
}

void DrawLunaSecondControls(TCanvasRgb& Canvas) {
    DrawScrollTracks(Canvas);
    DrawScrollBars(Canvas);
    DrawTrackThumbs(Canvas);
    DrawTabPane(Canvas);
    DrawTabs(Canvas);
}
