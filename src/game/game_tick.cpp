#include "game/game_tick.h"

#include "game/board.h"
#include "game/resources.h"
#include "game/row_clearing.h"
#include "game/well_drawing.h"
#include "platform/win32.h"
#include "texts/texts.h"

TickControlFields TickControl;
MouseStateFields MouseState;

namespace {

constexpr int kPreviewLeft = 410;
constexpr int kPreviewTop = 96;
constexpr int kLogoX = 370;
constexpr int kLogoY = 0;
constexpr std::uint16_t kTickWaitMs = 10;
constexpr int kWrapRight = 639;  // a cursor this far right comes back in at the left
constexpr int kWrapLeft = 0;     // and one this far left at the right
constexpr int kWrappedToLeft = 1;
constexpr int kWrappedToRight = 638;
constexpr std::uint8_t kSensitivityStep = 2;
constexpr std::int16_t kGravityTicks = 50;  // gravity once the counter passes this

bool Pressed(int virtualKey) {
    return GetAsyncKeyState(virtualKey) != 0;
}

// The well, then the piece and the preview block by block, in the order the frame needs:
// the shadow pass and the sprite pass visit the cells alike.
template <typename Draw>
void VisitCells(Draw draw) {
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < kBoardColumns; ++c) {
            const int value = Board[r * kBoardColumns + c];
            if (value != 0) {
                draw(CellSprite(value), CellX(c), CellY(r));
            }
        }
    }
    for (int i = 0; i < kShapeSize; ++i) {
        for (int j = 0; j < kShapeSize; ++j) {
            if (ShapeCellFilled(FallingPiece.type, FallingPiece.rotation, i, j)) {
                draw(CellSprite(FallingPiece.type + 1), CellX(FallingPiece.column + j),
                     CellY(FallingPiece.row + i));
            }
            if (ShapeCellFilled(FallingPiece.nextType, 0, i, j)) {
                draw(CellSprite(FallingPiece.nextType + 1), kPreviewLeft + kCellWidth * j,
                     kPreviewTop + kCellHeight * i);
            }
        }
    }
}

}  // namespace

void DrawTickFrame() {
    Canvas* frame = CompositionCanvas;
    DrawSprite(BackgroundCanvas, frame, 0, 0);
    VisitCells([frame](Surface* sprite, int x, int y) {
        ShadowSprite(sprite, frame, x + kShadowOffset, y + kShadowOffset);
    });
    VisitCells([frame](Surface* sprite, int x, int y) { DrawSprite(sprite, frame, x, y); });
    AddSprite(LogoSprite, frame, kLogoX, kLogoY);
    if (frame != nullptr) {
        frame->Printf(0, 0, text::StatusLine, FallingPiece.column, FallingPiece.row,
                      static_cast<int>(TickControl.mouseSensitivity), TickControl.tickCounter);
    }
    PresentCanvas(frame);
}

namespace {

void ReadCursor() {
    POINT point{};
    GetCursorPos(&point);
    MouseState.currentX = static_cast<std::int16_t>(point.x);
    MouseState.currentY = static_cast<std::int16_t>(point.y);
}

// The cursor comes back in at the other edge, and travel is measured afresh from there.
void WrapCursorTo(int x) {
    SetCursorPos(x, MouseState.currentY);
    ReadCursor();
    MouseState.referenceX = MouseState.currentX;
}

// One column at most per tick; the reference follows the cursor whenever a step is tried,
// blocked or not.
void StepSideways() {
    int travel = MouseState.currentX - MouseState.referenceX;
    if (travel > 0 && travel > TickControl.mouseSensitivity) {
        if (PieceFits(static_cast<std::int16_t>(FallingPiece.column + 1), FallingPiece.row)) {
            ++FallingPiece.column;
        }
        MouseState.referenceX = MouseState.currentX;
    }
    travel = MouseState.currentX - MouseState.referenceX;
    if (travel < 0 && -travel > TickControl.mouseSensitivity) {
        if (PieceFits(static_cast<std::int16_t>(FallingPiece.column - 1), FallingPiece.row)) {
            --FallingPiece.column;
        }
        MouseState.referenceX = MouseState.currentX;
    }
}

void StepDown() {
    if (PieceFits(FallingPiece.column, static_cast<std::int16_t>(FallingPiece.row + 1))) {
        ++FallingPiece.row;
    } else {
        LockPiece();
    }
    CheckFullRows();
}

// Turns once per press; a turn that does not fit is taken back.
void Turn() {
    if (!Pressed(VK_RBUTTON)) {
        TickControl.rightButtonLatch = 0;
        return;
    }
    if (TickControl.rightButtonLatch != 0) {
        return;
    }
    TickControl.rightButtonLatch = 1;
    const std::int16_t previous = FallingPiece.rotation;
    FallingPiece.rotation =
        static_cast<std::int16_t>(FallingPiece.rotation + 1 > kRotations - 1 ? 0 : FallingPiece.rotation + 1);
    if (!PieceFits(FallingPiece.column, FallingPiece.row)) {
        FallingPiece.rotation = previous;
    }
}

}  // namespace

int GameTick() {
    ++TickControl.tickCounter;
    ReadCursor();
    DrawTickFrame();
    WaitMs(kTickWaitMs);

    if (MouseState.currentX >= kWrapRight) {
        WrapCursorTo(kWrappedToLeft);
    }
    if (MouseState.currentX <= kWrapLeft) {
        WrapCursorTo(kWrappedToRight);
    }
    StepSideways();

    if (Pressed(VK_ESCAPE)) {
        return 0;
    }
    if (Pressed(VK_PRIOR)) {
        TickControl.mouseSensitivity = static_cast<std::uint8_t>(TickControl.mouseSensitivity + kSensitivityStep);
    }
    if (Pressed(VK_NEXT)) {
        TickControl.mouseSensitivity = static_cast<std::uint8_t>(TickControl.mouseSensitivity - kSensitivityStep);
    }
    if (Pressed(VK_LBUTTON)) {
        StepDown();
    }
    Turn();
    if (TickControl.tickCounter > kGravityTicks) {
        StepDown();
        TickControl.tickCounter = 0;
    }
    return 1;
}
