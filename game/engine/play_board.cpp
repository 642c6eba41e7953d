#include "play_board.h"

#include <algorithm>

namespace vortan {

namespace {
constexpr std::int32_t kEmpty = static_cast<std::int32_t>(BoxCode::Empty);
constexpr std::int32_t kYour = static_cast<std::int32_t>(BoxCode::Your);
constexpr std::int32_t kException = static_cast<std::int32_t>(BoxCode::Exception);
}  // namespace

Direction directionFromCode(std::int32_t code) {
    return code >= 1 && code <= 4 ? static_cast<Direction>(code) : Direction::None;
}

const char* directionName(Direction d) {
    switch (d) {
    case Direction::Up: return "Up";
    case Direction::Down: return "Down";
    case Direction::Left: return "Left";
    case Direction::Right: return "Right";
    case Direction::None: break;
    }
    return "None";
}

void PlayBoard::init(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
    currentBuffer = 0;
    previousBuffer = 1;
    nextNumber_ = 1;
    yourX_ = 0;
    yourY_ = 0;
}

int PlayBoard::activeWidth() const { return std::clamp<std::int32_t>(width_, 0, kGridSize); }
int PlayBoard::activeHeight() const { return std::clamp<std::int32_t>(height_, 0, kGridSize); }

void PlayBoard::clear() {
    const int w = activeWidth(), h = activeHeight();
    for (int b = 0; b < 2; ++b)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) cells_[b][index(x, y)] = PlayCell{};
}

void PlayBoard::setCell(int x, int y, std::int32_t region, std::int32_t box, std::int32_t number) {
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize) return;
    cells_[0][index(x, y)] = PlayCell{region, box, number};
    cells_[1][index(x, y)] = PlayCell{region, box, number};
}

PlayCell PlayBoard::getCell(int x, int y) {
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize) return PlayCell{};
    const PlayCell& c = cells_[currentBuffer][index(x, y)];
    if (c.box == kYour) {
        yourX_ = x;
        yourY_ = y;
    }
    return c;
}

void PlayBoard::refreshYourPosition() {
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) getCell(x, y);
}

void PlayBoard::shiftBox(int t, int s) {
    PlayCell* cur = cells_[currentBuffer];
    cur[t].box = cur[s].box;
    cur[t].number = cur[s].number;
    cur[s].box = kEmpty;
    cur[s].number = 0;
}

void PlayBoard::stepBox(int t, int s) {
    PlayCell* cur = cells_[currentBuffer];
    const std::int32_t sb = cur[s].box;
    if (sb == kEmpty) return;
    const std::int32_t tb = cur[t].box;
    switch (static_cast<RegionCode>(cur[t].region)) {
    case RegionCode::Yellow:
        if (tb == kEmpty) {
            shiftBox(t, s);
        } else if (sb == kYour) {
            switch (static_cast<BoxCode>(tb)) {
            case BoxCode::Star:
                shiftBox(t, s);
                eventKind_ = kEventStar;
                eventCode_ = kCodeStar;
                break;
            case BoxCode::Number:
                if (cur[t].number == nextNumber_) {
                    shiftBox(t, s);
                    ++nextNumber_;
                    eventKind_ = kEventNumber;
                    eventCode_ = kCodeNumber;
                }
                break;
            case BoxCode::Hot:
                shiftBox(t, s);
                eventKind_ = kEventHit;
                eventCode_ = kCodeHot;
                break;
            case BoxCode::Freeze:
                frozen_ = 1;
                eventKind_ = kEventFreeze;
                eventCode_ = kCodeNone;
                break;
            case BoxCode::Time:
                shiftBox(t, s);
                eventKind_ = kEventTime;
                eventCode_ = kCodeTime;
                break;
            case BoxCode::Move:
                shiftBox(t, s);
                eventKind_ = kEventMove;
                eventCode_ = kCodeMove;
                break;
            default:
                break;  // Free, Exception, a later Number or an unknown code block it
            }
        }
        break;
    case RegionCode::White:
        if (tb == kEmpty) {
            shiftBox(t, s);
        } else if (sb == kYour) {
            if (tb == static_cast<std::int32_t>(BoxCode::Hot)) {
                shiftBox(t, s);
                eventKind_ = kEventHit;
                eventCode_ = kCodeHot;
            } else if (tb == static_cast<std::int32_t>(BoxCode::Freeze)) {
                frozen_ = 1;
                eventKind_ = kEventFreeze;
                eventCode_ = kCodeNone;
            }
        }
        break;
    case RegionCode::Red:
        if (tb == kEmpty) {
            shiftBox(t, s);
            if (sb == kYour) {
                eventKind_ = kEventHit;
                eventCode_ = kCodeRed;
            }
        }
        break;
    case RegionCode::Green:
        if (tb == kEmpty && (sb == kYour || sb == kException)) shiftBox(t, s);
        break;
    case RegionCode::Orange:
        if (tb == kEmpty && sb != kYour && sb != kException) shiftBox(t, s);
        break;
    case RegionCode::Blue:
    default:
        break;  // walls, and region codes outside the table, let nothing in
    }
}

void PlayBoard::moveBoxes(Direction direction) {
    std::swap(currentBuffer, previousBuffer);
    frozen_ = 0;
    eventKind_ = 0;
    eventCode_ = 0;
    const int w = activeWidth(), h = activeHeight();
    PlayCell* cur = cells_[currentBuffer];
    const PlayCell* prev = cells_[previousBuffer];
    auto copyBack = [&] {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int i = index(x, y);
                cur[i].box = prev[i].box;
                cur[i].number = prev[i].number;
            }
    };
    copyBack();
    switch (direction) {
    case Direction::Up:
        for (int y = 0; y <= h - 2; ++y)
            for (int x = 0; x <= w - 1; ++x) stepBox(index(x, y), index(x, y + 1));
        break;
    case Direction::Down:
        for (int y = h - 1; y >= 1; --y)
            for (int x = w - 1; x >= 0; --x) stepBox(index(x, y), index(x, y - 1));
        break;
    case Direction::Left:
        for (int y = 0; y <= h - 1; ++y)
            for (int x = 0; x <= w - 2; ++x) stepBox(index(x, y), index(x + 1, y));
        break;
    case Direction::Right:
        for (int y = 0; y <= h - 1; ++y)
            for (int x = w - 1; x >= 1; --x) stepBox(index(x, y), index(x - 1, y));
        break;
    case Direction::None:
        break;
    }
    if (frozen_) {
        copyBack();
        frozen_ = 0;
    }
}

void PlayBoard::undoMove() {
    const int w = activeWidth(), h = activeHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int i = index(x, y);
            std::swap(cells_[0][i].box, cells_[1][i].box);
            std::swap(cells_[0][i].number, cells_[1][i].number);
        }
}

}  // namespace vortan
