// DirectDraw on plain memory: the display object, and surfaces that are blocks of 16-bit
// pixels, pitch = 2 x width, at one address for their whole life. The primary surface's
// frames go to the host.
#include "platform/ddraw.h"

#include <algorithm>
#include <cstdint>

#include "platform/device_context.h"
#include "platform/host.h"
#include "platform/nearest_sample.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr DWORD kLargestSide = 4096;

// One row of a keyed copy. Every destination pixel is written, with itself where the source
// has the key: the same picture as skipping them, and a loop the compiler can do eight pixels
// at a time. The rows never overlap (a copy onto itself reads from a copy).
void CopyRowKeyed(const std::uint16_t* __restrict in, std::uint16_t* __restrict out, LONG width, std::uint16_t key)
{
    for (LONG i = 0; i < width; ++i) out[i] = in[i] != key ? in[i] : out[i];
}

}  // namespace

HRESULT DirectDrawCreate(GUID*, IDirectDraw** directDraw, IUnknown*)
{
    if (directDraw == nullptr) return DDERR_INVALIDPARAMS;
    *directDraw = nullptr;
    if (host::CallFails(host::Call::DirectDrawCreate) || !host::OpenVideo()) return DDERR_NODIRECTDRAWHW;
    *directDraw = new IDirectDraw();
    return DD_OK;
}

// ---------------------------------------------------------------------------------------------
// The display object

HRESULT IDirectDraw::SetCooperativeLevel(HWND, DWORD)
{
    if (host::CallFails(host::Call::SetCooperativeLevel) || !host::TakeOverScreen()) return DDERR_GENERIC;
    screenTaken_ = true;
    return DD_OK;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel)
{
    if (host::CallFails(host::Call::SetDisplayMode)) return DDERR_GENERIC;
    if (bitsPerPixel != 16 || width > kLargestSide || height > kLargestSide) return DDERR_INVALIDPARAMS;
    return host::SetScreenMode(static_cast<int>(width), static_cast<int>(height)) ? DD_OK : DDERR_GENERIC;
}

HRESULT IDirectDraw::CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** surface, IUnknown*)
{
    if (desc == nullptr || surface == nullptr) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (host::CallFails(host::Call::CreateSurface)) return DDERR_OUTOFMEMORY;

    const DWORD caps = desc->ddsCaps.dwCaps;
    if (caps & DDSCAPS_PRIMARYSURFACE) {
        const bool chain = (caps & DDSCAPS_FLIP) && (caps & DDSCAPS_COMPLEX);
        const DWORD backBuffers = (desc->dwFlags & DDSD_BACKBUFFERCOUNT) ? desc->dwBackBufferCount : 0;
        if (chain != (backBuffers != 0) || backBuffers > 1) return DDERR_INVALIDPARAMS;  // one back buffer only
        auto* primary = new IDirectDrawSurface(kScreenWidth, kScreenHeight, true);
        if (chain) primary->backBuffer_ = new IDirectDrawSurface(kScreenWidth, kScreenHeight, false);
        *surface = primary;
        return DD_OK;
    }
    if (desc->dwWidth == 0 || desc->dwHeight == 0 || desc->dwWidth > kLargestSide || desc->dwHeight > kLargestSide)
        return DDERR_INVALIDPARAMS;
    *surface = new IDirectDrawSurface(static_cast<int>(desc->dwWidth), static_cast<int>(desc->dwHeight), false);
    return DD_OK;
}

HRESULT IDirectDraw::RestoreDisplayMode()
{
    host::RestoreScreenMode();
    return DD_OK;
}

ULONG IDirectDraw::Release()
{
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

// ---------------------------------------------------------------------------------------------
// Surfaces

IDirectDrawSurface::IDirectDrawSurface(int width, int height, bool primary)
    : width_(width), height_(height), primary_(primary),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

IDirectDrawSurface::~IDirectDrawSurface()
{
    delete dc_;
    if (backBuffer_ != nullptr) backBuffer_->Release();
}

ULONG IDirectDrawSurface::Release()
{
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT IDirectDrawSurface::GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** attached)
{
    if (caps == nullptr || attached == nullptr) return DDERR_INVALIDPARAMS;
    *attached = nullptr;
    if (host::CallFails(host::Call::GetAttachedSurface)) return DDERR_NOTFOUND;
    if (!(caps->dwCaps & DDSCAPS_BACKBUFFER) || backBuffer_ == nullptr) return DDERR_NOTFOUND;
    ++backBuffer_->references_;
    *attached = backBuffer_;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Lock(RECT*, DDSURFACEDESC* desc, DWORD, void*)
{
    if (desc == nullptr) return DDERR_INVALIDPARAMS;
    if (host::CallFails(host::Call::Lock)) {
        desc->lpSurface = nullptr;
        return DDERR_SURFACEBUSY;
    }
    desc->lpSurface = pixels_.data();
    desc->lPitch = 2 * width_;
    desc->dwWidth = static_cast<DWORD>(width_);
    desc->dwHeight = static_cast<DWORD>(height_);
    return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(LPVOID)
{
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetDC(HDC* dc)
{
    if (dc == nullptr) return DDERR_INVALIDPARAMS;
    *dc = nullptr;
    if (host::CallFails(host::Call::GetDC) || dc_ != nullptr) return DDERR_CANTCREATEDC;
    dc_ = new HDC__{this};
    *dc = dc_;
    return DD_OK;
}

HRESULT IDirectDrawSurface::ReleaseDC(HDC dc)
{
    if (dc == nullptr || dc != dc_) return DDERR_INVALIDPARAMS;
    delete dc_;
    dc_ = nullptr;
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetColorKey(DWORD flags, DDCOLORKEY* key)
{
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_INVALIDPARAMS;
    hasSourceKey_ = key != nullptr;  // no key record takes the key away
    sourceKey_ = key != nullptr ? static_cast<std::uint16_t>(key->dwColorSpaceLowValue) : 0;
    return DD_OK;
}

bool IDirectDrawSurface::Holds(const RECT& rect) const
{
    return rect.left >= 0 && rect.top >= 0 && rect.left < rect.right && rect.top < rect.bottom &&
           rect.right <= width_ && rect.bottom <= height_;
}

HRESULT IDirectDrawSurface::BltFast(DWORD x, DWORD y, IDirectDrawSurface* source, RECT* sourceRect, DWORD trans)
{
    if (source == nullptr) return DDERR_INVALIDPARAMS;
    const RECT from = sourceRect != nullptr ? *sourceRect : RECT{0, 0, source->width_, source->height_};
    if (!source->Holds(from)) return DDERR_INVALIDRECT;
    const LONG width = from.right - from.left;
    const LONG height = from.bottom - from.top;
    if (width > width_ || height > height_ || x > static_cast<DWORD>(width_ - width) ||
        y > static_cast<DWORD>(height_ - height))
        return DDERR_INVALIDRECT;

    // Copying a surface onto itself reads the rectangle as it was before the copy.
    const std::vector<std::uint16_t> copy = source == this ? pixels_ : std::vector<std::uint16_t>();
    const std::uint16_t* sourcePixels = source == this ? copy.data() : source->pixels_.data();
    const bool keyed = (trans & DDBLTFAST_SRCCOLORKEY) && source->hasSourceKey_;
    const std::uint16_t key = source->sourceKey_;
    for (LONG row = 0; row < height; ++row) {
        const std::uint16_t* in = sourcePixels + static_cast<std::size_t>(from.top + row) * source->width_ + from.left;
        std::uint16_t* out = pixels_.data() + static_cast<std::size_t>(y + row) * width_ + x;
        if (keyed) {
            CopyRowKeyed(in, out, width, key);
        } else {
            std::copy(in, in + width, out);
        }
    }
    return DD_OK;
}

HRESULT IDirectDrawSurface::Blt(RECT* destRect, IDirectDrawSurface* source, RECT* sourceRect, DWORD, DDBLTFX*)
{
    if (source == nullptr) return DDERR_INVALIDPARAMS;
    const RECT to = destRect != nullptr ? *destRect : RECT{0, 0, width_, height_};
    const RECT from = sourceRect != nullptr ? *sourceRect : RECT{0, 0, source->width_, source->height_};
    if (!Holds(to) || !source->Holds(from)) return DDERR_INVALIDRECT;

    const std::vector<std::uint16_t> copy = source == this ? pixels_ : std::vector<std::uint16_t>();
    const std::uint16_t* sourcePixels = source == this ? copy.data() : source->pixels_.data();
    const std::int64_t toWidth = to.right - to.left, toHeight = to.bottom - to.top;
    const std::int64_t fromWidth = from.right - from.left, fromHeight = from.bottom - from.top;
    for (std::int64_t row = 0; row < toHeight; ++row) {
        const std::int64_t sourceRow = from.top + NearestSource(row, fromHeight, toHeight);
        std::uint16_t* out = pixels_.data() + (to.top + row) * width_ + to.left;
        const std::uint16_t* in = sourcePixels + sourceRow * source->width_ + from.left;
        for (std::int64_t column = 0; column < toWidth; ++column)
            out[column] = in[NearestSource(column, fromWidth, toWidth)];
    }
    if (primary_) ShowOnScreen();
    return DD_OK;
}

HRESULT IDirectDrawSurface::Flip(IDirectDrawSurface*, DWORD)
{
    if (!primary_ || backBuffer_ == nullptr) return DDERR_NOTFLIPPABLE;
    std::copy(backBuffer_->pixels_.begin(), backBuffer_->pixels_.end(), pixels_.begin());
    ShowOnScreen();
    return DD_OK;
}

void IDirectDrawSurface::ShowOnScreen() const
{
    host::PresentFrame(pixels_.data());
}
