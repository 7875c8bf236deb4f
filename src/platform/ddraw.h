// Stand-in for DirectDraw: the display object and its surfaces on plain memory, under the
// published names, structures and constants. An off-screen surface is one block of 16-bit
// pixels at a fixed address with pitch = 2 x width; the primary hands finished frames to the
// host. Only the operations the game calls exist.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

using HRESULT = std::int32_t;
struct GUID;
struct IUnknown;

constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DDERR_INVALIDRECT = static_cast<HRESULT>(0x88760096u);
constexpr HRESULT DDERR_NOTFOUND = static_cast<HRESULT>(0x887600FFu);
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DDERR_NODIRECTDRAWHW = static_cast<HRESULT>(0x88760229u);
constexpr HRESULT DDERR_CANTCREATEDC = static_cast<HRESULT>(0x88760249u);
constexpr HRESULT DDERR_SURFACEBUSY = static_cast<HRESULT>(0x887601AEu);
constexpr HRESULT DDERR_NOTFLIPPABLE = static_cast<HRESULT>(0x88760246u);

constexpr DWORD DDSCL_FULLSCREEN = 0x00000001;
constexpr DWORD DDSCL_EXCLUSIVE = 0x00000010;

constexpr DWORD DDSD_CAPS = 0x00000001;
constexpr DWORD DDSD_HEIGHT = 0x00000002;
constexpr DWORD DDSD_WIDTH = 0x00000004;
constexpr DWORD DDSD_PITCH = 0x00000008;
constexpr DWORD DDSD_BACKBUFFERCOUNT = 0x00000020;
constexpr DWORD DDSD_PIXELFORMAT = 0x00001000;

constexpr DWORD DDSCAPS_BACKBUFFER = 0x00000004;
constexpr DWORD DDSCAPS_COMPLEX = 0x00000008;
constexpr DWORD DDSCAPS_FLIP = 0x00000010;
constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x00000200;
constexpr DWORD DDSCAPS_SYSTEMMEMORY = 0x00000800;

constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x00000000;
constexpr DWORD DDBLTFAST_SRCCOLORKEY = 0x00000001;
constexpr DWORD DDBLTFAST_WAIT = 0x00000010;

constexpr DWORD DDLOCK_WAIT = 0x00000001;
constexpr DWORD DDCKEY_SRCBLT = 0x00000008;

struct DDSCAPS {
    DWORD dwCaps;
};

struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
};

struct DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwFourCC;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask;
    DWORD dwGBitMask;
    DWORD dwBBitMask;
    DWORD dwRGBAlphaBitMask;
};

// Field for field the published description; the game sets dwSize to 108, its size in the
// 32-bit original (the pointer is wider here, which nothing reads).
struct DDSURFACEDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    LONG lPitch;
    DWORD dwBackBufferCount;
    DWORD dwRefreshRate;
    DWORD dwAlphaBitDepth;
    DWORD dwReserved;
    LPVOID lpSurface;
    DDCOLORKEY ddckCKDestOverlay;
    DDCOLORKEY ddckCKDestBlt;
    DDCOLORKEY ddckCKSrcOverlay;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};

struct DDBLTFX;
class IDirectDraw;

class IDirectDrawSurface {
public:
    HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** attached);
    HRESULT Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, void* event);
    HRESULT Unlock(LPVOID rect);
    HRESULT GetDC(HDC* dc);
    HRESULT ReleaseDC(HDC dc);
    HRESULT SetColorKey(DWORD flags, DDCOLORKEY* key);
    HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface* source, RECT* sourceRect, DWORD trans);
    HRESULT Blt(RECT* destRect, IDirectDrawSurface* source, RECT* sourceRect, DWORD flags, DDBLTFX* fx);
    HRESULT Flip(IDirectDrawSurface* target, DWORD flags);
    ULONG Release();

    // For the platform layer itself (device contexts, tests): the pixel block.
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint16_t* Pixels() { return pixels_.data(); }
    const std::uint16_t* Pixels() const { return pixels_.data(); }

private:
    friend class IDirectDraw;
    IDirectDrawSurface(int width, int height, bool primary);
    ~IDirectDrawSurface();
    void ShowOnScreen() const;
    bool Holds(const RECT& rect) const;

    int width_;
    int height_;
    bool primary_;
    ULONG references_ = 1;
    bool hasSourceKey_ = false;
    std::uint16_t sourceKey_ = 0;
    IDirectDrawSurface* backBuffer_ = nullptr;  // owned by a primary of a flip chain
    HDC dc_ = nullptr;                          // the device context given out, if any
    std::vector<std::uint16_t> pixels_;
};

using LPDIRECTDRAWSURFACE = IDirectDrawSurface*;

class IDirectDraw {
public:
    HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel);
    HRESULT CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** surface, IUnknown* outer);
    HRESULT RestoreDisplayMode();
    ULONG Release();

private:
    friend HRESULT DirectDrawCreate(GUID*, IDirectDraw**, IUnknown*);
    IDirectDraw() = default;
    ~IDirectDraw() = default;

    ULONG references_ = 1;
    bool screenTaken_ = false;
};

using LPDIRECTDRAW = IDirectDraw*;

HRESULT DirectDrawCreate(GUID* driver, IDirectDraw** directDraw, IUnknown* outer);
