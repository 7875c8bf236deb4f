// The display: taking over the screen, the flip chain, and the probe that finds the 16-bit
// pixel layout once, so that no pixel is ever converted when a frame is shown.
#include "gfx/display.h"

#include "report/error_report.h"
#include "platform/gdi.h"
#include "texts/texts.h"

Display TheDisplay;

namespace {

int DisplayFailure(const char* message)
{
    MessageBoxA(MainWindow, message, text::CaptionGraphics, MB_OK);
    return 0;
}

}  // namespace

int InitDisplay()
{
    Display& display = TheDisplay;

    // Each object is stored only once its call succeeded, so a partial display holds exactly
    // what the steps before the failing one made.
    IDirectDraw* directDraw = nullptr;
    if (DirectDrawCreate(nullptr, &directDraw, nullptr) != DD_OK)
        return DisplayFailure(text::DirectDrawCreateFailed);
    display.directDraw = directDraw;

    if (directDraw->SetCooperativeLevel(MainWindow, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK)
        return DisplayFailure(text::CooperativeLevelFailed);

    if (directDraw->SetDisplayMode(640, 480, 16) != DD_OK)
        return DisplayFailure(text::DisplayModeFailed);

    DDSURFACEDESC& desc = display.surfaceDesc;
    desc.dwSize = 108;
    desc.dwBackBufferCount = 1;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    IDirectDrawSurface* primary = nullptr;
    if (directDraw->CreateSurface(&desc, &primary, nullptr) != DD_OK)
        return DisplayFailure(text::PrimarySurfaceFailed);
    display.primary = primary;

    DDSCAPS backCaps{DDSCAPS_BACKBUFFER};
    IDirectDrawSurface* backBuffer = nullptr;
    if (primary->GetAttachedSurface(&backCaps, &backBuffer) != DD_OK)
        return DisplayFailure(text::BackSurfaceFailed);
    display.backBuffer = backBuffer;

    DetectPixelFormat(primary);
    display.flipMode = 1;
    return 1;
}

int DetectPixelFormat(IDirectDrawSurface* surface)
{
    Display& display = TheDisplay;

    // White through the platform's own colour conversion fills all sixteen bits only in
    // 5-6-5. A probe that cannot draw or read takes 5-5-5.
    std::uint16_t probe = 0;
    HDC dc = nullptr;
    if (surface->GetDC(&dc) == DD_OK) {
        SetPixel(dc, 0, 0, RGB(255, 255, 255));
        surface->ReleaseDC(dc);

        DDSURFACEDESC& desc = display.surfaceDesc;
        desc.lpSurface = nullptr;
        if (surface->Lock(nullptr, &desc, 0, nullptr) == DD_OK && desc.lpSurface != nullptr) {
            auto* first = static_cast<std::uint16_t*>(desc.lpSurface);
            probe = *first;
            *first = 0;
            surface->Unlock(nullptr);
        }
    }

    display.is565 = probe == 0xFFFF ? 1 : 0;
    display.redMax = 31;
    display.greenMax = display.is565 ? 63 : 31;
    display.blueMax = 31;
    return 1;
}

int ReleaseDisplay()
{
    Display& display = TheDisplay;
    if (display.directDraw == nullptr) return 1;
    if (display.primary != nullptr) {
        display.primary->Release();
        display.primary = nullptr;
    }
    if (display.backBuffer != nullptr) {
        display.backBuffer->Release();
        display.backBuffer = nullptr;
    }
    display.directDraw->RestoreDisplayMode();
    display.directDraw->Release();
    display.directDraw = nullptr;
    return 1;
}
