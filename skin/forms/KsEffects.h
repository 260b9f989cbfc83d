// The timed effects that bring a skinned window onto the screen: a fade, a slide from one of
// eight directions and a rectangle growing from the centre or a corner. Each draws frames
// straight onto the screen's device context until the animation time has run out; the
// window then shows and paints itself. Frames are timed, not counted, so a slow machine
// shows fewer frames in the same time. TKsCounter is the stopwatch that times one frame.
#pragma once

#include "framework/graphics/WinApi.h"
#include "skin/forms/KsFormTypes.h"

#include <cstdint>
#include <memory>

class TKsBitmap;

// The monotonic clock that times the frames and the random choice of effect and variant;
// tests substitute both.
struct TKsEffectsHost {
    // The clock's current count, and its counts per second.
    std::int64_t (*Count)();
    std::int64_t (*Frequency)();
    // A uniformly drawn number from 0 to Range - 1.
    int (*Random)(int Range);
};
TKsEffectsHost& KsEffectsHost();

class TKsCounter {
public:
    TKsCounter();
    void Start();
    // Seconds since Start; 0 from a clock that reports no frequency.
    float Stop();
    bool Running() const { return FRunning; }
    float Elapsed() const { return FElapsed; }

private:
    std::int64_t FFrequency;
    std::int64_t FStartCount = 0;
    std::int64_t FStopCount = 0;
    bool FRunning = false;
    float FElapsed = 0;
};

// Creates a counter into Counter and starts it.
void StartCounter(std::unique_ptr<TKsCounter>& Counter);
// Stops and frees the counter and answers its seconds; 0 when there is none.
float StopCounter(std::unique_ptr<TKsCounter>& Counter);

// Arguments of the effects: DC is the screen's; Backdrop holds what the screen shows where
// the window appears, of which BackdropRect (from (0, 0), the window's full size) is used;
// Time is in milliseconds; only DestRect's top-left corner (the window's place on the
// screen) is used; Image is the finished window of the same size, KsTransparent wherever
// the window is not. Direction is 0 to 7 for the slide and 0 to 4 for the rectangle.
void AnimateFade(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                 const RECT& DestRect, TKsBitmap& Image);
void AnimateSlide(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                  int Direction, const RECT& DestRect, TKsBitmap& Image);
void AnimateRect(HDC DC, const TKsBitmap& Backdrop, const RECT& BackdropRect, int Time,
                 int Direction, const RECT& DestRect, TKsBitmap& Image);

// kaRandom resolved to the fade, the slide or the rectangle, with equal chance; any other
// value as it is.
TKsAnimation KsChooseAnimation(TKsAnimation Animation);
// Plays the chosen effect (the slide's direction and the rectangle's variant drawn at
// random); kaNone draws nothing.
void KsPlayAnimation(TKsAnimation Animation, HDC DC, const TKsBitmap& Backdrop,
                     const RECT& BackdropRect, int Time, const RECT& DestRect, TKsBitmap& Image);
