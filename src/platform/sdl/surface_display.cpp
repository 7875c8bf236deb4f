#include "platform/sdl/surface_display.h"

#include <cstddef>
#include <cstring>

#include "platform/nearest_sample.h"
#include "platform/sdl/texture_pixels.h"

namespace sdlhost {

namespace {

std::vector<int> NearestSources(int windowLength, int pictureLength)
{
    std::vector<int> sources(static_cast<std::size_t>(windowLength));
    for (int i = 0; i < windowLength; ++i) {
        sources[static_cast<std::size_t>(i)] = static_cast<int>(NearestSource(i, pictureLength, windowLength));
    }
    return sources;
}

const std::uint16_t* Row(const std::uint16_t* frame, int y)
{
    return frame + static_cast<std::size_t>(y) * kFrameWidth;
}

constexpr std::size_t kRowBytes = kFrameWidth * sizeof(std::uint16_t);

}  // namespace

void SurfaceDisplay::Layout(int width, int height)
{
    surfaceWidth_ = width;
    surfaceHeight_ = height;
    fit_ = FitFrame(width, height);
    sourceColumn_ = NearestSources(fit_.width, kFrameWidth);
    sourceRow_ = NearestSources(fit_.height, kFrameHeight);
    scaled_.resize(static_cast<std::size_t>(fit_.width));
}

void SurfaceDisplay::ChangedRows(const std::uint16_t* frame, int& first, int& end) const
{
    first = 0;
    while (first < kFrameHeight && std::memcmp(Row(frame, first), Row(shown_.data(), first), kRowBytes) == 0) {
        ++first;
    }
    end = kFrameHeight;
    while (end > first && std::memcmp(Row(frame, end - 1), Row(shown_.data(), end - 1), kRowBytes) == 0) {
        --end;
    }
}

void SurfaceDisplay::ScaleRow(const std::uint16_t* row)
{
    ConvertRow565ToXrgb8888(row, widened_.data(), kFrameWidth);
    for (std::size_t x = 0; x < scaled_.size(); ++x) {
        scaled_[x] = widened_[static_cast<std::size_t>(sourceColumn_[x])];
    }
}

void SurfaceDisplay::Draw(SDL_Window* window, const std::uint16_t* frame)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) {
        return;
    }
    if (surface->w != surfaceWidth_ || surface->h != surfaceHeight_) {
        Layout(surface->w, surface->h);
        whole_ = true;
    }
    int first = 0;
    int end = kFrameHeight;
    if (whole_) {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    } else {
        ChangedRows(frame, first, end);
        if (first == end) {
            return;
        }
    }
    if (SDL_LockSurface(surface) != 0) {
        return;
    }
    auto* pixels = static_cast<std::uint8_t*>(surface->pixels) + fit_.x * surface->format->BytesPerPixel;
    const int rowBytes = fit_.width * static_cast<int>(sizeof(std::uint32_t));
    int top = -1;
    int bottom = -1;
    int scaledFrom = -1;
    for (int y = 0; y < fit_.height; ++y) {
        const int source = sourceRow_[static_cast<std::size_t>(y)];
        if (source < first || source >= end) {
            continue;
        }
        if (source != scaledFrom) {
            ScaleRow(Row(frame, source));
            scaledFrom = source;
        }
        // A plain copy where the surface is XRGB8888, as it is on a 24-bit X screen.
        SDL_ConvertPixels(fit_.width, 1, SDL_PIXELFORMAT_RGB888, scaled_.data(), rowBytes, surface->format->format,
                          pixels + static_cast<std::ptrdiff_t>(fit_.y + y) * surface->pitch, surface->pitch);
        top = top < 0 ? y : top;
        bottom = y + 1;
    }
    SDL_UnlockSurface(surface);

    const SDL_Rect sent = whole_ ? SDL_Rect{0, 0, surface->w, surface->h}
                                 : SDL_Rect{fit_.x, fit_.y + top, fit_.width, bottom - top};
    if (whole_ || top >= 0) {
        SDL_UpdateWindowSurfaceRects(window, &sent, 1);
    }
    shown_.resize(kFramePixels);
    std::memcpy(shown_.data() + static_cast<std::size_t>(first) * kFrameWidth, Row(frame, first), static_cast<std::size_t>(end - first) * kRowBytes);
    whole_ = false;
}

}  // namespace sdlhost
